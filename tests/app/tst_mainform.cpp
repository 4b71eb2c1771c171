#include "AddressTable.h"
#include "ProgramFolder.h"
#include "app/InfoForm.h"
#include "app/MainForm.h"
#include "app/WerbungForm.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "platform/LockFile.h"
#include "platform/ScriptedPlatform.h"
#include "util/LineFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <iostream>

using Kind = ScriptedUserInterface::Kind;

namespace {

const QString InUseMessage =
    QStringLiteral("Datenbank ist in Benutzung durch einen andern Benutzer!\n\nBitte warten Sie "
                   "bis der andere Benutzer die Datenbank wieder geschlossen hat!");

// A scripted user interface that behaves like a real message box towards
// the window: the box takes the activation while it is up.
class ActivationStealingUi : public ScriptedUserInterface
{
public:
    QWidget *window = nullptr;
    void error(const QString &text) override
    {
        ScriptedUserInterface::error(text);
        if (window) {
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(window, &deactivate);
        }
    }
};

void activate(QWidget *window)
{
    QEvent e(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &e);
}

void deactivate(QWidget *window)
{
    QEvent e(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(window, &e);
}

// A program folder copied from the installation, the scripted services and
// the edition the program was started as.
struct Fixture
{
    ProgramFolder folder;
    ScriptedPlatform scripted;
    QString executable = QStringLiteral("Lorvane_DB");

    QString userData()
    {
        return scripted.folders().applicationData() + QStringLiteral("/VARNHOLT/Lorvane/");
    }
    QString letters()
    {
        return scripted.folders().documents() + QStringLiteral("/Lorvane Serienbrief/");
    }
    void writeNoWer()
    {
        QDir().mkpath(userData());
        QFile f(userData() + QStringLiteral("NoWer.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    // A table file ready before start; the open sequence then uses it as it is.
    void makeTable(const QString &name, int people, QList<FieldDef> fields = addressFields())
    {
        const QString path = folder.dataPath() + name + QStringLiteral(".DB");
        Table::create(path, fields, addressIndexes());
        Table t;
        t.setTableName(path);
        t.open();
        for (int i = 1; i <= people; ++i)
            addRecord(t, {{QStringLiteral("Name"), QStringLiteral("Person %1").arg(i)}});
    }
    std::unique_ptr<MainForm> start() { return start(scripted.platform()); }
    std::unique_ptr<MainForm> start(Platform platform)
    {
        return std::make_unique<MainForm>(
            platform, ProductProfile::Compute(executable, folder.path()),
            SystemInfo::Compute(scripted.folders(), scripted.registry()), folder.path());
    }
    QStringList tableFiles() const
    {
        return QDir(folder.dataPath()).entryList({QStringLiteral("*.db")}, QDir::Files);
    }
};

// Records the key presses reaching the grid and the wheel turns reaching
// its viewport (a turn the viewport leaves may travel on to the grid).
class Recorder : public QObject
{
public:
    explicit Recorder(QTableView *grid) : m_viewport(grid->viewport())
    {
        grid->installEventFilter(this);
        m_viewport->installEventFilter(this);
    }
    QStringList seen;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            seen << (key == Qt::Key_Up     ? QStringLiteral("Up")
                     : key == Qt::Key_Down ? QStringLiteral("Down")
                                           : QStringLiteral("key"));
        } else if (event->type() == QEvent::Wheel && watched == m_viewport) {
            seen << QStringLiteral("wheel");
        }
        return false;
    }

private:
    QObject *m_viewport;
};

void turnWheel(QWidget *target, QPoint angle)
{
    const QPointF pos(5, 5);
    QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// Runs action on the modal window that is expected to come up.
void onModal(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, [action] {
        if (QWidget *w = QApplication::activeModalWidget())
            action(w);
    });
}

} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void editionDecidesWindow_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("databaseEdition");
        QTest::newRow("database") << "/opt/Lorvane_DB"
                                  << "Lorvane Datenbank" << true;
        QTest::newRow("form letters") << "/opt/Lorvane"
                                      << "Lorvane Serienbrief" << false;
    }

