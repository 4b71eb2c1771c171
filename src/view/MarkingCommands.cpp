#include "view/MarkingCommands.h"

#include "app/Workspace.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "platform/Clipboard.h"
#include "platform/UserInterface.h"
#include "view/DBGrid.h"
#include "view/DoIDForm.h"
#include "view/Filter2Form.h"
#include "view/Marking.h"
#include "view/TableModel.h"

#include <QDir>
#include <QFile>
#include <QLabel>

MarkingCommands::MarkingCommands(Workspace &workspace)
    : m_ws(workspace), m_doId(new TDoIDForm(workspace.dialogParent())),
      m_filter2(new TFilter2Form(workspace, workspace.dialogParent()))
{
}

MarkingCommands::~MarkingCommands()
{
    if (m_doId && !m_doId->parent())
        delete m_doId;
    if (m_filter2 && !m_filter2->parent())
        delete m_filter2;
}

bool MarkingCommands::SetBooleanFieldBySql(const QString &fieldName, bool value)
{
    Table *table = m_ws.table();
    if (!table)
        return false;
    const WaitCursor wait(m_ws.ui());
    const bool ran = ::SetBooleanFieldBySql(*table, m_ws.folders().dataFolder,
                                            m_ws.database().tableName(), fieldName, value);
    if (TDBGrid *grid = m_ws.grid())
        grid->viewport()->update();
    return ran;
}

void MarkingCommands::MarkAll(bool value)
{
    m_ws.run([&] {
        Table *table = m_ws.table();
        if (!table)
            return; // nothing to mark, nothing to say
        // Asked before the wait cursor shows: the user is not kept waiting.
        if (!m_ws.ui().confirm(value ? QStringLiteral("Alle Datensätze markieren?")
                                     : QStringLiteral("Alle Datensätze unmarkieren?")))
            return;
        const WaitCursor wait(m_ws.ui());
        const StatusCleared cleared(m_ws);
        const Bookmark current = table->bookmark();
        m_ws.showProgress(value ? QStringLiteral("Alle Datensätze werden markiert")
                                : QStringLiteral("Alle Datensätze werden unmarkiert"));
        SetBooleanFieldBySql(QStringLiteral("Selected"), value);
        if (table->bookmarkValid(current))
            table->gotoBookmark(current);
    });
}

void MarkingCommands::SelectAllTBClick()
{
    MarkAll(true);
}

void MarkingCommands::UnselectAllTBClick()
{
    MarkAll(false);
}

void MarkingCommands::MarkierenvonIDbisID1Click()
{
    m_ws.run([this] {
        Table *table = m_ws.requireTable();
        if (!table)
            return;
        // Only the record under the cursor is looked at.
        if (!table->isEmpty() && table->fieldByName(QStringLiteral("Selected")).asBoolean() &&
            m_ws.ui().confirm(QStringLiteral("Es sind bereits Datensätze markiert, möchten Sie "
                                             "zuvor alle Datensätze unmarkieren?"))) {
            const WaitCursor wait(m_ws.ui());
            const StatusCleared cleared(m_ws);
            m_ws.showProgress(QStringLiteral("Alle Datensätze unmarkieren..."));
            const Bookmark current = table->bookmark();
            table->setFiltered(false);
            table->setFilter(QString());
            table->first();
            SetBooleanFieldBySql(QStringLiteral("Selected"), false);
            if (table->bookmarkValid(current))
                table->gotoBookmark(current);
        }
        m_ws.setStatusText(QString());
        m_doId->DoLabel->setText(QStringLiteral("Markieren"));
        m_doId->setWindowTitle(QStringLiteral("Markieren von ID bis ID"));
        // The wheel translation stays on while this dialog is up.
        if (m_ws.execKeepingWheel(*m_doId) != QDialog::Accepted) {
            m_ws.setStatusText(QString());
            return;
        }
        const WaitCursor wait(m_ws.ui());
        const StatusCleared cleared(m_ws);
        if (TDBGrid *grid = m_ws.grid()) {
            grid->setCurrentDisplayColumn(0);
            if (TableModel *model = grid->tableModel())
                model->clearTitleMarks();
        }
        MarkIdRange(*table, m_doId->StartId, m_doId->EndId,
                    [this](const QString &text) { m_ws.showProgress(text); });
    });
}

void MarkingCommands::ToolButton1Click()
{
    m_ws.run([this] {
        Table *table = m_ws.requireTable();
        if (!table)
            return;
        table->first();
        m_ws.execModal(*m_filter2);
        m_ws.showRecordCount();
    });
}

void MarkingCommands::AllemarkiertenDatenstzelschen2Click()
{
    m_ws.run([this] {
        Table *table = m_ws.table();
        if (!table)
            return;
        if (!m_ws.ui().confirm(
                QStringLiteral("Wollen Sie wirklich alle markierten Datensätze löschen?")))
            return;
        const WaitCursor wait(m_ws.ui());
        const StatusCleared cleared(m_ws);
        DeleteMarkedRecords(*table, [this](const QString &text) { m_ws.showProgress(text); });
    });
}

void MarkingCommands::Datenbankkomplettleeren1Click()
{
    m_ws.run([this] {
        if (!m_ws.requireTable())
            return;
        if (!m_ws.ui().confirm(
                QStringLiteral("Datenbank komplett leeren? Alle Datensätze gehen dabei verloren!")))
            return;
        if (!m_ws.ui().confirm(
                QStringLiteral("Wollen Sie wirklich alle Datensätze in dieser Datenbank löschen?")))
            return;
        const WaitCursor wait(m_ws.ui());
        const QString path = m_ws.database().tablePath();
        const QString descriptor = m_ws.database().descriptorName();
        // The layout of this session is kept; the reopening reads it back.
        m_ws.database().SaveOpenLayout();
        m_ws.database().CloseTables();
        bool removed = QFile::remove(path);
        // SQLite's journal files of a cleanly closed table are normally gone.
        for (const char *suffix : {"-wal", "-shm"})
            if (QFile::exists(path + QLatin1String(suffix)))
                removed = QFile::remove(path + QLatin1String(suffix)) && removed;
        // The missing table is created empty from the field definitions.
        m_ws.database().OpenDatabase(descriptor);
        if (!removed)
            m_ws.ui().error(
                QStringLiteral("Die Tabelle %1 konnte nicht gelöscht werden; die Datensätze "
                               "sind noch vorhanden.")
                    .arg(QDir::toNativeSeparators(path)));
    });
}

void MarkingCommands::CopyDBGridToClipboardClick()
{
    Table *table = m_ws.table();
    TDBGrid *grid = m_ws.grid();
    const int column = grid ? grid->currentColumn() : -1;
    if (!table || table->isEmpty() || column < 0 || column >= table->fieldCount())
        return;
    m_ws.platform().clipboard.setText(table->field(column).asString());
}

TDoIDForm *MarkingCommands::DoIDForm() const
{
    return m_doId;
}

TFilter2Form *MarkingCommands::Filter2Form() const
{
    return m_filter2;
}
