// Marking and the bulk record operations of the main window. The walks
// themselves are in view/Marking; here are the questions, the wait cursor
// and the status bar.

#include "app/MainForm.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "platform/Clipboard.h"
#include "platform/UserInterface.h"
#include "view/DoIDForm.h"
#include "view/Filter2Form.h"
#include "view/Marking.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace {

const QString OpenFirst = QStringLiteral("Zuerst Datenbank öffnen!");

Table *openTable(MainDatabase &db)
{
    Table *t = db.table();
    return t && t->isOpen() ? t : nullptr;
}

} // namespace

void MainForm::CreateMarkingWindows()
{
    DoIDForm1 = new TDoIDForm(this);
    Filter2Form1 = new TFilter2Form(*m_db, m_platform.ui, this);

    BitBtn10->setToolTip(QStringLiteral("Filtern von Adressen nach bestimmten Kriterien"));
    BearbeitenimGrid1->setCheckable(true);
    connect(SelectAllTB, &QToolButton::clicked, this, &MainForm::SelectAllTBClick);
    connect(UnselectAllTB, &QToolButton::clicked, this, &MainForm::UnselectAllTBClick);
    connect(MarkierenvonIDbisID1, &QAction::triggered, this, &MainForm::MarkierenvonIDbisID1Click);
    connect(ToolButton1, &QToolButton::clicked, this, &MainForm::ToolButton1Click);
    connect(BitBtn10, &QPushButton::clicked, this, &MainForm::ToolButton1Click);
    connect(AllemarkiertenDatenstzelschen2, &QAction::triggered, this,
            &MainForm::AllemarkiertenDatenstzelschen2Click);
    connect(Datenbankkomplettleeren1, &QAction::triggered, this,
            &MainForm::Datenbankkomplettleeren1Click);
    connect(BearbeitenimGrid1, &QAction::triggered, this, &MainForm::BearbeitenimGrid1Click);
    connect(CopyDBGridToClipboard, &QAction::triggered, this,
            &MainForm::CopyDBGridToClipboardClick);
}

void MainForm::ShowProgress(const QString &text)
{
    m_workspace.showProgress(text);
}

bool MainForm::SetBooleanFieldBySql(const QString &fieldName, bool value)
{
    Table *table = openTable(*m_db);
    if (!table)
        return false;
    const WaitCursor wait(m_platform.ui);
    const bool ran =
        ::SetBooleanFieldBySql(*table, m_folders.dataFolder, m_db->tableName(), fieldName, value);
    DBGrid1->viewport()->update();
    return ran;
}

void MainForm::MarkAll(bool value)
{
    runCommand([&] {
        Table *table = openTable(*m_db);
        if (!table)
            return; // nothing to mark, nothing to say
        // Asked before the wait cursor shows: the user is not kept waiting.
        if (!m_platform.ui.confirm(value ? QStringLiteral("Alle Datensätze markieren?")
                                         : QStringLiteral("Alle Datensätze unmarkieren?")))
            return;
        const WaitCursor wait(m_platform.ui);
        const StatusCleared cleared(m_workspace);
        const Bookmark current = table->bookmark();
        ShowProgress(value ? QStringLiteral("Alle Datensätze werden markiert")
                           : QStringLiteral("Alle Datensätze werden unmarkiert"));
        SetBooleanFieldBySql(QStringLiteral("Selected"), value);
        if (table->bookmarkValid(current))
            table->gotoBookmark(current);
    });
}

void MainForm::SelectAllTBClick()
{
    MarkAll(true);
}

void MainForm::UnselectAllTBClick()
{
    MarkAll(false);
}

