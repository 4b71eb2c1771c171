#pragma once

#include "ProgramFolder.h"
#include "app/AppFolders.h"
#include "app/ProductProfile.h"
#include "app/Workspace.h"
#include "catalogue/MainDatabase.h"
#include "platform/ScriptedPlatform.h"
#include "view/DatabaseView.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QWidget>

// What a command class needs, without the main window: a fresh program
// folder from the installation data, the platform doubles, the open-database
// state with a grid, labels and preset box, and the Workspace over them.
// The letters and user data folders lie in the program folder (not created).
struct TestWorkspace
{
    ProgramFolder folder;
    ScriptedPlatform scripted;
    QWidget window;
    QTableView *grid = new QTableView(&window);
    QLabel *databaseLabel = new QLabel(&window);
    QLabel *statusPanel = new QLabel(&window);
    QComboBox *presetBox = new QComboBox(&window);
    QStatusBar *statusBar = new QStatusBar(&window);
    QLabel *statusText = new QLabel(statusBar);
    MainDatabase database{scripted.ui(), folder.path(), folder.dataPath()};
    DatabaseView view{database, {grid, databaseLabel, statusPanel, presetBox}};
    Workspace workspace;

    // edition: "SB" (form letters) or "DB" (database edition).
    explicit TestWorkspace(const QString &edition = QStringLiteral("SB"))
        : workspace(scripted.platform(), ProductProfile::ForEdition(edition), foldersOf(folder))
    {
        workspace.setDialogParent(&window);
        workspace.setDatabase(&database, &view);
        workspace.setStatusBar(statusText, statusBar);
        database.ReadCatalogue();
    }

    // Opens a database of the catalogue; the stock one without a name.
    void open(const QString &descriptor = QStringLiteral("Database.ini"))
    {
        database.OpenDatabase(descriptor);
    }

    // Adds a database "name" (copies of the stock files) and reads the catalogue again.
    void addDatabase(const QString &display, const QString &name)
    {
        folder.addDatabase(display, name);
        database.ReadCatalogue();
    }

private:
    static AppFolders foldersOf(const ProgramFolder &folder)
    {
        AppFolders f;
        f.programFolder = folder.path();
        f.dataFolder = folder.dataPath();
        f.imagesFolder = folder.path() + QStringLiteral("Images/");
        f.pictureFolder = folder.path() + QStringLiteral("recomSB/");
        f.helpFolder = folder.path() + QStringLiteral("helpSB/");
        f.userDataFolder = folder.path() + QStringLiteral("UserData/");
        f.lettersFolder = folder.path() + QStringLiteral("Letters/");
        return f;
    }
};
