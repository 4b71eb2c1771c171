#include "app/MainForm.h"

#include "app/InfoForm.h"
#include "app/WerbungForm.h"
#include "app/WrapLayout.h"
#include "catalogue/DatabaseCommands.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "letters/FormLetters.h"
#include "platform/LockFile.h"
#include "platform/UserInterface.h"
#include "search/FilterExpression.h"
#include "search/SearchCommands.h"
#include "util/LineFile.h"
#include "util/Paths.h"
#include "util/ShellHelpers.h"
#include "util/Words.h"
#include "view/DatabaseView.h"
#include "view/EditorCommands.h"
#include "view/GridCommands.h"
#include "view/MarkingCommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace {

enum class Glyph { Search, Filter, MarkWording, SelectAll, UnselectAll };

// Small drawn pictures for the control bar; no icon theme is needed.
QIcon glyphIcon(Glyph glyph)
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x2b, 0x4c, 0x7e);
    p.setPen(QPen(ink, 2));
    switch (glyph) {
    case Glyph::Search:
        p.drawEllipse(QRectF(3, 3, 12, 12));
        p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(21, 21));
        break;
    case Glyph::Filter: {
        QPainterPath funnel;
        funnel.moveTo(3, 4);
        funnel.lineTo(21, 4);
        funnel.lineTo(14, 12);
        funnel.lineTo(14, 20);
        funnel.lineTo(10, 18);
        funnel.lineTo(10, 12);
        funnel.closeSubpath();
        p.setBrush(QColor(0xc8, 0xd8, 0xf0));
        p.drawPath(funnel);
        break;
    }
    case Glyph::MarkWording: {
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(11);
        p.setFont(f);
        p.drawText(QRectF(0, 1, 24, 12), Qt::AlignCenter, QStringLiteral("abc"));
        p.setPen(QPen(QColor(0x1e, 0x8c, 0x3c), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(10, 21), QPointF(18, 13)}));
        break;
    }
    case Glyph::SelectAll:
    case Glyph::UnselectAll:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 3, 13, 13));
        p.drawRect(QRectF(3, 8, 13, 13));
        if (glyph == Glyph::SelectAll) {
            p.setPen(QPen(QColor(0x1e, 0x8c, 0x3c), 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPolyline(QPolygonF({QPointF(5, 14), QPointF(8, 18), QPointF(14, 10)}));
        }
        break;
    }
    return QIcon(pm);
}

QToolButton *toolButton(const char *name, Glyph glyph, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(glyphIcon(glyph));
    b->setIconSize(QSize(24, 24));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    return b;
}

QPushButton *panelButton(const char *name, const QString &caption, QWidget *panel)
{
    auto *b = new QPushButton(caption, panel);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::NoFocus); // the grid keeps the keyboard
    panel->layout()->addWidget(b);
    return b;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption,
                  const QKeySequence &shortcut = {})
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

QMenu *menu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *m = bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