    void editionDecidesWindow()
    {
        QFETCH(QString, executable);
        QFETCH(bool, databaseEdition);
        Fixture f;
        f.executable = executable;
        auto form = f.start();
        QTEST(form->windowTitle(), "title");
        QCOMPARE(form->DBBottomButtonsPanel->isHidden(), !databaseEdition);
        QCOMPARE(form->SBBottomButtonsPanel->isHidden(), databaseEdition);
        QVERIFY(!form->Image1->pixmap().isNull());
        QVERIFY(!form->checkedPicture().isNull());
        QVERIFY(!form->uncheckedPicture().isNull());
        QVERIFY(f.scripted.ui().entries().isEmpty());
    }

    void databaseMenusFollowCatalogue_data()
    {
        QTest::addColumn<int>("extraDatabases");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("stock database only") << 0 << false;
        QTest::newRow("one more database") << 1 << true;
    }

    void databaseMenusFollowCatalogue()
    {
        QFETCH(int, extraDatabases);
        QFETCH(bool, enabled);
        Fixture f;
        if (extraDatabases > 0)
            f.folder.addDatabase(QStringLiteral("Kunden"), QStringLiteral("Kunden"));
        auto form = f.start();
        QCOMPARE(form->database().catalogueLines().size(), 2 + extraDatabases);
        QCOMPARE(form->Datenbankffnen2->isEnabled(), enabled);
        QCOMPARE(form->Datenbanklschen2->isEnabled(), enabled);
        QCOMPARE(form->Datenbankffnen2->shortcut(), QKeySequence(Qt::Key_F12));
    }

    void startOpensLastDatabase_data()
    {
        QTest::addColumn<QStringList>("lastOpened"); // empty: no file
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("count");
        const QString stock = QStringLiteral("Geöffnete Datenbank: Adressen (Standard)");
        const QString kunden = QStringLiteral("Geöffnete Datenbank: Kunden");
        QTest::newRow("no file") << QStringList() << stock << "0 Datensätze";
        QTest::newRow("named, with blanks")
            << QStringList{" Kunden.ini "} << kunden << "2 Datensätze";
        QTest::newRow("blank first line")
            << QStringList{"  ", "Kunden.ini"} << stock << "0 Datensätze";
        QTest::newRow("empty file") << QStringList{""} << stock << "0 Datensätze";
        QTest::newRow("database gone") << QStringList{"Weg.ini"} << stock << "0 Datensätze";
    }

    void startOpensLastDatabase()
    {
        QFETCH(QStringList, lastOpened);
        Fixture f;
        f.folder.addDatabase(QStringLiteral("Kunden"), QStringLiteral("Kunden"));
        f.makeTable(QStringLiteral("Kunden"), 2);
        if (!lastOpened.isEmpty())
            f.folder.writeLines(QStringLiteral("LastopenDB.inc"), lastOpened);
        auto form = f.start();
        QTEST(form->DatabaseLabel->text(), "label");
        QTEST(form->StatusPanel->text(), "count");
        QVERIFY(form->database().table() && form->database().table()->isOpen());
        QVERIFY(f.scripted.ui().entries().isEmpty());
        QVERIFY(!form->endedAtStart());
    }

    void staleLockFilesAreRemoved()
    {
        Fixture f;
        for (const char *name : {"Pdoxusrs.net", "PARADOX.LCK", "Pdoxusrs.lck"})
            f.folder.writeBytes(QStringLiteral("Data/") + QLatin1String(name), "x");
        auto form = f.start();
        QVERIFY(f.scripted.ui().entries().isEmpty());
        QVERIFY(!form->endedAtStart());
        QVERIFY(!QFile::exists(f.folder.dataPath() + QStringLiteral("Pdoxusrs.net")));
        QVERIFY(!QFile::exists(f.folder.dataPath() + QStringLiteral("Pdoxusrs.lck")));
        QVERIFY(!QFile::exists(f.folder.dataPath() + QStringLiteral("PARADOX.LCK")));
        QCOMPARE(form->StatusPanel->text(), QStringLiteral("0 Datensätze"));
    }

