#pragma once

#include "app/AppFolders.h"
#include "app/ProductProfile.h"
#include "app/WheelTranslation.h"
#include "catalogue/Companion.h"
#include "platform/Platform.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class DatabaseView;
class MainDatabase;
class QDialog;
class QLabel;
class QWidget;
class Table;
class TDBGrid;

// What every command of the main window works with: the platform services,
// the parent of its windows, the open database, the folders and the product
// profile, the status bar, the rule for modal windows, help pages and the
// one guard that turns a store error into a message. The main window owns
// it; a subsystem's command class keeps a reference and nothing else of
// the main window.
class Workspace : public QObject
{
    Q_OBJECT
public:
    Workspace(Platform platform, ProductProfile profile, AppFolders folders);

    // Set once by the main window while it builds itself.
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }
    void setDatabase(MainDatabase *database, DatabaseView *view);
    void setGrid(TDBGrid *grid) { m_grid = grid; }
    // statusText shows the progress line; statusBar is repainted with it.
    void setStatusBar(QLabel *statusText, QWidget *statusBar);

    Platform &platform() { return m_platform; }
    UserInterface &ui() { return m_platform.ui; }
    QWidget *dialogParent() const { return m_dialogParent; }
    const AppFolders &folders() const { return m_folders; }
    const ProductProfile &profile() const { return m_profile; }
    MainDatabase &database() const { return *m_database; }
    // The main window's grid; null without one.
    TDBGrid *grid() const { return m_grid; }
    // The grid's columns in display order (empty without a grid).
    QList<GridColumn> gridColumns() const;

    // Whether the Outlook session of this run started (the Outlook import
    // is offered only then). Set by the main window at start.
    bool outlookSessionStarted() const { return m_outlookSessionStarted; }
    void setOutlookSessionStarted(bool started) { m_outlookSessionStarted = started; }

    // The open table, or null.
    Table *table() const;
    // The open table; without one it shows "Zuerst Datenbank öffnen!" and
    // gives null, and the command ends.
    Table *requireTable();

    // The one-line progress text of the status bar.
    void setStatusText(const QString &text);
    QString statusText() const;
    // A progress text painted at once, also while a walk holds the GUI thread.
    void showProgress(const QString &text);
    // StatusPanel: the open table's record count + " Datensätze".
    void showRecordCount();

    // The wheel translation of the main window and the rule for modal
    // windows over it: while a rule lives, the wheel behaves normally.
    WheelTranslation &wheelTranslation() { return m_wheel; }
    // Shows a window modally under the rule for modal windows.
    int execModal(QDialog &dialog);
    // Shows a window modally with the wheel translation left as it is (the
    // commands that do not follow the rule).
    int execKeepingWheel(QDialog &dialog);
    // Replaces how execModal shows a window (tests script the window
    // instead of entering its event loop); null restores the default.
    void setModalRunner(std::function<int(QDialog &)> runner) { m_modalRunner = std::move(runner); }

    // Help folder + the profile's main help page, and a page by name.
    QString helpPagePath() const;
    QString helpPagePath(const QString &page) const;
    // Picture folder + the profile's wizard picture.
    QString wizardPicturePath() const;
    // Opens a page of the help folder; the shell's failure is reported.
    void openHelpPage(const QString &page);
    void openMainHelp();

    // Runs one command: a store error (or any other exception) ends the
    // command with its message instead of escaping into Qt; false then.
    bool run(const std::function<void()> &command);

signals:
    // showRecordCount wrote this count.
    void recordCountShown(int count);

private:
    Platform m_platform;
    ProductProfile m_profile;
    AppFolders m_folders;
    QPointer<QWidget> m_dialogParent;
    MainDatabase *m_database = nullptr;
    DatabaseView *m_view = nullptr;
    TDBGrid *m_grid = nullptr;
    std::function<int(QDialog &)> m_modalRunner;
    QPointer<QLabel> m_statusText;
    QPointer<QWidget> m_statusBar;
    WheelTranslation m_wheel;
    qint64 m_lastProgressPaint = 0;
    bool m_outlookSessionStarted = false;
};

// Clears the status bar text when a command ends, also by an error.
class StatusCleared
{
public:
    explicit StatusCleared(Workspace &workspace) : m_workspace(workspace) {}
    ~StatusCleared() { m_workspace.setStatusText(QString()); }
    StatusCleared(const StatusCleared &) = delete;
    StatusCleared &operator=(const StatusCleared &) = delete;

private:
    Workspace &m_workspace;
};