MainForm::MainForm(Platform platform, ProductProfile profile, SystemInfo system,
                   const QString &programFolder, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_profile(std::move(profile)),
      m_system(std::move(system)), m_folders(AppFolders::Compute(programFolder, m_system)),
      m_workspace(m_platform, m_profile, m_folders)
{
    setObjectName(QStringLiteral("MainForm"));
    buildMenus();
    buildControls();
    disableLaterCommands();
    m_db = std::make_unique<MainDatabase>(m_platform.ui, m_folders.programFolder,
                                          m_folders.dataFolder);
    m_dbView = std::make_unique<DatabaseView>(
        *m_db, DatabaseView::Widgets{DBGrid1, DatabaseLabel, StatusPanel, ComboBox1});
    m_workspace.setDialogParent(this);
    m_workspace.setDatabase(m_db.get(), m_dbView.get());
    m_workspace.setStatusBar(m_statusText, AdvOfficeStatusBar1);
    m_workspace.setGrid(DBGrid1);
    DBGrid1->setUserInterface(&m_platform.ui);
    // The grid's side exists before the first database opens.
    m_gridCommands = std::make_unique<GridCommands>(m_workspace);
    FormCreate();
    if (!m_endedAtStart)
        CreateWindows();
}

MainForm::~MainForm()
{
    wheelTranslation().remove();
    // The commands refer to the database and the grid; then the view goes,
    // which refers to the grid and labels, and last the tables.
    m_letters.reset();
    m_searchCommands.reset();
    m_editorCommands.reset();
    m_markingCommands.reset();
    m_databaseCommands.reset();
    m_gridCommands.reset();
    m_dbView.reset();
    m_db.reset();
}

void MainForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    Programm1 = menu(bar, "Programm1", QStringLiteral("&Programm"));
    Serienbrieferstellen1 = menuItem(Programm1, "Serienbrieferstellen1",
                                     QStringLiteral("Serienbrief schreiben"), Qt::Key_F9);
    SerienEmailschreiben1 = menuItem(Programm1, "SerienEmailschreiben1",
                                     QStringLiteral("Serienbrief drucken"), Qt::Key_F2);
    SerienEMail1 = menuItem(Programm1, "SerienEMail1", QStringLiteral("Serien E-Mail"));
    DatenstzeImportieren1 =
        menuItem(Programm1, "DatenstzeImportieren1", QStringLiteral("Datensätze importieren"));
    Datenstzeexportieren1 =
        menuItem(Programm1, "Datenstzeexportieren1", QStringLiteral("Datensätze exportieren"));
    Datenbankausdrucken1 =
        menuItem(Programm1, "Datenbankausdrucken1", QStringLiteral("Datenbank ausdrucken"));
    Programm1->addSeparator();
    Beenden1 = menuItem(Programm1, "Beenden1", QStringLiteral("Beenden"),
                        QKeySequence(Qt::ALT | Qt::Key_X));

    Bearbeiten1 = menu(bar, "Bearbeiten1", QStringLiteral("&Bearbeiten"));
    NewRec = menuItem(Bearbeiten1, "NewRec", QStringLiteral("&Neue Adresse eingeben"), Qt::Key_F5);
    EditRec = menuItem(Bearbeiten1, "EditRec", QStringLiteral("&Bearbeite vorhandene Adresse"),
                       Qt::Key_F4);
    DeleteRec = menuItem(Bearbeiten1, "DeleteRec", QStringLiteral("&Lösche vorhandene Adresse"),
                         Qt::Key_F8);
    Suchen1 = menuItem(Bearbeiten1, "Suchen1", QStringLiteral("&Suche nach Adresse"), Qt::Key_F3);

    Spezial1 = menu(bar, "Spezial1", QStringLiteral("&Spezial"));
    BearbeitenimGrid1 = menuItem(Spezial1, "BearbeitenimGrid1",
                                 QStringLiteral("&Datensätze in der Tabelle bearbeiten"));
    Filter1 = menuItem(Spezial1, "Filter1", QStringLiteral("&Filter"));
    OutlookmitderselektiertenEmailstarten1 =
        menuItem(Spezial1, "OutlookmitderselektiertenEmailstarten1",
                 QStringLiteral("Outlook mit der selektierten Email starten"));
    MarkierenvonIDbisID1 =
        menuItem(Spezial1, "MarkierenvonIDbisID1", QStringLiteral("Markieren von ID bis ID"));
    DatenbankWartungReparatur1 = menuItem(Spezial1, "DatenbankWartungReparatur1",
                                          QStringLiteral("Datenbank Wartung/Reparatur"));

    // A menu-bar entry that acts itself, without a drop-down.
    Grussormel1 = bar->addAction(QStringLiteral("Grußformel"));
    Grussormel1->setObjectName(QStringLiteral("Grussormel1"));

    Lschen1 = menu(bar, "Lschen1", QStringLiteral("&Löschen"));
    AllemarkiertenDatenstzelschen2 = menuItem(Lschen1, "AllemarkiertenDatenstzelschen2",
                                              QStringLiteral("Alle markierten Datensätze löschen"));
    Datenbankkomplettleeren1 =
        menuItem(Lschen1, "Datenbankkomplettleeren1", QStringLiteral("Datenbank komplett leeren"));
    SelektivesLschendoppelterDatenstze1 =
        menuItem(Lschen1, "SelektivesLschendoppelterDatenstze1",
                 QStringLiteral("Selektives Löschen doppelter Datensätze"));

    Datensicherung1 = menu(bar, "Datensicherung1", QStringLiteral("Datensicherung"));
    Backup2 = menuItem(Datensicherung1, "Backup2", QStringLiteral("Datenbank(en) sichern"));
    Restore1 =
        menuItem(Datensicherung1, "Restore1", QStringLiteral("Datenbank(en) wiederherstellen"));

    Datenbanken1 = menu(bar, "Datenbanken1", QStringLiteral("Datenbanken"));
    Datenbankffnen2 =
        menuItem(Datenbanken1, "Datenbankffnen2", QStringLiteral("Datenbank öffnen"), Qt::Key_F12);
    NeueDatenbankerzeugen1 = menuItem(Datenbanken1, "NeueDatenbankerzeugen1",
                                      QStringLiteral("Neue frei definierbare Datenbank erzeugen"));
    Datenbanklschen2 =
        menuItem(Datenbanken1, "Datenbanklschen2", QStringLiteral("Datenbank löschen"));
    Datentransfer1 = menuItem(Datenbanken1, "Datentransfer1",
                              QStringLiteral("Datentransfer zwischen den Datenbanken"));

    Hilfe1 = menu(bar, "Hilfe1", QStringLiteral("&Hilfe"));
    Hilfedatei1 = menuItem(Hilfe1, "Hilfedatei1", QStringLiteral("&Hilfedatei"));
    OhneOutlookIntegrationstarten1 = menuItem(Hilfe1, "OhneOutlookIntegrationstarten1",
                                              QStringLiteral("Ohne Outlook Integration starten"));
    OhneOutlookIntegrationstarten1->setCheckable(true);
    Update1 = menuItem(Hilfe1, "Update1", QStringLiteral("Update"));
    Info1 = menuItem(Hilfe1, "Info1", QStringLiteral("&Info"));

    connect(Beenden1, &QAction::triggered, this, &MainForm::Beenden1Click);
    connect(Hilfedatei1, &QAction::triggered, this, &MainForm::Hilfedatei1Click);
    connect(OhneOutlookIntegrationstarten1, &QAction::triggered, this,
            &MainForm::OhneOutlookIntegrationstarten1Click);
    connect(Info1, &QAction::triggered, this, &MainForm::Info1Click);
    // Updates are announced on the product page, which the information window links to.
    connect(Update1, &QAction::triggered, this, &MainForm::Info1Click);
}

