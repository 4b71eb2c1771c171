#include "MainDatabase.h"

#include "Companion.h"
#include "FieldDefinitions.h"
#include "Table.h"
#include "TableError.h"
#include "TableLock.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "util/LineFile.h"
#include "util/Paths.h"
#include "util/TextCase.h"
#include "util/Words.h"
#include "view/TableModel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableView>

MainDatabase::MainDatabase(Platform &platform, const QString &programFolder,
                           const QString &dataFolder, Widgets widgets, QObject *parent)
    : QObject(parent), m_platform(platform), m_programFolder(programFolder),
      m_dataFolder(dataFolder), m_w(widgets), m_lock(std::make_unique<TableLock>(dataFolder)),
      m_model(new TableModel(this))
{
    if (m_w.grid)
        m_w.grid->setModel(m_model);
}

MainDatabase::~MainDatabase()
{
    m_model->setTable(nullptr);
    m_tables.clear();
}

Table *MainDatabase::table() const
{
    return m_current;
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
            m_platform.ui.error(
                QStringLiteral("Die Datenbankbeschreibung „%1“ fehlt oder kann nicht "
                               "gelesen werden.")
                    .arg(QDir::toNativeSeparators(descriptorPath)));
            return;
        }
        if (m_current)
            SaveGridLayout(layoutPath(m_descriptorName));
        CloseTables();
        m_descriptor = lines;
        for (int i = 1; i < m_descriptor.size(); ++i) {
            const QString name = FieldAt(m_descriptor.at(i), 2);
            if (name.isEmpty())
                continue;
            if (!QFileInfo::exists(FindFileNoCase(m_dataFolder, name + QStringLiteral(".DB"))))
                CreateTableFromDefinition(m_dataFolder, name, m_platform.ui);
            auto t = std::make_unique<Table>();
            t->setObjectName(QStringLiteral("Table%1").arg(m_tables.size() + 1));
            t->setLock(m_lock.get());
            m_tables.push_back(std::move(t));
        }
        if (!m_tables.empty())
            SelectTable(1);
        m_descriptorName = d;
    }
    if (m_w.grid)
        m_w.grid->setFocus();
    LoadGridLayout(layoutPath(m_descriptorName));

    int line = 1;
    const QString wanted = AsciiUpper(m_descriptorName);
    for (int i = 0; i < m_catalogue.size(); ++i)
        if (!wanted.isEmpty() && AsciiUpper(m_catalogue.at(i)).contains(wanted))
            line = i;
    m_displayName = FieldAt(m_catalogue.value(line), 1);
    if (m_w.databaseLabel)
        m_w.databaseLabel->setText(QStringLiteral("Geöffnete Datenbank: ") + m_displayName);
    emit databaseOpened();
}

void MainDatabase::CloseTables()
{
    m_model->setTable(nullptr);
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
    m_model->setTable(nullptr);
    m_current = t;
    m_model->setTable(t);
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
        m_platform.ui.error(e.message());
    }
    showRecordCount();
}

void MainDatabase::showRecordCount()
{
    const int n = m_current ? m_current->recordCount() : 0;
    if (m_w.statusPanel)
        m_w.statusPanel->setText(QString::number(n) + QStringLiteral(" Datensätze"));
    emit recordCountChanged(n);
}

void MainDatabase::LoadCompanionLists(const QString &tableName)
{
    m_presets = ReadLineFile(FindFileNoCase(m_dataFolder, tableName + QStringLiteral(".fil")));
    if (m_w.presetBox) {
        const QSignalBlocker block(m_w.presetBox); // filling applies no filter
        m_w.presetBox->clear();
        m_w.presetBox->addItems(PresetCaptions(m_presets));
        m_w.presetBox->setCurrentIndex(m_w.presetBox->count() > 0 ? 0 : -1);
    }
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
            m_platform.ui.error(e.message());
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
        SaveGridLayout(layoutPath(m_descriptorName));
}

void MainDatabase::SaveGridLayout(const QString &path)
{
    if (!m_w.grid || !m_current || m_model->columnCount() == 0)
        return;
    const QHeaderView *header = m_w.grid->horizontalHeader();
    QList<GridColumn> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        GridColumn c;
        c.field = m_current->fieldDefs().value(logical).name;
        c.title = m_model->title(logical);
        c.width = header->sectionSize(logical);
        c.visible = !header->isSectionHidden(logical);
        if (!c.visible)
            c.width = m_w.grid->columnWidth(logical);
        columns << c;
    }
    WriteGridLayout(path, columns);
}

void MainDatabase::LoadGridLayout(const QString &path)
{
    if (!m_w.grid)
        return;
    QHeaderView *header = m_w.grid->horizontalHeader();
    // Default columns: one per field in table order, titled by field name.
    m_model->resetTitles();
    for (int i = 0; i < m_model->columnCount(); ++i) {
        header->moveSection(header->visualIndex(i), i);
        header->setSectionHidden(i, false);
        header->resizeSection(i, header->defaultSectionSize());
    }
    QList<GridColumn> columns;
    if (m_current && ReadGridLayout(path, &columns)) {
        int visual = 0;
        for (const GridColumn &c : std::as_const(columns)) {
            const int logical = m_current->fieldIndex(c.field);
            if (logical < 0)
                continue;
            header->moveSection(header->visualIndex(logical), visual++);
            if (c.width > 0)
                header->resizeSection(logical, c.width);
            header->setSectionHidden(logical, !c.visible);
            if (!c.title.isEmpty())
                m_model->setTitle(logical, c.title);
        }
    }
    ApplyDisplayNames();
}

void MainDatabase::ApplyDisplayNames()
{
    if (!UsesDisplayNames(m_fieldDefs))
        return;
    for (int i = 1; i < m_fieldDefs.size(); ++i) {
        const FieldDefinitionLine d = FieldDefinitionLine::parse(m_fieldDefs.at(i));
        if (d.name.isEmpty())
            continue;
        const QString upper = AsciiUpper(d.name);
        for (int c = 0; c < m_model->columnCount(); ++c)
            if (AsciiUpper(m_model->title(c)) == upper)
                m_model->setTitle(c, d.shownName());
    }
}

void MainDatabase::DeleteDatabase(const QString &descriptorName)
{
    UserInterface &ui = m_platform.ui;
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
