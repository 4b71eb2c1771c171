#include "MergeTable.h"
#include "ProgramFolder.h"
#include "TestWorkspace.h"
#include "letters/FormLetters.h"
#include "letters/GrussformelForm.h"
#include "letters/MailquestionsForm.h"
#include "letters/NoSendoraForm.h"
#include "letters/OpenOrNewForm.h"
#include "letters/SerialMail.h"
#include "platform/ScriptedPlatform.h"
#include "util/LineFile.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QQueue>
#include <QtTest>

using Kind = ScriptedUserInterface::Kind;

namespace {

const QFile::Permissions ReadOnly =
    QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;

// Owner, group and others only: the "user" bits describe whoever runs the
// test, and root may always write.
QFile::Permissions modeOf(const QString &path)
{
    return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}
const QFile::Permissions ReadOnlyMode = ReadOnly & ~QFile::ReadUser;
const QStringList Templates = {QStringLiteral("Brief-Vorlage.doc"),
                               QStringLiteral("Adress-Etikett.doc"),
                               QStringLiteral("Briefumschlag.doc")};
const QString NoLetters =
    QStringLiteral("Keine Serienbriefe gefunden! Bitte schreiben Sie zuerst einen Serienbrief!");

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

void writeFile(const QString &path, const QByteArray &bytes = "doc")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The letters folder as it shows while the own-documents dialog is up.
class WatchingUserInterface : public ScriptedUserInterface
{
public:
    QString lettersFolder;
    QStringList filesDuringDialog;
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override
    {
        filesDuringDialog = filesIn(lettersFolder);
        return ScriptedUserInterface::openFileName(caption, folder, filter);
    }
};

// Stands in for the modal loop: shows the window, runs the next scripted
// step on it (none: Escape) and returns its result.
struct ModalScript
{
    QStringList shown;
    QQueue<std::function<void(QDialog &)>> steps;

    int operator()(QDialog &dialog)
    {
        shown << dialog.objectName();
        dialog.setResult(0);
        dialog.show();
        if (!steps.isEmpty())
            steps.dequeue()(dialog);
        if (dialog.isVisible())
            QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    }
};

std::function<void(QDialog &)> click(const QString &name)
{
    return [name](QDialog &d) {
        auto *button = d.findChild<QAbstractButton *>(name);
        QVERIFY2(button, qPrintable(name));
        button->click();
    };
}

} // namespace

class LettersTest : public QObject
{
    Q_OBJECT

    // One world per test: platform doubles, program folder, letters folder,
    // an address table and the commands.
    // The workspace's open table with the merge fields Anrede and Name.
    struct Addresses
    {
        Table &table;
        void add(bool marked, const QStringList &values)
        {
            table.append();
            table.fieldByName(QStringLiteral("Selected")).setAsBoolean(marked);
            for (int i = 0; i < values.size(); ++i)
                table.field(5 + i).setAsString(values.at(i));
            table.post();
        }
    };

    struct World
    {
        WatchingUserInterface ui;
        TestWorkspace ws{QStringLiteral("SB"), &ui};
        ScriptedPlatform &scripted = ws.scripted;
        ProgramFolder &program = ws.folder;
        Addresses addresses{openAddresses(ws)};
        ModalScript modal;
        QString letters = ws.workspace.folders().lettersFolder;
        std::unique_ptr<FormLetters> commands;

        World()
        {
            QDir().mkpath(letters);
            ui.lettersFolder = letters;
            for (const QString &name : Templates) {
                writeFile(letters + name);
                QFile::setPermissions(letters + name, ReadOnly);
            }
            WriteLineFile(letters + QStringLiteral("Vorlagen.ini"), Templates);
            ws.workspace.setModalRunner([this](QDialog &d) { return modal(d); });
            commands = std::make_unique<FormLetters>(ws.workspace);
        }

