#pragma once

#include "ProgramFolder.h"
#include "TestTable.h"
#include "app/AppFolders.h"
#include "app/ProductProfile.h"
#include "app/SystemInfo.h"
#include "app/Workspace.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "platform/ScriptedPlatform.h"
#include "view/DBGrid.h"
#include "view/DatabaseView.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QWidget>

// What a command class needs, without the main window: a fresh program
// folder from the installation data, the platform doubles, the open-database
// state with a grid, labels and preset box, and the Workspace over them.
// The folders are computed as at start (the letters folder below the
// scripted documents folder; nothing is created there).
struct TestWorkspace
{
    ProgramFolder folder;
    ScriptedPlatform scripted;
    QWidget window;
    TDBGrid *grid = new TDBGrid(&window);
    QLabel *databaseLabel = new QLabel(&window);
    QLabel *statusPanel = new QLabel(&window);
    QComboBox *presetBox = new QComboBox(&window);
    QStatusBar *statusBar = new QStatusBar(&window);
    QLabel *statusText = new QLabel(statusBar);
    MainDatabase database;
    DatabaseView view{database, {grid, databaseLabel, statusPanel, presetBox}};
    Workspace workspace;

    // edition: "SB" (form letters) or "DB" (database edition).
    // ui replaces the scripted user interface where a test brings its own.
    explicit TestWorkspace(const QString &edition = QStringLiteral("SB"),
                           UserInterface *ui = nullptr)
        : database(ui ? *ui : scripted.ui(), folder.path(), folder.dataPath()),
          workspace(platformWith(ui), ProductProfile::ForEdition(edition),
                    AppFolders::Compute(folder.path(), SystemInfo::Compute(scripted.folders(),
                                                                           scripted.registry())))
    {
        workspace.setDialogParent(&window);
        workspace.setGrid(grid);
        workspace.setDatabase(&database, &view);
        workspace.setStatusBar(statusText, statusBar);
        database.ReadCatalogue();
    }

    // Opens a database of the catalogue; the stock one without a name.
    void open(const QString &descriptor = QStringLiteral("Database.ini"))
    {
        database.OpenDatabase(descriptor);
    }

    // Opens the stock database on a table made of these fields and records
    // instead of the stock one, standing on its first record; definition
    // lines, when given, replace the stock field definition file.
    Table &openWith(const QList<TestTable::Record> &records,
                    const QList<FieldDef> &fields = addressFields(),
                    const QList<IndexDef> &indexes = addressIndexes(),
                    const QStringList &definitionLines = {})
    {
        if (!definitionLines.isEmpty())
            folder.writeLines(QStringLiteral("Data/Database.pro"), definitionLines);
        {
            Table made;
            TestTable::create(made, folder.dataPath() + QStringLiteral("Database.DB"), records,
                              fields, indexes);
        }
        open();
        Table &t = *database.table();
        t.first();
        return t;
    }

    // Adds a database "name" (copies of the stock files) and reads the catalogue again.
    void addDatabase(const QString &display, const QString &name)
    {
        folder.addDatabase(display, name);
        database.ReadCatalogue();
    }

private:
    Platform platformWith(UserInterface *ui)
    {
        Platform p = scripted.platform();
        return ui ? Platform{*ui, p.shell, p.registry, p.folders, p.clipboard} : p;
    }
};
