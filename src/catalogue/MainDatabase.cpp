#include "MainDatabase.h"

#include "Companion.h"
#include "FieldDefinitions.h"
#include "Table.h"
#include "TableError.h"
#include "TableLock.h"
#include "platform/UserInterface.h"
#include "util/LineFile.h"
#include "util/Paths.h"
#include "util/TextCase.h"
#include "util/Words.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

MainDatabase::MainDatabase(UserInterface &ui, const QString &programFolder,
                           const QString &dataFolder, QObject *parent)
    : QObject(parent), m_ui(ui), m_programFolder(programFolder), m_dataFolder(dataFolder),
      m_lock(std::make_unique<TableLock>(dataFolder))
{
}

MainDatabase::~MainDatabase()
{
    // Views hold the table pointer; they let go before the tables go.
    if (m_current) {
        m_current = nullptr;
        emit tableChanged(nullptr);
    }
    m_tables.clear();
}

Table *MainDatabase::openTable() const
{
    return m_current && m_current->isOpen() ? m_current : nullptr;
}

int MainDatabase::recordCount() const
{
    return m_current ? m_current->recordCount() : 0;
}

void MainDatabase::ReadCatalogue()
{
    m_catalogue = ReadLineFile(m_programFolder + QStringLiteral("Buttons.ini"));
}

QString MainDatabase::layoutPath(const QString &descriptorName) const
{
    return m_dataFolder + descriptorName.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".grd");
}

void MainDatabase::WriteLastOpened(const QString &descriptorName)
{
    if (descriptorName.trimmed().isEmpty())
        return;
    WriteLineFile(m_programFolder + QStringLiteral("LastopenDB.inc"), {descriptorName});
}

void MainDatabase::OpenDatabase(const QString &descriptorName)
{
    const QString d = descriptorName.trimmed();
    if (!d.isEmpty()) {
        const QString descriptorPath = FindFileNoCase(m_dataFolder, d);
        bool ok = false;
        const QStringList lines = ReadLineFile(descriptorPath, &ok);
        if (!ok) {
            // Leave the open database as it is: nothing is lost by a bad name.
            m_ui.error(QStringLiteral("Die Datenbankbeschreibung „%1“ fehlt oder kann nicht "
                                      "gelesen werden.")
                           .arg(QDir::toNativeSeparators(descriptorPath)));
            return;
        }
        if (m_current)
            emit saveLayoutRequested(layoutPath(m_descriptorName));
        CloseTables();
        m_descriptor = lines;
        for (int i = 1; i < m_descriptor.size(); ++i) {
            const QString name = FieldAt(m_descriptor.at(i), 2);
            if (name.isEmpty())
                continue;
            if (!QFileInfo::exists(FindFileNoCase(m_dataFolder, name + QStringLiteral(".DB"))))
                CreateTableFromDefinition(m_dataFolder, name, m_ui);
            auto t = std::make_unique<Table>();
            t->setObjectName(QStringLiteral("Table%1").arg(m_tables.size() + 1));
            t->setLock(m_lock.get());
            m_tables.push_back(std::move(t));
        }
        if (!m_tables.empty())
            SelectTable(1);
        m_descriptorName = d;
    }

    int line = 1;
    const QString wanted = AsciiUpper(m_descriptorName);
    for (int i = 0; i < m_catalogue.size(); ++i)
        if (!wanted.isEmpty() && AsciiUpper(m_catalogue.at(i)).contains(wanted))
            line = i;
    m_displayName = FieldAt(m_catalogue.value(line), 1);
    emit databaseOpened(layoutPath(m_descriptorName));
}

void MainDatabase::CloseTables()
{
    if (m_current) {
        m_current = nullptr;
        emit tableChanged(nullptr);
    }
    for (auto &t : m_tables)
        t->close();
    m_tables.clear();
    m_current = nullptr;
}