void MainForm::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainPanel"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(Image1);

    ControllBar1 = new QWidget(central);
    ControllBar1->setObjectName(QStringLiteral("ControllBar1"));
    auto *bar = new QHBoxLayout(ControllBar1);
    bar->setContentsMargins(4, 2, 4, 2);
    SearchTB = toolButton("SearchTB", Glyph::Search,
                          QStringLiteral("Sucht nach Adressen in der Datenbank"), ControllBar1);
    ToolButton2 =
        toolButton("ToolButton2", Glyph::Filter,
                   QStringLiteral("Filtern von Adressen nach bestimmten Kriterien"), ControllBar1);
    ToolButton1 = toolButton("ToolButton1", Glyph::MarkWording,
                             QStringLiteral("Alle Datensätze mit folgendem Wortlaut markieren"),
                             ControllBar1);
    ComboBox1 = new QComboBox(ControllBar1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("Filtern der Datenbank nach vorgegeben Kriterien"));
    ComboBox1->setMaxVisibleItems(30);
    ComboBox1->setMinimumContentsLength(28);
    ComboBox1->setFocusPolicy(Qt::NoFocus);
    SelectAllTB = toolButton("SelectAllTB", Glyph::SelectAll,
                             QStringLiteral("alle Adressen markieren"), ControllBar1);
    UnselectAllTB = toolButton("UnselectAllTB", Glyph::UnselectAll,
                               QStringLiteral("alle Adressen unmarkieren"), ControllBar1);
    StatusPanel = new QLabel(ControllBar1);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFrameShape(QFrame::StyledPanel);
    StatusPanel->setFrameShadow(QFrame::Sunken);
    StatusPanel->setMinimumWidth(140);
    StatusPanel->setAlignment(Qt::AlignCenter);
    FirstButton = new QPushButton(QStringLiteral("erster Datensatz"), ControllBar1);
    FirstButton->setObjectName(QStringLiteral("FirstButton"));
    FirstButton->setToolTip(QStringLiteral("zum ersten Datensatz springen"));
    FirstButton->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    FirstButton->setFocusPolicy(Qt::NoFocus);
    LastButton = new QPushButton(QStringLiteral("letzter Datensatz"), ControllBar1);
    LastButton->setObjectName(QStringLiteral("LastButton"));
    LastButton->setToolTip(QStringLiteral("zum letzten Datensatz springen"));
    LastButton->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    LastButton->setFocusPolicy(Qt::NoFocus);
    for (QWidget *w : {static_cast<QWidget *>(SearchTB), static_cast<QWidget *>(ToolButton2),
                       static_cast<QWidget *>(ToolButton1), static_cast<QWidget *>(ComboBox1),
                       static_cast<QWidget *>(SelectAllTB), static_cast<QWidget *>(UnselectAllTB)})
        bar->addWidget(w);
    bar->addSpacing(12);
    bar->addWidget(StatusPanel);
    bar->addStretch(1);
    bar->addWidget(FirstButton);
    bar->addWidget(LastButton);
    layout->addWidget(ControllBar1);

    auto buttonPanel = [&](const char *name) {
        auto *panel = new QWidget(central);
        panel->setObjectName(QString::fromLatin1(name));
        auto *row = new WrapLayout(panel);
        row->setContentsMargins(4, 2, 4, 2);
        layout->addWidget(panel);
        return panel;
    };
    DBBottomButtonsPanel = buttonPanel("DBBottomButtonsPanel");
    BitBtn2 = panelButton("BitBtn2", QStringLiteral("Neue Adresse (F5)"), DBBottomButtonsPanel);
    BitBtn3 =
        panelButton("BitBtn3", QStringLiteral("Adresse bearbeiten (F4)"), DBBottomButtonsPanel);
    BitBtn9 = panelButton("BitBtn9", QStringLiteral("Adresse löschen (F8)"), DBBottomButtonsPanel);
    BitBtn4 = panelButton("BitBtn4", QStringLiteral("Suche (F3)"), DBBottomButtonsPanel);
    BitBtn13 = panelButton("BitBtn13", QStringLiteral("Filter"), DBBottomButtonsPanel);
    BitBtn10 = panelButton("BitBtn10", QStringLiteral("Mehrfach Filter"), DBBottomButtonsPanel);
    BitBtn6 = panelButton("BitBtn6", QStringLiteral("Adressen importieren"), DBBottomButtonsPanel);
    BitBtn11 = panelButton("BitBtn11", QStringLiteral("Outlook starten"), DBBottomButtonsPanel);
    BitBtn12 =
        panelButton("BitBtn12", QStringLiteral("Serienbrief schreiben (F9)"), DBBottomButtonsPanel);
    BitBtn5 =
        panelButton("BitBtn5", QStringLiteral("Serienbrief drucken (F2)"), DBBottomButtonsPanel);
    BitBtn8 = panelButton("BitBtn8", QStringLiteral("Serien E-Mail"), DBBottomButtonsPanel);
    BitBtn8->setToolTip(QStringLiteral("SendORA Serienmail benutzten"));

    SBBottomButtonsPanel = buttonPanel("SBBottomButtonsPanel");
    VorlageerstellenBitBtn =
        panelButton("VorlageerstellenBitBtn", QStringLiteral("Serienbrief schreiben (F9)"),
                    SBBottomButtonsPanel);
    MailBitBtn =
        panelButton("MailBitBtn", QStringLiteral("Serienbrief drucken (F2)"), SBBottomButtonsPanel);
    NewBitBtn = panelButton("NewBitBtn", QStringLiteral("Neue Adresse (F5)"), SBBottomButtonsPanel);
    EditBitBtn =
        panelButton("EditBitBtn", QStringLiteral("Adresse bearbeiten (F4)"), SBBottomButtonsPanel);
    ImportBitBtn =
        panelButton("ImportBitBtn", QStringLiteral("Adressen importieren"), SBBottomButtonsPanel);
    BitBtn1 = panelButton("BitBtn1", QStringLiteral("Suche (F3)"), SBBottomButtonsPanel);
    SerienmailBitBtn =
        panelButton("SerienmailBitBtn", QStringLiteral("Serien E-Mail"), SBBottomButtonsPanel);

    Panel2 = new QWidget(central);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto *panel2 = new QHBoxLayout(Panel2);
    panel2->setContentsMargins(6, 2, 6, 2);
    DatabaseLabel = new QLabel(Panel2);
    DatabaseLabel->setObjectName(QStringLiteral("DatabaseLabel"));
    QFont bold = DatabaseLabel->font();
    bold.setBold(true);
    DatabaseLabel->setFont(bold);
    panel2->addWidget(DatabaseLabel);
    layout->addWidget(Panel2);

    DBGrid1 = new TDBGrid(central);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setToolTip(QStringLiteral(
        "Klicken Sie doppelt auf die Spalte \"Selected\" um die Adressen zu markieren an die Sie "
        "ein eMail versenden wollen."));
    layout->addWidget(DBGrid1, 1);

    DBGridPopupMenu = new QMenu(DBGrid1);
    DBGridPopupMenu->setObjectName(QStringLiteral("DBGridPopupMenu"));
    OutlookStarten = menuItem(DBGridPopupMenu, "OutlookStarten",
                              QStringLiteral("Outlook mit der selektierten Email starten"));
    CopyDBGridToClipboard = menuItem(DBGridPopupMenu, "CopyDBGridToClipboard",
                                     QStringLiteral("Ausdruck ins Clipboard kopieren"));
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        DBGridPopupMenu->popup(DBGrid1->viewport()->mapToGlobal(pos));
    });

    AdvOfficeStatusBar1 = new QStatusBar(this);
    AdvOfficeStatusBar1->setObjectName(QStringLiteral("AdvOfficeStatusBar1"));
    m_statusText = new QLabel(AdvOfficeStatusBar1);
    m_statusText->setObjectName(QStringLiteral("AdvOfficeStatusBar1Text"));
    AdvOfficeStatusBar1->addWidget(m_statusText, 1);
    setStatusBar(AdvOfficeStatusBar1);

    setCentralWidget(central);
}

