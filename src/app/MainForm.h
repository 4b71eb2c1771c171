#pragma once

#include "app/AppFolders.h"
#include "app/ProductProfile.h"
#include "app/SystemInfo.h"
#include "app/WheelTranslation.h"
#include "app/Workspace.h"
#include "platform/Platform.h"
#include "view/DBGrid.h"

#include <QMainWindow>
#include <QPixmap>

#include <functional>
#include <memory>

class DatabaseCommands;
class EditorCommands;
class FormLetters;
class GridCommands;
class InfoForm;
class MarkingCommands;
class SearchCommands;
class DatabaseView;
class MainDatabase;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTableView;
class QToolButton;
class TDoIDForm;
class WerbungForm;

// The main window (TMainForm): owns the application state (folders, profile,
// platform services, the open database, the check-mark pictures, the Outlook
// flag) and holds the command map. Every other window is created once by it
// and reads its state directly.
//
// Controls keep their system names as member and object names so that the
// other windows and the tests find them.
class MainForm : public QMainWindow
{
    Q_OBJECT
public:
    // programFolder ends with a separator; the folders below it, the user
    // data folder and the letters folder are computed from it and system.
    MainForm(Platform platform, ProductProfile profile, SystemInfo system,
             const QString &programFolder, QWidget *parent = nullptr);
    ~MainForm() override;

    // True when start-up found the database in use by another user: the
    // close sequence has already run and the window must not be shown.
    bool endedAtStart() const { return m_endedAtStart; }

    Platform &platform() { return m_platform; }
    // What the commands of every subsystem work with.
    Workspace &workspace() { return m_workspace; }
    const ProductProfile &profile() const { return m_profile; }
    const SystemInfo &systemInfo() const { return m_system; }
    const AppFolders &folders() const { return m_folders; }
    MainDatabase &database() { return *m_db; }
    DatabaseView &databaseView() { return *m_dbView; }
    WheelTranslation &wheelTranslation() { return m_workspace.wheelTranslation(); }

    // The commands of the subsystems; null only when start-up ended early
    // (the grid's commands exist from construction on).
    DatabaseCommands *databaseCommands() const { return m_databaseCommands.get(); }
    GridCommands *gridCommands() const { return m_gridCommands.get(); }
    MarkingCommands *markingCommands() const { return m_markingCommands.get(); }
    EditorCommands *editorCommands() const { return m_editorCommands.get(); }
    SearchCommands *searchCommands() const { return m_searchCommands.get(); }
    FormLetters *letters() const { return m_letters.get(); }

    // The check-mark pictures "True.bmp" and "False.bmp" of the Images folder.
    const QPixmap &checkedPicture() const;
    const QPixmap &uncheckedPicture() const;

    // No Outlook automation exists off Windows, so this stays false there.
    bool OutlookSessionStarted() const { return m_outlookSessionStarted; }

    // The one command guard of the Workspace.
    bool runCommand(const std::function<void()> &command);

    // The one-line progress text of AdvOfficeStatusBar1.
    void SetStatusText(const QString &text);
    QString statusText() const;

    // Start-up step: open, delete and transfer need a choice of databases.
    void EnableDatabaseMenus();
    // Makes the templates listed in the letters folder's "Vorlagen.ini" read-only.
    void ProtectTemplates();

    // --- handlers of this window ---
    void Beenden1Click();
    void Hilfedatei1Click();
    void OhneOutlookIntegrationstarten1Click();
    void Info1Click();
    // "Datensätze in der Tabelle bearbeiten": in-place editing on and off.
    void BearbeitenimGrid1Click();
    // The space bar toggles like a double click unless editing in place;
    // Ctrl+F opens the search window.
    void DBGrid1KeyDown(QKeyEvent *event);

    // In-place editing in the grid is on.
    bool GridEditing = false;

    // --- controls ---
    QLabel *Image1 = nullptr;
    QWidget *ControllBar1 = nullptr;
    QToolButton *SearchTB = nullptr;
    QToolButton *ToolButton2 = nullptr;
    QToolButton *ToolButton1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QToolButton *SelectAllTB = nullptr;
    QToolButton *UnselectAllTB = nullptr;
    QLabel *StatusPanel = nullptr;
    QPushButton *FirstButton = nullptr;
    QPushButton *LastButton = nullptr;

    QWidget *DBBottomButtonsPanel = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn9 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn13 = nullptr;
    QPushButton *BitBtn10 = nullptr;
    QPushButton *BitBtn6 = nullptr;
    QPushButton *BitBtn11 = nullptr;
    QPushButton *BitBtn12 = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QPushButton *BitBtn8 = nullptr;

