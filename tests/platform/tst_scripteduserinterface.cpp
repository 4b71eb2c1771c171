#include "platform/ScriptedUserInterface.h"

#include <QTest>

#include <stdexcept>

using Kind = ScriptedUserInterface::Kind;

class TestScriptedUserInterface : public QObject
{
    Q_OBJECT

private slots:
    void answersFromQueuesAndNoticesRunningDry();
    void waitCursorSurvivesException();
};

void TestScriptedUserInterface::answersFromQueuesAndNoticesRunningDry()
{
    ScriptedUserInterface ui;
    ui.queueConfirm(true);
    ui.queueOpenFileName(QStringLiteral("/tmp/a.csv"));
    ui.queueFolder(QStringLiteral("/tmp/sicherung"));

    QVERIFY(ui.confirm(QStringLiteral("Wirklich löschen?")));
    QCOMPARE(ui.openFileName(QStringLiteral("Importieren"), QStringLiteral("/tmp"),
                             QStringLiteral("Texte|*.txt")),
             QStringLiteral("/tmp/a.csv"));
    ui.information(QStringLiteral("Fertig"));
    QVERIFY(!ui.ranDry());
    QCOMPARE(ui.pendingAnswers(), 1);

    // Questions nobody scripted: "Nein" and "cancelled", and the double says so.
    QVERIFY(!ui.confirm(QStringLiteral("Noch einmal?")));
    QVERIFY(ui.ranDry());
    QCOMPARE(ui.saveFileName(QStringLiteral("Export"), QStringLiteral("/tmp"), {}), QString());

    QCOMPARE(ui.texts(),
             (QStringList{"Wirklich löschen?", "Importieren", "Fertig", "Noch einmal?", "Export"}));
    QCOMPARE(ui.texts(Kind::Confirm), (QStringList{"Wirklich löschen?", "Noch einmal?"}));
    QCOMPARE(ui.entries()[1].details, (QStringList{"/tmp", "Texte|*.txt"}));
    QCOMPARE(ui.entries()[0].answer, QStringLiteral("Ja"));
    QCOMPARE(ui.entries()[3].answer, QStringLiteral("Nein"));
}

void TestScriptedUserInterface::waitCursorSurvivesException()
{
    ScriptedUserInterface ui;
    try {
        WaitCursor outer(ui);
        WaitCursor inner(ui);
        ui.error(QStringLiteral("Fehler"));
        throw std::runtime_error("table error");
    } catch (const std::runtime_error &) {
    }
    QCOMPARE(ui.waitDepth(), 0);
    QCOMPARE(ui.entries().value(0).waitDepth, 2);
    ui.endWait(); // unbalanced: ignored
    QCOMPARE(ui.waitDepth(), 0);
}

QTEST_GUILESS_MAIN(TestScriptedUserInterface)
#include "tst_scripteduserinterface.moc"