// Commands whose windows are not part of the program yet stay visible but
// disabled, so nothing pretends to work.
void MainForm::disableLaterCommands()
{
    const auto later = [](std::initializer_list<QObject *> controls) {
        for (QObject *o : controls) {
            if (auto *action = qobject_cast<QAction *>(o))
                action->setEnabled(false);
            else if (auto *widget = qobject_cast<QWidget *>(o))
                widget->setEnabled(false);
        }
    };
    // ImportDelimiterDatei1Click: import chooser.
    later({DatenstzeImportieren1, BitBtn6, ImportBitBtn});
    // Export chooser, print view.
    later({Datenstzeexportieren1, Datenbankausdrucken1});
    // Duplicates.
    later({SelektivesLschendoppelterDatenstze1});
    // Backup, restore, repair hand-off.
    later({Backup2, Restore1, DatenbankWartungReparatur1});
    // New database window; transfer window.
    later({NeueDatenbankerzeugen1, Datentransfer1});
}

void MainForm::FormCreate()
{
    // The folders are known from construction on. SQLite needs no shared
    // control directory, so the program folder is not handed to the store.

    const bool db = m_profile.isDatabaseEdition();
    SBBottomButtonsPanel->setVisible(!db);
    DBBottomButtonsPanel->setVisible(db);

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.topLeft());
        resize(area.width(), std::max(area.height() - 27, 200));
    }

    setWindowTitle(m_profile.title);
    Image1->setPixmap(QPixmap(m_folders.pictureFolder + m_profile.headerPicture));

    // The original face of the grid; where it is not installed the closest
    // sans-serif face stands in.
    QFont gridFont(QStringLiteral("Microsoft Sans Serif"), 8);
    gridFont.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    gridFont.setStyleHint(QFont::SansSerif);
    DBGrid1->setFont(gridFont);
    DBGrid1->horizontalHeader()->setFont(gridFont);

    runCommand([this] { m_db->ReadCatalogue(); });

    m_gridCommands->LoadCheckPictures(m_folders.imagesFolder);

    EnableDatabaseMenus();

    if (!LockFile::removeStale(m_folders.dataFolder)) {
        m_platform.ui.information(
            QStringLiteral("Datenbank ist in Benutzung durch einen andern Benutzer!\n\n"
                           "Bitte warten Sie bis der andere Benutzer die Datenbank wieder "
                           "geschlossen hat!"));
        m_endedAtStart = true;
        FormClose();
        m_closed = true;
        return;
    }

    QString descriptor = QStringLiteral("Database.ini");
    const QString lastOpened = m_folders.programFolder + QStringLiteral("LastopenDB.inc");
    if (QFile::exists(lastOpened)) {
        const QStringList lines = ReadLineFile(lastOpened);
        const QString named = lines.isEmpty() ? QString() : TrimControl(lines.first());
        // A database deleted behind the program's back leaves the stock one.
        if (!named.isEmpty() && QFile::exists(FindFileNoCase(m_folders.dataFolder, named)))
            descriptor = named;
    }
    runCommand([this, &descriptor] { m_db->OpenDatabase(descriptor); });

    ProtectTemplates();

    if (QFile::exists(m_folders.programFolder + QStringLiteral("nooutlook.ini")))
        OhneOutlookIntegrationstarten1->setChecked(true);
    else
        StartOutlookSession();
}

