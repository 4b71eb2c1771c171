#pragma once

#include "view/EdForm.h"

#include <QObject>
#include <QPointer>

class Workspace;

// The commands that open the record editor: new, edit and delete (F5, F4,
// F8 and their buttons) and the grid's double click, which toggles a mark
// in the "Selected" and "Invalid" columns and edits the record elsewhere.
class EditorCommands : public QObject
{
    Q_OBJECT
public:
    explicit EditorCommands(Workspace &workspace);
    ~EditorCommands() override;

    void NewRecord();
    void EditRecord();
    void DeleteRecord();
    void DBGrid1DblClick();

    TEdForm *EdForm() const { return m_editor; }

private:
    void ShowEditor(TEditorMode mode);
    void focusGrid();

    Workspace &m_ws;
    QPointer<TEdForm> m_editor;
};