void MainDatabase::SelectTable(int number)
{
    if (number < 1 || number > int(m_tables.size()))
        return;
    Table *t = m_tables.at(size_t(number - 1)).get();
    if (m_current) {
        m_current = nullptr;
        emit tableChanged(nullptr);
    }
    m_current = t;
    emit tableChanged(t);
    m_tableName = FieldAt(m_descriptor.value(number), 2);
    connect(t, &Table::afterPost, this, &MainDatabase::showRecordCount, Qt::UniqueConnection);
    connect(t, &Table::afterOpen, this, &MainDatabase::showRecordCount, Qt::UniqueConnection);
    connect(t, &Table::recordsReset, this, &MainDatabase::showRecordCount, Qt::UniqueConnection);
    connect(t, &Table::recordRemoved, this, &MainDatabase::showRecordCount, Qt::UniqueConnection);
    m_tablePath = FindFileNoCase(m_dataFolder, m_tableName + QStringLiteral(".DB"));
    ReleaseCompanionLists();
    LoadCompanionLists(m_tableName);
    t->setTableName(m_tablePath);
    t->setIndexName(QString());
    try {
        t->open();
        t->last();
    } catch (const TableError &e) {
        // The database stays unusable; the program goes on.
        m_ui.error(e.message());
    }
    showRecordCount();
}

void MainDatabase::showRecordCount()
{
    emit recordCountChanged(recordCount());
}

void MainDatabase::LoadCompanionLists(const QString &tableName)
{
    m_presets = ReadLineFile(FindFileNoCase(m_dataFolder, tableName + QStringLiteral(".fil")));
    emit presetsLoaded(m_presets);
    m_combos = ReadLineFile(FindFileNoCase(m_dataFolder, tableName + QStringLiteral(".cb")));
    m_fieldDefs = ReadLineFile(FindFileNoCase(m_dataFolder, tableName + QStringLiteral(".pro")));
}

void MainDatabase::ReleaseCompanionLists()
{
    m_presets.clear();
    m_fieldDefs.clear();
    if (m_current &&
        (m_current->state() == Table::State::Edit || m_current->state() == Table::State::Insert)) {
        try {
            m_current->post();
        } catch (const TableError &e) {
            m_ui.error(e.message());
            m_current->cancel();
        }
    }
    m_combos.clear();
    if (m_current && m_current->isOpen())
        m_current->close();
}

void MainDatabase::SaveOpenLayout()
{
    if (m_current)
        emit saveLayoutRequested(layoutPath(m_descriptorName));
}

void MainDatabase::DeleteDatabase(const QString &descriptorName)
{
    UserInterface &ui = m_ui;
    const QString d = descriptorName.trimmed();
    if (d.isEmpty())
        return;
    if (AsciiUpper(d) == QLatin1String("DATABASE.INI")) {
        ui.information(
            QStringLiteral("Diese Datanbank ist die Grundstockdatenbank von Brevimo!\r\r"
                           "Diese Datenbank kann nicht gelöscht werden!\r\r"
                           "Wollen Sie diese Daten trotzdem löschen, gehen Sie auf den Menüpunkt "
                           "\"Löschen --> Datenbank komplett leeren\""));
        OpenDatabase(QStringLiteral("Database.ini"));
        return;
    }
    if (!ui.confirm(QStringLiteral("Wollen Sie diese Datenbank wirklich löschen?")))
        return;
    if (!ui.confirm(
            QStringLiteral("Alle Daten dieser Datenbank gehen verloren! Wirklich löschen?")))
        return;
    CloseTables();
    m_descriptor.clear();

    // Exactly this database's files: its base name followed by a dot.
    const QString prefix = AsciiUpper(d.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.'));
    const QDir data(m_dataFolder);
    for (const QString &name : data.entryList(QDir::Files | QDir::Hidden))
        if (AsciiUpper(name).startsWith(prefix))
            QFile::remove(data.filePath(name));

    // Exactly this database's catalogue line: its descriptor in field 3.
    QStringList kept;
    for (int i = 0; i < m_catalogue.size(); ++i) {
        const QString &line = m_catalogue.at(i);
        if (i > 0 && AsciiUpper(FieldAt(line, 3)) == AsciiUpper(d))
            continue;
        kept << line;
    }
    WriteLineFile(m_programFolder + QStringLiteral("Buttons.ini"), kept);
    ReadCatalogue();
    WriteLastOpened(QStringLiteral("Database.ini"));
    m_descriptorName.clear(); // nothing is open whose layout could be saved
    OpenDatabase(QStringLiteral("Database.ini"));
}