void MainForm::EnableDatabaseMenus()
{
    // The header line and the stock database alone leave nothing to choose.
    const bool choice = m_db->catalogueLines().size() > 2;
    Datenbankffnen2->setEnabled(choice);
    Datenbanklschen2->setEnabled(choice);
    // Datentransfer1 follows the same rule once the transfer window exists.
}

void MainForm::ProtectTemplates()
{
    if (m_folders.lettersFolder.isEmpty())
        return;
    const QString list = FindFileNoCase(m_folders.lettersFolder, QStringLiteral("Vorlagen.ini"));
    if (!QFileInfo(list).isFile())
        return;
    const QStringList lines = ReadLineFile(list);
    for (const QString &line : lines) {
        const QString name = TrimControl(line);
        if (name.isEmpty())
            continue; // would name the letters folder itself
        const QString path = FindFileNoCase(m_folders.lettersFolder, name);
        if (QFileInfo(path).isFile())
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup |
                                            QFile::ReadOther);
    }
}

void MainForm::StartOutlookSession()
{
    // Outlook's automation objects exist on Windows only; without them the
    // session is simply not there and the Outlook import is not offered.
    m_outlookSessionStarted = false;
    m_workspace.setOutlookSessionStarted(m_outlookSessionStarted);
}

// The command map: every menu item, button and grid event of this window
// calls a command of its subsystem's command class.
void MainForm::CreateWindows()
{
    InfoForm1 = new InfoForm(m_platform, m_profile, m_folders.pictureFolder, this);

    const auto onAction = [this](QAction *action, auto command) {
        connect(action, &QAction::triggered, this, command);
    };
    const auto onClick = [this](QAbstractButton *button, auto command) {
        connect(button, &QAbstractButton::clicked, this, command);
    };

    // Database chooser (open, delete).
    m_databaseCommands = std::make_unique<DatabaseCommands>(m_workspace);
    DatabaseCommands &database = *m_databaseCommands;
    onAction(Datenbankffnen2, [&database] { database.OpenModeClick(); });
    onAction(Datenbanklschen2, [&database] { database.Datenbanklschen2Click(); });

    // Search and filter.
    m_searchCommands = std::make_unique<SearchCommands>(m_workspace);
    SearchCommands &search = *m_searchCommands;
    onAction(Suchen1, [&search] { search.Suchen1Click(); });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{SearchTB, BitBtn4, BitBtn1})
        onClick(b, [&search] { search.SearchTBClick(); });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{ToolButton2, BitBtn13})
        onClick(b, [&search] { search.UniversalFilterTBClick(); });
    onAction(Filter1, [&search] { search.Filter1Click(); });
    connect(ComboBox1, &QComboBox::activated, this,
            [&search](int index) { search.ComboBox1Change(index); });
    connect(&search, &SearchCommands::filterSwitched, this,
            [this](bool on) { BitBtn13->setToolTip(FilterButtonHint(on)); });
    BitBtn13->setToolTip(FilterButtonHint(false));

    // The record editor; "Bearbeiten (F4)" and "Löschen (F8)" of the search
    // window act as the menu commands do.
    m_editorCommands = std::make_unique<EditorCommands>(m_workspace);
    EditorCommands &editor = *m_editorCommands;
    onAction(NewRec, [&editor] { editor.NewRecord(); });
    onAction(EditRec, [&editor] { editor.EditRecord(); });
    onAction(DeleteRec, [&editor] { editor.DeleteRecord(); });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{BitBtn2, NewBitBtn})
        onClick(b, [&editor] { editor.NewRecord(); });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{BitBtn3, EditBitBtn})
        onClick(b, [&editor] { editor.EditRecord(); });
    onClick(BitBtn9, [&editor] { editor.DeleteRecord(); });
    connect(&search, &SearchCommands::editRecordRequested, EditRec, &QAction::trigger);
    connect(&search, &SearchCommands::deleteRecordRequested, DeleteRec, &QAction::trigger);
    BitBtn2->setToolTip(QStringLiteral("Neue Adresse in die Datenbank eingeben"));
    NewBitBtn->setToolTip(QStringLiteral("Neue Adresse in die Datenbank eingeben"));
    BitBtn3->setToolTip(QStringLiteral("Vorhandenen Adresse in der Datenbank bearbeiten"));
    EditBitBtn->setToolTip(QStringLiteral("Vorhandenen Adresse in der Datenbank bearbeiten"));
    BitBtn9->setToolTip(QStringLiteral("Vorhandenen Adresse in der Datenbank löschen"));

    // The grid.
    GridCommands &grid = *m_gridCommands;
    onClick(FirstButton, [&grid] { grid.FirstButtonClick(); });
    onClick(LastButton, [&grid] { grid.LastButtonClick(); });
    connect(DBGrid1, &TDBGrid::dblClick, this, [&editor] { editor.DBGrid1DblClick(); });
    connect(DBGrid1, &TDBGrid::keyDown, this, &MainForm::DBGrid1KeyDown);

    // Marking and the bulk commands.
    m_markingCommands = std::make_unique<MarkingCommands>(m_workspace);
    MarkingCommands &marking = *m_markingCommands;
    DoIDForm1 = marking.DoIDForm();
    onClick(SelectAllTB, [&marking] { marking.SelectAllTBClick(); });
    onClick(UnselectAllTB, [&marking] { marking.UnselectAllTBClick(); });
    onAction(MarkierenvonIDbisID1, [&marking] { marking.MarkierenvonIDbisID1Click(); });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{ToolButton1, BitBtn10})
        onClick(b, [&marking] { marking.ToolButton1Click(); });
    onAction(AllemarkiertenDatenstzelschen2,
             [&marking] { marking.AllemarkiertenDatenstzelschen2Click(); });
    onAction(Datenbankkomplettleeren1, [&marking] { marking.Datenbankkomplettleeren1Click(); });
    onAction(CopyDBGridToClipboard, [&marking] { marking.CopyDBGridToClipboardClick(); });
    BitBtn10->setToolTip(QStringLiteral("Filtern von Adressen nach bestimmten Kriterien"));
    BearbeitenimGrid1->setCheckable(true);
    onAction(BearbeitenimGrid1, &MainForm::BearbeitenimGrid1Click);

    // Form letters and the e-mail hand-off; the wizards follow the rule for
    // modal windows themselves.
    m_letters = std::make_unique<FormLetters>(m_workspace);
    FormLetters &letters = *m_letters;
    const auto guarded = [this](auto command) {
        return [this, command] { m_workspace.run(command); };
    };
    onAction(SerienEmailschreiben1, guarded([&letters] { letters.MailBitBtnClick(); }));
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{BitBtn5, MailBitBtn})
        onClick(b, guarded([&letters] { letters.MailBitBtnClick(); }));
    onAction(Serienbrieferstellen1, guarded([&letters] { letters.VorlageerstellenBitBtnClick(); }));
    for (QAbstractButton *b :
         std::initializer_list<QAbstractButton *>{BitBtn12, VorlageerstellenBitBtn})
        onClick(b, guarded([&letters] { letters.VorlageerstellenBitBtnClick(); }));
    onAction(Grussormel1, guarded([&letters] { letters.Grussormel1Click(); }));
    for (QAction *a : {OutlookmitderselektiertenEmailstarten1, OutlookStarten})
        onAction(a, guarded([&letters] { letters.OutlookEMailBitBtnClick(); }));
    onClick(BitBtn11, guarded([&letters] { letters.OutlookEMailBitBtnClick(); }));
    onAction(SerienEMail1, guarded([&letters] { letters.SerienmailBitBtnClick(); }));
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{BitBtn8, SerienmailBitBtn})
        onClick(b, guarded([&letters] { letters.SerienmailBitBtnClick(); }));

    werbungForm();
}

