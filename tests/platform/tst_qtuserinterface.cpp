#include "platform/QtUserInterface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

namespace {

struct SeenBox
{
    bool found = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::CursorShape cursor = Qt::BitmapCursor; // BitmapCursor: no override
};

// Waits for the modal message box, notes what it shows, then answers it
// with the button of that text, or with Escape.
void answerBox(SeenBox &seen, const QString &answer)
{
    auto poll = std::make_shared<std::function<void(int)>>();
    *poll = [&seen, answer, poll](int triesLeft) {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0)
                QTimer::singleShot(20, [poll, triesLeft] { (*poll)(triesLeft - 1); });
            return;
        }
        seen.found = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        seen.buttons.sort();
        if (const QCursor *cursor = QGuiApplication::overrideCursor())
            seen.cursor = cursor->shape();
        if (answer == QLatin1String("Escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    };
    QTimer::singleShot(0, [poll] { (*poll)(250); });
}

} // namespace

class TestQtUserInterface : public QObject
{
    Q_OBJECT

private slots:
    void messageBox_data();
    void messageBox();
    void messageDuringWaitShowsNormalCursor();
    void waitCursorNests();
    void qtFilter_data();
    void qtFilter();
};

void TestQtUserInterface::messageBox_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("result");

    const QStringList ok{"OK"};
    const QStringList yesNo{"Ja", "Nein"};
    QTest::newRow("information") << "information"
                                 << "OK" << int(QMessageBox::Information) << ok << true;
    QTest::newRow("error") << "error"
                           << "OK" << int(QMessageBox::Critical) << ok << true;
    QTest::newRow("plain") << "plain"
                           << "OK" << int(QMessageBox::NoIcon) << ok << true;
    QTest::newRow("confirm Ja") << "confirm"
                                << "Ja" << int(QMessageBox::Question) << yesNo << true;
    QTest::newRow("confirm Nein") << "confirm"
                                  << "Nein" << int(QMessageBox::Question) << yesNo << false;
    QTest::newRow("confirm Escape") << "confirm"
                                    << "Escape" << int(QMessageBox::Question) << yesNo << false;
}

void TestQtUserInterface::messageBox()
{
    QFETCH(QString, kind);
    QFETCH(QString, answer);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(bool, result);

    QtUserInterface ui;
    ui.setTitle(QStringLiteral("Lorvane Serienbrief"));
    // Plain text: a "<" in a message must not turn it into markup.
    const QString text =
        QStringLiteral("Datenbank ist in Benutzung durch einen andern Benutzer!\r\r"
                       "<b>Bitte</b> warten & später erneut versuchen.");
    SeenBox seen;
    answerBox(seen, answer);
    bool answered = true;
    if (kind == QLatin1String("information"))
        ui.information(text);
    else if (kind == QLatin1String("error"))
        ui.error(text);
    else if (kind == QLatin1String("plain"))
        ui.plainMessage(text);
    else
        answered = ui.confirm(text);

    QVERIFY(seen.found);
    QCOMPARE(seen.title, QStringLiteral("Lorvane Serienbrief"));
    // The texts' carriage returns are shown as line breaks; nothing else changes.
    QCOMPARE(seen.text, QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.buttons, buttons);
    QCOMPARE(answered, result);
}

void TestQtUserInterface::messageDuringWaitShowsNormalCursor()
{
    QtUserInterface ui;
    SeenBox seen;
    answerBox(seen, QStringLiteral("OK"));
    {
        WaitCursor wait(ui);
        ui.error(QStringLiteral("Fehler"));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(seen.found);
    QCOMPARE(seen.cursor, Qt::ArrowCursor);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestQtUserInterface::waitCursorNests()
{
    QtUserInterface ui;
    try {
        WaitCursor outer(ui);
        {
            WaitCursor inner(ui);
        }
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw std::runtime_error("table error");
    } catch (const std::runtime_error &) {
    }
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    ui.endWait(); // unbalanced: must not pop someone else's cursor
    QGuiApplication::setOverrideCursor(Qt::IBeamCursor);
    ui.endWait();
    QVERIFY(QGuiApplication::overrideCursor());
    QGuiApplication::restoreOverrideCursor();
}

void TestQtUserInterface::qtFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("pipe form") << "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*"
                               << "Textdateien (*.txt);;Alle Dateien (*)";
    QTest::newRow("several patterns") << "Texte|*.txt; *.csv"
                                      << "Texte (*.txt *.csv)";
    QTest::newRow("parentheses without patterns") << "Excel (2007)|*.xlsx"
                                                  << "Excel (2007) (*.xlsx)";
    QTest::newRow("Qt form") << "Texte (*.txt);;Alle (*)"
                             << "Texte (*.txt);;Alle (*)";
    QTest::newRow("empty") << ""
                           << "";
}

void TestQtUserInterface::qtFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(QtUserInterface::qtFilter(filter), expected);
}

QTEST_MAIN(TestQtUserInterface)
#include "tst_qtuserinterface.moc"