    void lockHeldByAnotherProcessEndsStart()
    {
        Fixture f;
        f.writeNoWer();
        QProcess other;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LORVANE_APP_CHILD"), f.folder.dataPath());
        other.setProcessEnvironment(env);
        other.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(other.waitForReadyRead(10000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("held"));

        auto form = f.start();
        QVERIFY(form->endedAtStart());
        QCOMPARE(f.scripted.ui().texts(), QStringList{InUseMessage});
        QCOMPARE(f.scripted.ui().entries().first().kind, Kind::Information);
        QVERIFY(!form->database().table());
        QCOMPARE(f.tableFiles(), QStringList());
        QCOMPARE(form->DatabaseLabel->text(), QString());
        QVERIFY(!form->isVisible());

        other.kill();
        other.waitForFinished();
        // Once the other program is gone, the next start goes ahead.
        f.scripted.ui().clear();
        auto next = f.start();
        QVERIFY(!next->endedAtStart());
        QVERIFY(next->database().table());
        QVERIFY(f.scripted.ui().entries().isEmpty());
    }

    void secondInstanceSeesTheFirst()
    {
        Fixture f;
        f.writeNoWer();
        auto first = f.start();
        QVERIFY(first->database().table());
        // The same folder from another process: the test binary as a second program.
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LORVANE_APP_PROBE"), f.folder.dataPath());
        second.setProcessEnvironment(env);
        second.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.readAll().trimmed(), QByteArray("in use"));
        first->close();
        second.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.readAll().trimmed(), QByteArray("free"));
    }

    void serienbriefIniCheckedOnActivation()
    {
        Fixture f;
        ActivationStealingUi ui;
        Platform platform{ui, f.scripted.shell(), f.scripted.registry(), f.scripted.folders(),
                          f.scripted.clipboard()};
        const QString message = QStringLiteral("Inifile ") + f.folder.path() +
                                QStringLiteral("Serienbrief.ini not found!");
        auto form = f.start(platform);
        ui.window = form.get();

        activate(form.get());
        QVERIFY(ui.entries().isEmpty());

        QVERIFY(QFile::remove(f.folder.filePath(QStringLiteral("Serienbrief.ini"))));
        deactivate(form.get());
        activate(form.get());
        QCOMPARE(ui.texts(Kind::Error), QStringList{message});
        // The message box took the activation; getting it back is no new cycle.
        activate(form.get());
        QCOMPARE(ui.texts(Kind::Error).size(), 1);
        // A dialog coming and going is.
        deactivate(form.get());
        activate(form.get());
        QCOMPARE(ui.texts(Kind::Error), (QStringList{message, message}));
    }

    void outlookSwitch()
    {
        Fixture f;
        const QString marker = f.folder.filePath(QStringLiteral("nooutlook.ini"));
        QFile::copy(f.folder.filePath(QStringLiteral("ver.ini")), marker);
        auto form = f.start();
        QVERIFY(form->OhneOutlookIntegrationstarten1->isChecked());
        QVERIFY(!form->OutlookSessionStarted());

        form->OhneOutlookIntegrationstarten1->trigger();
        QVERIFY(!QFile::exists(marker));
        QVERIFY(!form->OhneOutlookIntegrationstarten1->isChecked());
        QVERIFY(!form->OutlookSessionStarted()); // counts from the next start

        form->OhneOutlookIntegrationstarten1->trigger();
        QVERIFY(form->OhneOutlookIntegrationstarten1->isChecked());
        QCOMPARE(f.folder.readBytes(QStringLiteral("nooutlook.ini")),
                 f.folder.readBytes(QStringLiteral("ver.ini")));

        // Without "ver.ini" the switch still works: only the file's presence counts.
        QFile::remove(marker);
        QFile::remove(f.folder.filePath(QStringLiteral("ver.ini")));
        form->OhneOutlookIntegrationstarten1->setChecked(false);
        form->OhneOutlookIntegrationstarten1->trigger();
        QVERIFY(QFile::exists(marker));
        QVERIFY(form->OhneOutlookIntegrationstarten1->isChecked());
        QVERIFY(f.scripted.ui().entries().isEmpty());
    }

    void wheelBecomesKeyPress_data()
    {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<QString>("seen");
        QTest::newRow("away from the user") << QPoint(0, 120) << "Up";
        QTest::newRow("towards the user") << QPoint(0, -120) << "Down";
        QTest::newRow("no turn") << QPoint(0, 0) << "Down";
        QTest::newRow("fine turn") << QPoint(0, 15) << "Up";
        QTest::newRow("horizontal") << QPoint(120, 0) << "wheel";
    }

    void wheelBecomesKeyPress()
    {
        QFETCH(QPoint, angle);
        QFETCH(QString, seen);
        Fixture f;
        auto form = f.start();
        Recorder recorder(form->DBGrid1);

        turnWheel(form->DBGrid1->viewport(), angle);
        QCOMPARE(recorder.seen, QStringList{"wheel"}); // not before the window is shown

        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->DBGrid1->setFocus();
        QCOMPARE(QApplication::focusWidget(), form->DBGrid1);
        recorder.seen.clear();
        turnWheel(form->DBGrid1->viewport(), angle);
        QCOMPARE(recorder.seen, QStringList{seen});
    }

    void modalWindowRuleSuspendsTranslation()
    {
        Fixture f;
        f.writeNoWer();
        auto form = f.start();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->DBGrid1->setFocus();
        Recorder recorder(form->DBGrid1);
        {
            ModalWindowRule outer(form->wheelTranslation());
            {
                ModalWindowRule inner(form->wheelTranslation());
            }
            turnWheel(form->DBGrid1->viewport(), QPoint(0, -120));
            QCOMPARE(recorder.seen, QStringList{"wheel"});
        }
        recorder.seen.clear();
        turnWheel(form->DBGrid1->viewport(), QPoint(0, -120));
        QCOMPARE(recorder.seen, QStringList{"Down"});

        // The wheel moves the grid one record per notch.
        Table *table = form->database().table();
        for (int i = 1; i <= 3; ++i)
            addRecord(*table, {{QStringLiteral("Name"), QStringLiteral("P%1").arg(i)}});
        table->first();
        form->DBGrid1->setCurrentIndex(form->DBGrid1->model()->index(0, 1));
        turnWheel(form->DBGrid1->viewport(), QPoint(0, -120));
        QCOMPARE(form->DBGrid1->currentIndex().row(), 1);
        turnWheel(form->DBGrid1->viewport(), QPoint(0, 120));
        QCOMPARE(form->DBGrid1->currentIndex().row(), 0);

        form->close();
        recorder.seen.clear();
        turnWheel(form->DBGrid1->viewport(), QPoint(0, -120));
        QCOMPARE(recorder.seen, QStringList{"wheel"});
    }

    void closeShowsAdvertisingUntilTicked()
    {
        Fixture f;
        QVERIFY(!QDir(f.userData()).exists());
        auto form = f.start();
        form->show();
        QStringList shown;
        onModal([&shown](QWidget *w) {
            shown << w->objectName();
            auto *box = w->findChild<QCheckBox *>(QStringLiteral("NoWerCheckBox"));
            QCOMPARE(box->text(), QStringLiteral("Tipp's nicht mehr anzeigen!"));
            box->setChecked(true);
            w->findChild<QPushButton *>(QStringLiteral("OKBitBtn"))->click();
        });
        QVERIFY(form->close());
        QCOMPARE(shown, QStringList{"WerbungForm"});
        QVERIFY(QFile::exists(f.userData() + QStringLiteral("NoWer.ini")));
        QCOMPARE(QFileInfo(f.userData() + QStringLiteral("NoWer.ini")).size(), 0);

        // From now on the window stays away.
        auto next = f.start();
        next->show();
        shown.clear();
        onModal([&shown](QWidget *w) {
            shown << w->objectName();
            w->close();
        });
        QVERIFY(next->close());
        QTest::qWait(20);
        QCOMPARE(shown, QStringList());
        QVERIFY(f.scripted.ui().entries().isEmpty());
    }

    void advertisingWithoutTickComesAgain()
    {
        Fixture f;
        auto form = f.start();
        onModal([](QWidget *w) { w->close(); });
        QVERIFY(form->close());
        QVERIFY(!QFile::exists(f.userData() + QStringLiteral("NoWer.ini")));
    }

    void closingPostsPendingEdit_data()
    {
        QTest::addColumn<bool>("inserting");
        QTest::newRow("new record") << true;
        QTest::newRow("changed record") << false;
    }

    void closingPostsPendingEdit()
    {
        QFETCH(bool, inserting);
        Fixture f;
        f.writeNoWer();
        f.makeTable(QStringLiteral("Database"), 1);
        auto form = f.start();
        Table *table = form->database().table();
        if (inserting)
            table->append();
        else
            table->edit();
        table->fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Neu"));
        form->show();
        QVERIFY(form->close());
        QVERIFY(f.scripted.ui().entries().isEmpty());

        Table check;
        check.setTableName(f.folder.dataPath() + QStringLiteral("Database.DB"));
        check.open();
        QCOMPARE(check.recordCount(), inserting ? 2 : 1);
        check.last();
        QCOMPARE(check.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Neu"));
    }

    void refusedPostLetsTheUserChoose()
    {
        Fixture f;
        f.writeNoWer();
        QList<FieldDef> fields = addressFields();
        for (FieldDef &d : fields)
            if (d.name == QLatin1String("Name"))
                d.required = true;
        f.makeTable(QStringLiteral("Database"), 0, fields);
        auto form = f.start();
        form->show();
        Table *table = form->database().table();
        table->append();
        table->fieldByName(QStringLiteral("Vorname")).setAsString(QStringLiteral("Ohne Name"));

        f.scripted.ui().queueConfirm(false);
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(table->state(), Table::State::Insert);
        QCOMPARE(f.scripted.ui().entries().size(), 1);
        QCOMPARE(f.scripted.ui().entries().first().kind, Kind::Confirm);
        QVERIFY(f.scripted.ui().entries().first().text.startsWith(
            QStringLiteral("Feld „Name“ muss einen Wert haben.")));

        f.scripted.ui().queueConfirm(true);
        QVERIFY(form->close());
        QVERIFY(!f.scripted.ui().ranDry());
        Table check;
        check.setTableName(f.folder.dataPath() + QStringLiteral("Database.DB"));
        check.open();
        QCOMPARE(check.recordCount(), 0);
    }

    void templatesBecomeReadOnly()
    {
        Fixture f;
        QDir().mkpath(f.letters());
        for (const char *name : {"Brief.odt", "Etiketten.odt", "Eigener Brief.odt"}) {
            QFile doc(f.letters() + QLatin1String(name));
            QVERIFY(doc.open(QIODevice::WriteOnly));
        }
        WriteLineFile(f.letters() + QStringLiteral("Vorlagen.ini"),
                      {QStringLiteral(" Brief.odt "), QString(), QStringLiteral("Fehlt.odt"),
                       QStringLiteral("Etiketten.odt")});
        auto form = f.start();
        const auto writable = [&f](const char *name) {
            return bool(QFileInfo(f.letters() + QLatin1String(name)).permissions() &
                        (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
        };
        QVERIFY(!writable("Brief.odt"));
        QVERIFY(!writable("Etiketten.odt"));
        QVERIFY(writable("Eigener Brief.odt"));
        QVERIFY(QFileInfo(f.letters()).permissions() & QFile::WriteOwner);
        QVERIFY(!QFile::exists(f.letters() + QStringLiteral("Fehlt.odt")));
        QVERIFY(f.scripted.ui().entries().isEmpty());
    }

    void firstAndLastRecord()
    {
        Fixture f;
        f.makeTable(QStringLiteral("Database"), 3);
        auto form = f.start();
        Table *table = form->database().table();
        QCOMPARE(table->position(), 2); // opened on the last record
        form->FirstButton->click();
        QCOMPARE(table->position(), 0);
        QCOMPARE(table->fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Person 1"));
        form->LastButton->click();
        QCOMPARE(table->position(), 2);
        QVERIFY(f.scripted.ui().entries().isEmpty());

        form->database().CloseTables();
        form->FirstButton->click();
        QCOMPARE(f.scripted.ui().texts(Kind::Information),
                 QStringList{QStringLiteral("Zuerst Datenbank öffnen!")});
    }

    void helpOpensLocalPage_data()
    {
        QTest::addColumn<bool>("shellWorks");
        QTest::newRow("opened") << true;
        QTest::newRow("nothing starts") << false;
    }

    void helpOpensLocalPage()
    {
        QFETCH(bool, shellWorks);
        Fixture f;
        auto form = f.start();
        f.scripted.shell().setDefaultResult(shellWorks);
        form->Hilfedatei1->trigger();
        const QString page = f.folder.path() + QStringLiteral("helpSB/help.html");
        QVERIFY(QFile::exists(page));
        QVERIFY(!f.scripted.shell().calls().isEmpty());
        QCOMPARE(f.scripted.shell().calls().first().target, page);
        QCOMPARE(f.scripted.ui().texts(Kind::Plain),
                 shellWorks ? QStringList()
                            : QStringList{QStringLiteral(
                                  "Unable to start internet browser! Make sure you have it "
                                  "properly set-up on your system!")});
    }

    void informationWindow()
    {
        Fixture f;
        f.folder.writeLines(QStringLiteral("ver.ini"), {QStringLiteral("3.1.4")});
        auto form = f.start();
        InfoForm *info = form->InfoForm1;
        QVERIFY(info && info->isHidden());
        QCOMPARE(info->TitleLabel->text(), QStringLiteral("Lorvane Datenbank"));
        QVERIFY(info->VersionLabel->text().contains(QStringLiteral("3.1.4")));
        QVERIFY(!info->AboutImage->pixmap().isNull());

        emit info->ProductLinkLabel->linkActivated(form->profile().productPage);
        QCOMPARE(f.scripted.shell().calls().size(), 1);
        QCOMPARE(f.scripted.shell().calls().first().target, form->profile().productPage);

        // Info is modal under the rule for modal windows.
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        bool translated = true;
        onModal([&](QWidget *w) {
            translated = form->wheelTranslation().isInstalled();
            w->close();
        });
        form->Info1->trigger();
        QVERIFY(!translated);
        QVERIFY(form->wheelTranslation().isInstalled());
    }

    void exitShortcutCloses()
    {
        Fixture f;
        f.writeNoWer();
        auto form = f.start();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(form->Beenden1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        QTest::keyClick(form.get(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible());
    }
};

// The other program of the cross-process tests.
static int runOther()
{
    const QString held = qEnvironmentVariable("LORVANE_APP_CHILD");
    if (!held.isEmpty()) {
        LockFile lock;
        if (!lock.acquire(held))
            return 1;
        std::cout << "held" << std::endl;
        QThread::sleep(60);
        return 0;
    }
    const QString probe = qEnvironmentVariable("LORVANE_APP_PROBE");
    std::cout << (LockFile::removeStale(probe) ? "free" : "in use") << std::endl;
    return 0;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("LORVANE_APP_CHILD") ||
        qEnvironmentVariableIsSet("LORVANE_APP_PROBE"))
        return runOther();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    MainFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainform.moc"