WerbungForm &MainForm::werbungForm()
{
    // The lock check at start may close before the other windows exist.
    if (!WerbungForm1)
        WerbungForm1 = new WerbungForm(m_platform, m_profile, m_folders.pictureFolder,
                                       m_folders.userDataFolder, this);
    return *WerbungForm1;
}

bool MainForm::runCommand(const std::function<void()> &command)
{
    return m_workspace.run(command);
}

void MainForm::SetStatusText(const QString &text)
{
    m_workspace.setStatusText(text);
}

QString MainForm::statusText() const
{
    return m_workspace.statusText();
}

bool MainForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    else if (event->type() == QEvent::WindowDeactivate)
        m_deactivatedByIniMessage = m_showingIniMessage;
    return QMainWindow::event(event);
}

void MainForm::FormActivate()
{
    const bool causedByMessage = m_showingIniMessage || m_deactivatedByIniMessage;
    m_deactivatedByIniMessage = false;
    if (causedByMessage || m_closed)
        return;
    if (QFile::exists(m_folders.programFolder + QStringLiteral("Serienbrief.ini")))
        return;
    m_showingIniMessage = true;
    m_platform.ui.error(QStringLiteral("Inifile ") + m_folders.programFolder +
                        QStringLiteral("Serienbrief.ini not found!"));
    m_showingIniMessage = false;
}

void MainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    wheelTranslation().install();
}

void MainForm::closeEvent(QCloseEvent *event)
{
    if (m_closed || FormClose()) {
        m_closed = true;
        wheelTranslation().remove();
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainForm::FormClose()
{
    if (m_db->hasTable())
        runCommand([this] { m_db->SaveOpenLayout(); });

    // The catalogue and descriptor lines go with the database state.

    if (Table *table = m_db->table();
        table && (table->state() == Table::State::Edit || table->state() == Table::State::Insert)) {
        try {
            table->post();
        } catch (const TableError &e) {
            // Nothing is dropped silently: the user decides.
            if (!m_platform.ui.confirm(
                    e.message() +
                    QStringLiteral("\n\nDer geänderte Datensatz kann nicht gespeichert werden. "
                                   "Wollen Sie das Programm trotzdem beenden? Die Änderung geht "
                                   "dann verloren.")))
                return false;
            runCommand([table] { table->cancel(); });
        }
    }

    if (m_folders.userDataFolder.isEmpty() ||
        !QFile::exists(m_folders.userDataFolder + QStringLiteral("NoWer.ini")))
        werbungForm().exec();

    runCommand([this] { m_db->CloseTables(); });
    return true;
}

void MainForm::Beenden1Click()
{
    close();
}

void MainForm::Hilfedatei1Click()
{
    m_workspace.openMainHelp();
}

void MainForm::OhneOutlookIntegrationstarten1Click()
{
    const QString marker = m_folders.programFolder + QStringLiteral("nooutlook.ini");
    if (QFile::exists(marker)) {
        if (!QFile::remove(marker))
            m_platform.ui.error(QStringLiteral("Die Datei %1 kann nicht gelöscht werden.")
                                    .arg(QDir::toNativeSeparators(marker)));
    } else {
        // Only the file's presence counts; without "ver.ini" an empty one does.
        bool made = QFile::copy(m_folders.programFolder + QStringLiteral("ver.ini"), marker);
        if (!made) {
            QFile file(marker);
            made = file.open(QIODevice::WriteOnly);
        }
        if (!made)
            m_platform.ui.error(QStringLiteral("Die Datei %1 kann nicht angelegt werden.")
                                    .arg(QDir::toNativeSeparators(marker)));
    }
    // The session of this run stays as it is; the setting counts from the next start.
    OhneOutlookIntegrationstarten1->setChecked(QFile::exists(marker));
}

void MainForm::Info1Click()
{
    m_workspace.execModal(*InfoForm1);
}

const QPixmap &MainForm::checkedPicture() const
{
    return m_gridCommands->checkedPicture();
}

const QPixmap &MainForm::uncheckedPicture() const
{
    return m_gridCommands->uncheckedPicture();
}

void MainForm::BearbeitenimGrid1Click()
{
    if (!m_workspace.requireTable()) {
        BearbeitenimGrid1->setChecked(GridEditing);
        return;
    }
    GridEditing = !GridEditing;
    BearbeitenimGrid1->setChecked(GridEditing);
    DBGrid1->setInPlaceEditing(GridEditing);
    DBGrid1->setFontColor(GridEditing ? QColor(Qt::blue) : QColor(Qt::black));
    DBGrid1->setFocus();
}

void MainForm::DBGrid1KeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !GridEditing) {
        event->accept();
        m_editorCommands->DBGrid1DblClick();
        return;
    }
    if (event->key() == Qt::Key_F && event->modifiers() == Qt::ControlModifier) {
        event->accept();
        m_searchCommands->Suchen1Click();
    }
}
