#include "catalogue/DatabaseCommands.h"

#include "app/Workspace.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/SelectDatabaseForm.h"

DatabaseCommands::DatabaseCommands(Workspace &workspace) : m_ws(workspace) {}

DatabaseCommands::~DatabaseCommands()
{
    if (m_chooser && !m_chooser->parent())
        delete m_chooser;
}

TSelectDatabaseForm &DatabaseCommands::chooser()
{
    if (!m_chooser)
        m_chooser = new TSelectDatabaseForm(m_ws, m_ws.dialogParent());
    return *m_chooser;
}

void DatabaseCommands::OpenModeClick()
{
    TSelectDatabaseForm &select = chooser();
    select.setMode(TSelectDatabaseForm::Mode::Open);
    // A cancelled chooser opens nothing and writes nothing.
    if (m_ws.execModal(select) != QDialog::Accepted || select.chosenName().isEmpty())
        return;
    m_ws.run([&] {
        m_ws.database().WriteLastOpened(select.chosenName());
        m_ws.database().OpenDatabase(select.chosenName());
    });
}

void DatabaseCommands::Datenbanklschen2Click()
{
    TSelectDatabaseForm &select = chooser();
    select.setMode(TSelectDatabaseForm::Mode::Delete);
    m_ws.execModal(select);
}

TSelectDatabaseForm *DatabaseCommands::SelectDatabaseForm() const
{
    return m_chooser;
}
