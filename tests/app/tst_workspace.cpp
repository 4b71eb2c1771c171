#include "TestWorkspace.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

using Kind = ScriptedUserInterface::Kind;

class WorkspaceTest : public QObject
{
    Q_OBJECT

private slots:
    void requireTableSaysOnceThatNoneIsOpen()
    {
        TestWorkspace w;
        QVERIFY(!w.workspace.requireTable());
        QCOMPARE(w.scripted.ui().texts(Kind::Information),
                 QStringList{QStringLiteral("Zuerst Datenbank öffnen!")});
        w.open();
        QVERIFY(w.workspace.requireTable());
        QCOMPARE(w.scripted.ui().entries().size(), 1);
    }

    void guardTurnsStoreErrorsIntoMessages()
    {
        TestWorkspace w;
        QVERIFY(w.workspace.run([] {}));
        QVERIFY(!w.workspace.run([] { throw TableError(QStringLiteral("Feld fehlt")); }));
        QVERIFY(!w.workspace.run([&] {
            const WaitCursor wait(w.workspace.ui());
            throw std::runtime_error("kaputt");
        }));
        QCOMPARE(w.scripted.ui().texts(Kind::Error),
                 (QStringList{QStringLiteral("Feld fehlt"), QStringLiteral("kaputt")}));
        QCOMPARE(w.scripted.ui().waitDepth(), 0);
    }

    void modalWindowsRunWithoutTheWheelTranslation()
    {
        TestWorkspace w;
        w.workspace.wheelTranslation().install();
        QDialog dialog;
        bool installedWhileUp = true;
        QTimer::singleShot(0, &dialog, [&] {
            installedWhileUp = w.workspace.wheelTranslation().isInstalled();
            dialog.accept();
        });
        QCOMPARE(w.workspace.execModal(dialog), int(QDialog::Accepted));
        QVERIFY(!installedWhileUp);
        QVERIFY(w.workspace.wheelTranslation().isInstalled());
        w.workspace.wheelTranslation().remove();
    }

    void statusAndRecordCount()
    {
        TestWorkspace w;
        w.open();
        {
            const StatusCleared cleared(w.workspace);
            w.workspace.showProgress(QStringLiteral("Import: 1 von 3"));
            QCOMPARE(w.statusText->text(), QStringLiteral("Import: 1 von 3"));
        }
        QCOMPARE(w.workspace.statusText(), QString());
        Table &t = *w.workspace.table();
        t.append();
        t.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Meier"));
        t.post();
        w.statusPanel->clear();
        w.workspace.showRecordCount();
        QCOMPARE(w.statusPanel->text(), QStringLiteral("1 Datensätze"));
    }

    void helpPagesReportTheShellsFailure()
    {
        TestWorkspace w;
        w.scripted.shell().setDefaultResult(false);
        w.workspace.openHelpPage(QStringLiteral("excel.html"));
        QCOMPARE(w.scripted.shell().calls().value(0).target,
                 w.folder.path() + QStringLiteral("helpSB/excel.html"));
        QCOMPARE(w.scripted.ui().texts(Kind::Plain),
                 QStringList{QStringLiteral("Unable to start internet browser! Make sure you "
                                            "have it properly set-up on your system!")});
    }
};

QTEST_MAIN(WorkspaceTest)
#include "tst_workspace.moc"