    QWidget *SBBottomButtonsPanel = nullptr;
    QPushButton *VorlageerstellenBitBtn = nullptr;
    QPushButton *MailBitBtn = nullptr;
    QPushButton *NewBitBtn = nullptr;
    QPushButton *EditBitBtn = nullptr;
    QPushButton *ImportBitBtn = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *SerienmailBitBtn = nullptr;

    QWidget *Panel2 = nullptr;
    QLabel *DatabaseLabel = nullptr;
    TDBGrid *DBGrid1 = nullptr;
    QMenu *DBGridPopupMenu = nullptr;
    QAction *OutlookStarten = nullptr;
    QAction *CopyDBGridToClipboard = nullptr;
    QStatusBar *AdvOfficeStatusBar1 = nullptr;

    // --- menu bar MainMenu1 ---
    QMenu *Programm1 = nullptr;
    QAction *Serienbrieferstellen1 = nullptr;
    QAction *SerienEmailschreiben1 = nullptr;
    QAction *SerienEMail1 = nullptr;
    QAction *DatenstzeImportieren1 = nullptr;
    QAction *Datenstzeexportieren1 = nullptr;
    QAction *Datenbankausdrucken1 = nullptr;
    QAction *Beenden1 = nullptr;
    QMenu *Bearbeiten1 = nullptr;
    QAction *NewRec = nullptr;
    QAction *EditRec = nullptr;
    QAction *DeleteRec = nullptr;
    QAction *Suchen1 = nullptr;
    QMenu *Spezial1 = nullptr;
    QAction *BearbeitenimGrid1 = nullptr;
    QAction *Filter1 = nullptr;
    QAction *OutlookmitderselektiertenEmailstarten1 = nullptr;
    QAction *MarkierenvonIDbisID1 = nullptr;
    QAction *DatenbankWartungReparatur1 = nullptr;
    QAction *Grussormel1 = nullptr;
    QMenu *Lschen1 = nullptr;
    QAction *AllemarkiertenDatenstzelschen2 = nullptr;
    QAction *Datenbankkomplettleeren1 = nullptr;
    QAction *SelektivesLschendoppelterDatenstze1 = nullptr;
    QMenu *Datensicherung1 = nullptr;
    QAction *Backup2 = nullptr;
    QAction *Restore1 = nullptr;
    QMenu *Datenbanken1 = nullptr;
    QAction *Datenbankffnen2 = nullptr;
    QAction *NeueDatenbankerzeugen1 = nullptr;
    QAction *Datenbanklschen2 = nullptr;
    QAction *Datentransfer1 = nullptr;
    QMenu *Hilfe1 = nullptr;
    QAction *Hilfedatei1 = nullptr;
    QAction *OhneOutlookIntegrationstarten1 = nullptr;
    QAction *Update1 = nullptr;
    QAction *Info1 = nullptr;

    // --- the other windows, created once, hidden ---
    InfoForm *InfoForm1 = nullptr;
    WerbungForm *WerbungForm1 = nullptr;
    TDoIDForm *DoIDForm1 = nullptr;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    void disableLaterCommands();

    void FormCreate();
    void FormActivate();
    void StartOutlookSession();
    // The subsystems' command classes and the command map that calls them.
    void CreateWindows();
    WerbungForm &werbungForm();
    // The close sequence; false when the window has to stay open because a
    // pending record could not be stored.
    bool FormClose();

    Platform m_platform;
    ProductProfile m_profile;
    SystemInfo m_system;
    AppFolders m_folders;
    Workspace m_workspace;
    std::unique_ptr<MainDatabase> m_db;
    std::unique_ptr<DatabaseView> m_dbView;
    std::unique_ptr<GridCommands> m_gridCommands;
    std::unique_ptr<DatabaseCommands> m_databaseCommands;
    std::unique_ptr<MarkingCommands> m_markingCommands;
    std::unique_ptr<EditorCommands> m_editorCommands;
    std::unique_ptr<SearchCommands> m_searchCommands;
    std::unique_ptr<FormLetters> m_letters;
    QLabel *m_statusText = nullptr;
    bool m_outlookSessionStarted = false;
    bool m_endedAtStart = false;
    bool m_closed = false;
    // Closing our own "Serienbrief.ini" message re-activates the window; that
    // activation must not show the message again.
    bool m_showingIniMessage = false;
    bool m_deactivatedByIniMessage = false;
};
