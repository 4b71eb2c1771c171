#pragma once

#include "app/AppFolders.h"
#include "app/ProductProfile.h"
#include "app/SystemInfo.h"
#include "app/WheelTranslation.h"
#include "app/Workspace.h"
#include "platform/Platform.h"
#include "view/EdForm.h"
#include "view/ThemedDBGrid.h"

#include <QMainWindow>
#include <QPixmap>
#include <QSet>

#include <functional>
#include <memory>

class FormLetters;
class TFilterForm;
class TVNH_DB_SearchForm;
struct FilterContext;
class InfoForm;
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
class SelectDatabaseForm;
class TDoIDForm;
class TFilter2Form;
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
    // The form-letter commands; null only when start-up ended early.
    FormLetters *letters() const { return m_letters.get(); }
    WheelTranslation &wheelTranslation() { return m_workspace.wheelTranslation(); }

    // The check-mark pictures "True.bmp" and "False.bmp" of the Images folder.
    const QPixmap &checkedPicture() const { return m_checkedPicture; }
    const QPixmap &uncheckedPicture() const { return m_uncheckedPicture; }

    // No Outlook automation exists off Windows, so this stays false there.
    bool OutlookSessionStarted() const { return m_outlookSessionStarted; }

    // Runs one command: a table store error (or any other exception) ends
    // the command with its message instead of escaping into Qt. False then.
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
    void FirstButtonClick();
    void LastButtonClick();
    // The search window on the current record (F3, Ctrl+F in the grid).
    void Suchen1Click();
    // The database chooser in open and delete mode (MainFormDatabase.cpp).
    void OpenModeClick();
    void Datenbanklschen2Click();
    // The grid (MainFormGrid.cpp).
    void DBGrid1DrawColumnCell(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index);
    void DBGrid1TitleClick(int column);
    void ResetTitleFonts();
    void DBGrid1DblClick();
    void DBGrid1KeyDown(QKeyEvent *event);
    // Marking and bulk operations (MainFormMarking.cpp).
    void SelectAllTBClick();
    void UnselectAllTBClick();
    // One statement on the open table file; false when it failed.
    bool SetBooleanFieldBySql(const QString &fieldName, bool value);
    void MarkierenvonIDbisID1Click();
    void ToolButton1Click();
    void AllemarkiertenDatenstzelschen2Click();
    void Datenbankkomplettleeren1Click();
    void BearbeitenimGrid1Click();
    void CopyDBGridToClipboardClick();
    // The record editor (MainFormEditorCommands.cpp).
    void NewRecord();
    void EditRecord();
    void DeleteRecord();

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
    // The database chooser; made by its own code on first use, owned
    // through the Qt parent.
    SelectDatabaseForm *SelectDatabaseForm1 = nullptr;
    TVNH_DB_SearchForm *VNH_DB_SearchForm = nullptr;
    TFilterForm *FilterForm = nullptr;
    TEdForm *EdForm1 = nullptr;
    TDoIDForm *DoIDForm1 = nullptr;
    TFilter2Form *Filter2Form1 = nullptr;

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
    void CreateWindows();
    WerbungForm &werbungForm();
    // Form letters and e-mail hand-off (MainFormLetters.cpp).
    void CreateLetterWindows();
    // Search window, filter window and presets (MainFormSearch.cpp).
    void CreateSearchWindows();
    // The grid's events, the marking windows and commands, the editor.
    void ConnectGrid();
    void CreateMarkingWindows();
    void CreateEditorWindow();
    void MarkAll(bool value);
    void ShowEditor(TEditorMode mode);
    // A progress text painted at once, also while a walk holds the GUI thread.
    void ShowProgress(const QString &text);
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
    std::unique_ptr<FormLetters> m_letters;
    std::unique_ptr<FilterContext> m_filterContext;
    QLabel *m_statusText = nullptr;
    QPixmap m_checkedPicture;
    QPixmap m_uncheckedPicture;
    // Fields the definition file calls "ftBoolean": their cells show the pictures.
    QSet<QString> m_booleanFields;
    bool m_outlookSessionStarted = false;
    bool m_endedAtStart = false;
    bool m_closed = false;
    // Closing our own "Serienbrief.ini" message re-activates the window; that
    // activation must not show the message again.
    bool m_showingIniMessage = false;
    bool m_deactivatedByIniMessage = false;
};
