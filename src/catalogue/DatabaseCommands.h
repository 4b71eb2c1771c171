#pragma once

#include <QObject>
#include <QPointer>

class TSelectDatabaseForm;
class Workspace;

// The database commands of the main window: the chooser in open and delete
// mode. The chooser is made on first use and lives until the program ends.
class DatabaseCommands : public QObject
{
    Q_OBJECT
public:
    explicit DatabaseCommands(Workspace &workspace);
    ~DatabaseCommands() override;

    // "Datenbank öffnen" (F12): opens the chosen database and remembers it.
    void OpenModeClick();
    // "Datenbank löschen": the deleting happens inside the chooser.
    void Datenbanklschen2Click();

    TSelectDatabaseForm *SelectDatabaseForm() const;

private:
    TSelectDatabaseForm &chooser();

    Workspace &m_ws;
    QPointer<TSelectDatabaseForm> m_chooser;
};
