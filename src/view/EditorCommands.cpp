#include "view/EditorCommands.h"

#include "app/Workspace.h"
#include "catalogue/Table.h"
#include "view/DBGrid.h"

EditorCommands::EditorCommands(Workspace &workspace)
    : m_ws(workspace), m_editor(new TEdForm(workspace, workspace.dialogParent()))
{
}

EditorCommands::~EditorCommands()
{
    if (m_editor && !m_editor->parent())
        delete m_editor;
}

void EditorCommands::focusGrid()
{
    if (TDBGrid *grid = m_ws.grid())
        grid->setFocus();
}

void EditorCommands::ShowEditor(TEditorMode mode)
{
    m_ws.run([this, mode] {
        if (!m_ws.requireTable())
            return;
        // The wheel translation stays on while the editor is up.
        m_editor->ShowEditor(mode);
        focusGrid();
    });
}

void EditorCommands::NewRecord()
{
    ShowEditor(emNew);
}

void EditorCommands::EditRecord()
{
    ShowEditor(emEdit);
}

void EditorCommands::DeleteRecord()
{
    ShowEditor(emDelete);
}

void EditorCommands::DBGrid1DblClick()
{
    m_ws.run([this] {
        Table *table = m_ws.table();
        TDBGrid *grid = m_ws.grid();
        if (!table || !grid)
            return;
        const int column = grid->currentColumn();
        const QString name = column >= 0 && column < table->fieldCount()
                                 ? table->fieldDefs().at(column).name
                                 : QString();
        if (name == QLatin1String("Selected") || name == QLatin1String("Invalid")) {
            if (table->isEmpty())
                return; // no record to mark; editing an empty table would add one
            Field mark = table->field(column);
            table->edit();
            mark.setAsBoolean(!mark.asBoolean());
            table->post();
            return;
        }
        m_editor->ShowEditor(emEdit);
        focusGrid();
    });
}