        static Table &openAddresses(TestWorkspace &ws)
        {
            const QList<FieldDef> fields =
                MergeTable::fieldsWith({QStringLiteral("Anrede"), QStringLiteral("Name")});
            return ws.openWith({}, fields, MergeTable::indexes(),
                               MergeTable::definitionLines(fields));
        }

        QString dataFile()
        {
            return scripted.folders().home() + QStringLiteral("/MyLetters/Serienbrief.txt");
        }
    };

    static void verifyTemplatesBack(const QString &letters)
    {
        for (const QString &name : Templates) {
            QVERIFY2(QFile::exists(letters + name), qPrintable(name));
            QCOMPARE(modeOf(letters + name), ReadOnlyMode);
        }
        QVERIFY(QDir(letters).entryList({QStringLiteral("*.bak")}, QDir::Files).isEmpty());
    }

private slots:
    void greetingWindowLoadsAndSaves()
    {
        World w;
        // Another editor's blanks around "|", and only three lines.
        w.program.writeLines(QStringLiteral("Grussformel.txt"),
                             {QStringLiteral("Herr | Sehr geehrter Herr"),
                              QStringLiteral("|Sehr geehrte Damen und Herren"),
                              QStringLiteral("Frau|Sehr geehrte Frau")});
        TGrussformelForm &form = *w.commands->GrussformelForm();
        form.findChild<QLineEdit *>(QStringLiteral("Edit8"))->setText(QStringLiteral("vorher"));

        w.modal.steps.enqueue([](QDialog &d) {
            const auto edit = [&d](const QString &name) { return d.findChild<QLineEdit *>(name); };
            QCOMPARE(edit(QStringLiteral("Edit1"))->text(), QStringLiteral("Herr "));
            QCOMPARE(edit(QStringLiteral("Edit_1"))->text(), QStringLiteral(" Sehr geehrter Herr"));
            QCOMPARE(edit(QStringLiteral("Edit2"))->text(),
                     QStringLiteral("Sehr geehrte Damen und Herren"));
            QCOMPARE(edit(QStringLiteral("Edit_2"))->text(), QString());
            QCOMPARE(edit(QStringLiteral("Edit3"))->text(), QStringLiteral("Frau"));
            for (int n = 4; n <= 8; ++n) {
                QCOMPARE(edit(QStringLiteral("Edit%1").arg(n))->text(), QString());
                QCOMPARE(edit(QStringLiteral("Edit_%1").arg(n))->text(), QString());
            }
            edit(QStringLiteral("Edit5"))->setText(QStringLiteral("  Familie "));
            edit(QStringLiteral("Edit_5"))->setText(QStringLiteral(" Liebe Familie"));
            edit(QStringLiteral("Edit7"))->setText(QStringLiteral("Firma"));
            click(QStringLiteral("OKBitBtn"))(d);
        });
        w.commands->Grussormel1Click();

        QCOMPARE(w.modal.shown, QStringList{QStringLiteral("GrussformelForm")});
        QVERIFY(w.ui.entries().isEmpty());
        QCOMPARE(w.program.readBytes(QStringLiteral("Grussformel.txt")),
                 QByteArray("Herr|Sehr geehrter Herr\r\n"
                            "Sehr geehrte Damen und Herren|\r\n"
                            "Frau|Sehr geehrte Frau\r\n"
                            "|\r\n"
                            "Familie|Liebe Familie\r\n"
                            "|\r\n"
                            "Firma|\r\n"
                            "|\r\n"));
    }

    void greetingWindowClosesWithoutWriting_data()
    {
        QTest::addColumn<QString>("closeWith");
        QTest::newRow("Abbrechen") << QStringLiteral("AbbrechenBitBtn");
        QTest::newRow("Escape") << QString();
    }