void MainForm::MarkierenvonIDbisID1Click()
{
    runCommand([this] {
        Table *table = openTable(*m_db);
        if (!table) {
            m_platform.ui.information(OpenFirst);
            return;
        }
        // Only the record under the cursor is looked at.
        if (!table->isEmpty() && table->fieldByName(QStringLiteral("Selected")).asBoolean() &&
            m_platform.ui.confirm(QStringLiteral("Es sind bereits Datensätze markiert, möchten Sie "
                                                 "zuvor alle Datensätze unmarkieren?"))) {
            const WaitCursor wait(m_platform.ui);
            const StatusCleared cleared(m_workspace);
            ShowProgress(QStringLiteral("Alle Datensätze unmarkieren..."));
            const Bookmark current = table->bookmark();
            table->setFiltered(false);
            table->setFilter(QString());
            table->first();
            SetBooleanFieldBySql(QStringLiteral("Selected"), false);
            if (table->bookmarkValid(current))
                table->gotoBookmark(current);
        }
        SetStatusText(QString());
        DoIDForm1->DoLabel->setText(QStringLiteral("Markieren"));
        DoIDForm1->setWindowTitle(QStringLiteral("Markieren von ID bis ID"));
        // The wheel translation stays on while this dialog is up.
        if (DoIDForm1->exec() != QDialog::Accepted) {
            SetStatusText(QString());
            return;
        }
        const WaitCursor wait(m_platform.ui);
        const StatusCleared cleared(m_workspace);
        DBGrid1->setCurrentDisplayColumn(0);
        ResetTitleFonts();
        MarkIdRange(*table, DoIDForm1->StartId, DoIDForm1->EndId,
                    [this](const QString &text) { ShowProgress(text); });
    });
}

void MainForm::ToolButton1Click()
{
    runCommand([this] {
        Table *table = openTable(*m_db);
        if (!table) {
            m_platform.ui.information(OpenFirst);
            return;
        }
        table->first();
        {
            const ModalWindowRule rule(wheelTranslation());
            Filter2Form1->exec();
        }
        StatusPanel->setText(QString::number(table->recordCount()) + QStringLiteral(" Datensätze"));
    });
}

void MainForm::AllemarkiertenDatenstzelschen2Click()
{
    runCommand([this] {
        Table *table = openTable(*m_db);
        if (!table)
            return;
        if (!m_platform.ui.confirm(
                QStringLiteral("Wollen Sie wirklich alle markierten Datensätze löschen?")))
            return;
        const WaitCursor wait(m_platform.ui);
        const StatusCleared cleared(m_workspace);
        DeleteMarkedRecords(*table, [this](const QString &text) { ShowProgress(text); });
    });
}

void MainForm::Datenbankkomplettleeren1Click()
{
    runCommand([this] {
        if (!openTable(*m_db)) {
            m_platform.ui.information(OpenFirst);
            return;
        }
        if (!m_platform.ui.confirm(
                QStringLiteral("Datenbank komplett leeren? Alle Datensätze gehen dabei verloren!")))
            return;
        if (!m_platform.ui.confirm(
                QStringLiteral("Wollen Sie wirklich alle Datensätze in dieser Datenbank löschen?")))
            return;
        const WaitCursor wait(m_platform.ui);
        const QString path = m_db->tablePath();
        const QString descriptor = m_db->descriptorName();
        // The layout of this session is kept; the reopening reads it back.
        m_db->SaveOpenLayout();
        m_db->CloseTables();
        bool removed = QFile::remove(path);
        // SQLite's journal files of a cleanly closed table are normally gone.
        for (const char *suffix : {"-wal", "-shm"})
            if (QFile::exists(path + QLatin1String(suffix)))
                removed = QFile::remove(path + QLatin1String(suffix)) && removed;
        // The missing table is created empty from the field definitions.
        m_db->OpenDatabase(descriptor);
        if (!removed)
            m_platform.ui.error(
                QStringLiteral("Die Tabelle %1 konnte nicht gelöscht werden; die Datensätze "
                               "sind noch vorhanden.")
                    .arg(QDir::toNativeSeparators(path)));
    });
}

void MainForm::BearbeitenimGrid1Click()
{
    if (!openTable(*m_db)) {
        m_platform.ui.information(OpenFirst);
        BearbeitenimGrid1->setChecked(GridEditing);
        return;
    }
    GridEditing = !GridEditing;
    BearbeitenimGrid1->setChecked(GridEditing);
    DBGrid1->setInPlaceEditing(GridEditing);
    DBGrid1->setFontColor(GridEditing ? QColor(Qt::blue) : QColor(Qt::black));
    DBGrid1->setFocus();
}

void MainForm::CopyDBGridToClipboardClick()
{
    Table *table = openTable(*m_db);
    const int column = DBGrid1->currentColumn();
    if (!table || table->isEmpty() || column < 0 || column >= table->fieldCount())
        return;
    m_platform.clipboard.setText(table->field(column).asString());
}