    void greetingWindowClosesWithoutWriting()
    {
        QFETCH(QString, closeWith);
        World w;
        const QByteArray before = w.program.readBytes(QStringLiteral("Grussformel.txt"));
        QVERIFY(!before.isEmpty());
        w.modal.steps.enqueue([closeWith](QDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("Damen"));
            if (!closeWith.isEmpty())
                click(closeWith)(d);
        });
        w.commands->Grussormel1Click();
        QCOMPARE(w.program.readBytes(QStringLiteral("Grussformel.txt")), before);
    }

    void openOwnLetterWithoutOwnDocuments_data()
    {
        QTest::addColumn<QStringList>("ownFiles");
        QTest::addColumn<QStringList>("expectedFiles");
        const QStringList back = QStringList(Templates) << QStringLiteral("Vorlagen.ini");
        QTest::newRow("only the templates") << QStringList() << back;
        QTest::newRow("a .bak of the user's")
            << QStringList{QStringLiteral("Mein Brief.bak")}
            << QStringList(back) + QStringList{QStringLiteral("Mein Brief.doc")};
    }

    void openOwnLetterWithoutOwnDocuments()
    {
        QFETCH(QStringList, ownFiles);
        QFETCH(QStringList, expectedFiles);
        World w;
        for (const QString &name : ownFiles)
            writeFile(w.letters + name, "eigener Brief");
        w.addresses.add(true, {QStringLiteral("Herr"), QStringLiteral("Muster")});

        w.commands->OpenOwnLetter();

        QCOMPARE(w.ui.texts(), QStringList{NoLetters});
        QCOMPARE(w.ui.entries().first().kind, Kind::Information);
        QVERIFY(w.scripted.shell().calls().isEmpty());
        expectedFiles.sort();
        QCOMPARE(filesIn(w.letters), expectedFiles);
        verifyTemplatesBack(w.letters);
        for (const QString &name : ownFiles) {
            const QString doc = w.letters + QString(name).replace(QStringLiteral(".bak"), ".doc");
            QCOMPARE(modeOf(doc), ReadOnlyMode);
            QCOMPARE(readAll(doc), QByteArray("eigener Brief"));
        }
        // The data file is written all the same.
        QCOMPARE(readAll(w.dataFile()),
                 QByteArray("Anrede|Name|\r\nSehr geehrter Herr|Muster|\r\n"));
    }

    void openOwnLetterHidesTemplatesWhileChoosing_data()
    {
        QTest::addColumn<bool>("shellStarts");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("word processor starts") << true << QStringList();
        QTest::newRow("word processor fails")
            << false << QStringList{QStringLiteral("Unable to start Word!")};
    }

    void openOwnLetterHidesTemplatesWhileChoosing()
    {
        QFETCH(bool, shellStarts);
        QFETCH(QStringList, messages);
        World w;
        writeFile(w.letters + QStringLiteral("Einladung.doc"));
        w.addresses.add(true, {QStringLiteral("Frau"), QStringLiteral("Muster")});
        w.scripted.shell().setDefaultResult(shellStarts);
        w.ui.queueOpenFileName(w.letters + QStringLiteral("Einladung.doc"));

        w.commands->OpenOwnLetter();

        QCOMPARE(
            w.ui.filesDuringDialog,
            (QStringList{QStringLiteral("Adress-Etikett.bak"), QStringLiteral("Brief-Vorlage.bak"),
                         QStringLiteral("Briefumschlag.bak"), QStringLiteral("Einladung.doc"),
                         QStringLiteral("Vorlagen.ini")}));
        const ScriptedUserInterface::Entry dialog = w.ui.entries().first();
        QCOMPARE(dialog.kind, Kind::OpenFile);
        QCOMPARE(dialog.details.at(0), w.letters);
        QCOMPARE(dialog.details.at(1), QStringLiteral("Eigene Word Dokumente|*.doc"));
        QCOMPARE(w.scripted.shell().calls().size(), 1);
        QCOMPARE(w.scripted.shell().calls().first().target, w.letters + "Einladung.doc");
        QCOMPARE(w.ui.texts(Kind::Plain), messages);
        verifyTemplatesBack(w.letters);
        QVERIFY(!w.addresses.table.isFiltered());
    }

    void printWithoutMarkedRecords()
    {
        World w;
        w.addresses.add(false, {QStringLiteral("Herr"), QStringLiteral("Alt")});
        w.commands->MailBitBtnClick();
        QCOMPARE(w.ui.texts(Kind::Information),
                 QStringList{QStringLiteral("Keine Datensätze zum versenden markiert! \rKlicken "
                                            "Sie doppelt auf die Spalte \"Selected\" um "
                                            "Datensätze zu markieren!")});
        QVERIFY(w.modal.shown.isEmpty());
        QVERIFY(!QFile::exists(w.dataFile()));
    }

    void printRoadWritesDataAndOpensLetter()
    {
        World w;
        w.addresses.add(false, {QStringLiteral("Herr"), QStringLiteral("Alt")});
        w.addresses.add(true, {QStringLiteral("Frau"), QString::fromUtf8("Größe")});
        w.addresses.add(true, {QStringLiteral("Herr Dr."), QStringLiteral("Klug")});
        w.addresses.table.moveTo(1);
        writeFile(w.letters + QStringLiteral("Einladung.doc"));
        w.ui.queueOpenFileName(w.letters + QStringLiteral("Einladung.doc"));
        QString label;
        w.modal.steps.enqueue([&label, &w](QDialog &d) {
            label = d.findChild<QLabel *>(QStringLiteral("NoOfMailsLabel"))->text();
            // Counting left the table where it was.
            QVERIFY(!w.addresses.table.isFiltered());
            QCOMPARE(w.addresses.table.position(), 1);
            click(QStringLiteral("WeiterBitBtn"))(d);
        });

        w.commands->MailBitBtnClick();

        QCOMPARE(w.modal.shown, QStringList{QStringLiteral("MailquestionsForm")});
        QCOMPARE(label, QStringLiteral("Serienbrief wird für 2 markierte Datensätze erzeugt."));
        QCOMPARE(w.commands->markedRecordCount(), 2);
        QCOMPARE(readAll(w.dataFile()), QByteArray("Anrede|Name|\r\n"
                                                   "Sehr geehrte Frau|Gr\xf6\xdf"
                                                   "e|\r\n"
                                                   "Sehr geehrter Herr Dr.|Klug|\r\n"));
        QCOMPARE(w.scripted.shell().calls().size(), 1);
        QCOMPARE(w.scripted.shell().calls().first().target, w.letters + "Einladung.doc");
        QVERIFY(!w.addresses.table.isFiltered());
        QCOMPARE(w.addresses.table.position(), 0);
    }

    void writeRoadFromTemplate()
    {
        World w;
        w.addresses.add(true, {QStringLiteral("Herr"), QStringLiteral("Muster")});
        w.ui.queueOpenFileName(w.letters + QStringLiteral("Brief-Vorlage.doc"));
        w.modal.steps.enqueue([&w](QDialog &d) {
            // "Weiter" without a choice keeps the wizard open.
            click(QStringLiteral("WeiterBitBtn"))(d);
            QVERIFY(d.isVisible());
            QCOMPARE(w.ui.texts(),
                     QStringList{QStringLiteral("Bitte zuerst eine Auswahl treffen!")});
            d.findChild<QAbstractButton *>(QStringLiteral("BriefRadioButton"))->setChecked(true);
            click(QStringLiteral("WeiterBitBtn"))(d);
        });
        w.modal.steps.enqueue(click(QStringLiteral("WeiterBitBtn")));

        w.commands->VorlageerstellenBitBtnClick();

        QCOMPARE(w.modal.shown,
                 (QStringList{QStringLiteral("OpenOrNewForm"), QStringLiteral("VorlageWizzard")}));
        const ScriptedUserInterface::Entry dialog = w.ui.entries().last();
        QCOMPARE(dialog.kind, Kind::OpenFile);
        QCOMPARE(dialog.details,
                 (QStringList{w.letters, QStringLiteral("Brief-Vorlagen|Brief-Vorlage*")}));
        QCOMPARE(w.scripted.shell().calls().size(), 1);
        QCOMPARE(w.scripted.shell().calls().first().target, w.letters + "Brief-Vorlage.doc");
        QCOMPARE(readAll(w.dataFile()),
                 QByteArray("Anrede|Name|\r\nSehr geehrter Herr|Muster|\r\n"));
        // The choice stays for the next showing.
        QCOMPARE(w.commands->OpenOrNewForm()->choice(), TOpenOrNewForm::Choice::Letter);
    }

    void serialMailProgram_data()
    {
        QTest::addColumn<QString>("first");  // InstallLocation of the first key
        QTest::addColumn<QString>("second"); // InstallLocation of the second key
        QTest::addColumn<QString>("program");
        QTest::newRow("both installed: the first wins") << "C:\\Programme\\Sendora\\"
                                                        << "C:\\Programme\\Sendora Client\\"
                                                        << "C:\\Programme\\Sendora\\SENDORA.EXE";
        QTest::newRow("only the client") << ""
                                         << "/opt/sendora-client/"
                                         << "/opt/sendora-client/SENDORA_CLIENT.EXE";
        QTest::newRow("folder without a separator") << "/opt/sendora"
                                                    << ""
                                                    << "/opt/sendora/SENDORA.EXE";
    }

    void serialMailProgram()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, program);
        for (bool starts : {true, false}) {
            World w;
            MemoryRegistry &registry = w.scripted.registry();
            if (!first.isEmpty())
                registry.setValue(QString::fromLatin1(SerialMailKey),
                                  QStringLiteral("InstallLocation"), first);
            if (!second.isEmpty())
                registry.setValue(QString::fromLatin1(SerialMailClientKey),
                                  QStringLiteral("InstallLocation"), second);
            // A registered program whose file is gone: the shell cannot start it.
            w.scripted.shell().setDefaultResult(starts);

            w.commands->SerienmailBitBtnClick();

            QCOMPARE(w.scripted.shell().calls().size(), 1);
            QCOMPARE(w.scripted.shell().calls().first().target, program);
            QVERIFY(w.modal.shown.isEmpty());
            QCOMPARE(w.ui.texts(),
                     starts
                         ? QStringList()
                         : QStringList{QStringLiteral("Unable to start program! Make sure you "
                                                      "have it properly set-up on your system!")});
        }
    }

    void serialMailNotInstalled_data()
    {
        QTest::addColumn<QString>("closeWith");
        QTest::addColumn<bool>("pageOpened");
        QTest::newRow("OK opens the page") << QStringLiteral("BitBtn1") << true;
        QTest::newRow("Escape opens nothing") << QString() << false;
    }

    void serialMailNotInstalled()
    {
        QFETCH(QString, closeWith);
        QFETCH(bool, pageOpened);
        World w;
        // A key without "InstallLocation" counts as not installed.
        w.scripted.registry().setValue(QString::fromLatin1(SerialMailKey),
                                       QStringLiteral("DisplayName"), QStringLiteral("Sendora"));
        if (!closeWith.isEmpty())
            w.modal.steps.enqueue(click(closeWith));

        w.commands->SerienmailBitBtnClick();

        QCOMPARE(w.modal.shown, QStringList{QStringLiteral("NoSendoraForm")});
        QStringList targets;
        for (const ScriptedShell::Call &call : w.scripted.shell().calls())
            targets << call.target;
        QCOMPARE(targets,
                 pageOpened ? QStringList{w.ws.workspace.profile().serialMailPage} : QStringList());
        QVERIFY(w.ui.entries().isEmpty());
    }
};

QTEST_MAIN(LettersTest)
#include "tst_letters.moc"
