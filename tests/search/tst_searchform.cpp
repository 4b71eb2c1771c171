#include "TestWorkspace.h"
#include "catalogue/Table.h"
#include "platform/ScriptedUserInterface.h"
#include "search/SearchCommands.h"
#include "search/VNH_DB_SearchForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

namespace {

const QString kName = QStringLiteral("Name");
const QString kOrt = QStringLiteral("Ort");
const QString kNoFurther = QStringLiteral("Kein weiteres Ergebnis gefunden!");
const QString kNone = QStringLiteral("Kein Ergebnis gefunden!");

QList<TestTable::Record> people()
{
    return {
        {{kName, "Meyer"}, {QStringLiteral("Vorname"), "Hans Peter"}, {kOrt, "Berlin"}},
        {{kName, "Müller"}, {kOrt, "Hamburg"}},
        {{kName, "MüLLER"}, {kOrt, "Köln"}},
        {{kName, "MÜLLER"}, {kOrt, "Bremen"}},
        {{kName, "müller"}, {kOrt, "Bonn"}},
        {{kName, "Mayr"}, {kOrt, "München"}},
        {{kName, "Schmidt"}, {kOrt, "Berlin"}},
        {{kName, "Schulz"}, {kOrt, "Potsdam"}},
    };
}

// The open table of the workspace, as the tests look at it.
struct OpenTable
{
    Table &table;
    QString currentId() { return table.fieldByName(QStringLiteral("ID")).asString(); }
};

// The search commands and window over a table of people, with the main
// window's side recorded: editor calls, record counts, modal showings.
class Fixture
{
public:
    explicit Fixture(const QList<TestTable::Record> &records = people(),
                     const QList<FieldDef> &fields = addressFields(),
                     const QList<IndexDef> &indexes = addressIndexes())
        : data{ws.openWith(records, fields, indexes)}
    {
        ws.workspace.setModalRunner([this](QDialog &d) {
            runModal(d);
            return int(QDialog::Rejected);
        });
        QObject::connect(&ws.workspace, &Workspace::recordCountShown,
                         [this](int n) { counts << n; });
        QObject::connect(&commands, &SearchCommands::editRecordRequested, [this] { ++edits; });
        QObject::connect(&commands, &SearchCommands::deleteRecordRequested, [this] { ++deletes; });
    }

    template <typename T> T *w(const char *name) const
    {
        T *widget = form.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit *edit() const { return w<QLineEdit>("Edit1"); }
    QString label(int n) const
    {
        return w<QLabel>(QByteArray("ResultLabel" + QByteArray::number(n)).constData())->text();
    }
    QStringList labels() const { return {label(1), label(2), label(3)}; }
    bool editEnabled() const { return w<QPushButton>("BearbeitenBitBtn")->isEnabled(); }
    bool deleteEnabled() const { return w<QPushButton>("DeleteBitBtn")->isEnabled(); }
    QString okCaption() const { return w<QPushButton>("OKButton")->text(); }
    bool ergLabelGrey() const
    {
        return w<QLabel>("ErgLabel")->palette().color(QPalette::WindowText) !=
               form.palette().color(QPalette::WindowText);
    }

    void type(const QString &text)
    {
        edit()->clear();
        // QTest types ASCII only.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(edit(), text);
        else
            edit()->insert(text);
        QCOMPARE(edit()->text(), text);
    }
    void key(Qt::Key k) { QTest::keyClick(edit(), k); }
    // ID of a hit, or the message of the not-found display.
    QString searchWith(Qt::Key k = Qt::Key_F3)
    {
        key(k);
        return label(1).startsWith(QLatin1String("ID = ")) ? label(1).mid(5) : label(1);
    }

    void runModal(QDialog &d)
    {
        ++modalShowings;
        idAtShowing = ws.workspace.table() ? data.currentId() : QString();
        d.show();
        d.hide();
    }

    TestWorkspace ws;
    ScriptedUserInterface &ui = ws.scripted.ui();
    OpenTable data;
    SearchCommands commands{ws.workspace};
    TVNH_DB_SearchForm &form = *commands.SearchForm();
    int edits = 0;
    int deletes = 0;
    QList<int> counts;
    int modalShowings = 0;
    QString idAtShowing;
};

} // namespace

class SearchFormTest : public QObject
{
    Q_OBJECT

private slots:
    void exactSearchStepsThroughTheHits()
    {
        Fixture f;
        f.form.show();
        QCOMPARE(f.okCaption(), QStringLiteral("Suchen [F3]"));
        QVERIFY(f.ergLabelGrey());
        f.type(QStringLiteral("müller"));
        f.key(Qt::Key_F3);
        QCOMPARE(f.labels(), (QStringList{"ID = 2", "Name = Müller", "Müller"}));
        QCOMPARE(f.data.currentId(), QStringLiteral("2"));
        QCOMPARE(f.okCaption(), QStringLiteral("Weiter suchen [F3]"));
        QVERIFY(!f.ergLabelGrey());
        QVERIFY(f.editEnabled() && f.deleteEnabled());
        QCOMPARE(f.searchWith(Qt::Key_Return), QStringLiteral("3"));
        QTest::mouseClick(f.w<QPushButton>("OKButton"), Qt::LeftButton);
        QCOMPARE(f.label(1), QStringLiteral("ID = 5"));
        QCOMPARE(f.searchWith(Qt::Key_Enter), kNoFurther);
        QCOMPARE(f.label(2), QString());
        QCOMPARE(f.label(3), QString());
        QVERIFY(!f.editEnabled() && !f.deleteEnabled());
        QCOMPARE(f.ui.waitDepth(), 0);
        QVERIFY(!f.data.table.controlsDisabled());
    }

    void endOfTheTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("outcomes");
        QTest::newRow("hit on the last record")
            << "Potsdam" << false << QStringList{"8", kNoFurther, kNoFurther};
        QTest::newRow("hit on the first record, backwards")
            << "Hans" << true << QStringList{"1", kNoFurther, kNoFurther};
        QTest::newRow("nothing at all") << "Xaver" << false << QStringList{kNone, kNone};
        QTest::newRow("nothing at all, backwards") << "Xaver" << true << QStringList{kNone, kNone};
        QTest::newRow("found before") << "Berlin" << false << QStringList{"1", "7", kNoFurther};
    }
    void endOfTheTable()
    {
        QFETCH(QString, text);
        QFETCH(bool, backwards);
        QFETCH(QStringList, outcomes);
        Fixture f;
        f.form.show();
        f.w<QCheckBox>("ReverseCheckbox")->setChecked(backwards);
        f.type(text);
        QStringList seen;
        for (qsizetype i = 0; i < outcomes.size(); ++i) {
            seen << f.searchWith();
            if (!seen.last().front().isDigit())
                QVERIFY(!f.editEnabled() && !f.deleteEnabled());
        }
        QCOMPARE(seen, outcomes);
    }

    // Upper-casing changes a-z only, so without the case box "Müller"
    // finds "MüLLER" and "müller" but not "MÜLLER".
    void caseBox_data()
    {
        QTest::addColumn<bool>("caseBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("Müller") << false << "Müller" << QStringList{"2", "3", "5"};
        QTest::newRow("Müller, case box") << true << "Müller" << QStringList{"2"};
        QTest::newRow("MÜLLER") << false << "MÜLLER" << QStringList{"4"};
        QTest::newRow("MüLLER, case box") << true << "MüLLER" << QStringList{"3"};
        QTest::newRow("mÜller") << false << "mÜller" << QStringList{"4"};
    }
    void caseBox()
    {
        QFETCH(bool, caseBox);
        QFETCH(QString, text);
        QFETCH(QStringList, ids);
        Fixture f;
        f.form.show();
        f.w<QCheckBox>("GrossKleinCheckBox")->setChecked(caseBox);
        f.type(text);
        QStringList seen;
        for (qsizetype i = 0; i <= ids.size(); ++i)
            seen << f.searchWith();
        QCOMPARE(seen, ids + QStringList{kNoFurther});
    }

    void optionBoxesExcludeEachOther()
    {
        Fixture f;
        f.form.show();
        auto *caseBox = f.w<QCheckBox>("GrossKleinCheckBox");
        auto *fuzzyBox = f.w<QCheckBox>("LDCheckBox");
        QCOMPARE(caseBox->text(), QStringLiteral("Groß-/Kleinschreibung beachten"));
        QCOMPARE(fuzzyBox->text(), QStringLiteral("unscharfe Suche nach Levenshtein "));
        QTest::mouseClick(caseBox, Qt::LeftButton);
        QVERIFY(caseBox->isChecked());
        QTest::mouseClick(fuzzyBox, Qt::LeftButton);
        QVERIFY(fuzzyBox->isChecked() && !caseBox->isChecked());
        QTest::mouseClick(caseBox, Qt::LeftButton);
        QVERIFY(caseBox->isChecked() && !fuzzyBox->isChecked());
    }

    // Changing the text or an option forgets the last hit and moves to the
    // start of the search.
    void resetAfterAHit_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QString>("startId");
        QTest::newRow("text") << "Edit1" << false << "1";
        QTest::newRow("text, reverse") << "Edit1" << true << "8";
        QTest::newRow("case box") << "GrossKleinCheckBox" << false << "1";
        QTest::newRow("fuzzy box, reverse") << "LDCheckBox" << true << "8";
    }
    void resetAfterAHit()
    {
        QFETCH(QString, control);
        QFETCH(bool, reverse);
        QFETCH(QString, startId);
        Fixture f;
        f.form.show();
        f.w<QCheckBox>("ReverseCheckbox")->setChecked(reverse);
        f.type(QStringLiteral("Müller"));
        QCOMPARE(f.searchWith(), reverse ? QStringLiteral("5") : QStringLiteral("2"));
        QCOMPARE(f.searchWith(), QStringLiteral("3"));
        if (control == QLatin1String("Edit1"))
            QTest::keyClick(f.edit(), Qt::Key_Backspace);
        else
            QTest::mouseClick(f.w<QCheckBox>(qPrintable(control)), Qt::LeftButton);
        QCOMPARE(f.labels(), (QStringList{"", "", ""}));
        QVERIFY(!f.editEnabled() && !f.deleteEnabled());
        QCOMPARE(f.okCaption(), QStringLiteral("Suchen [F3]"));
        QVERIFY(f.ergLabelGrey());
        QVERIFY(!f.form.searchContinues());
        QCOMPARE(f.data.currentId(), startId);
    }

    // Ticking the reverse box after a hit moves to the last record but keeps
    // the position: the backward search goes on from the second-to-last.
    void reverseBoxMovesWithoutReset()
    {
        Fixture f;
        f.form.show();
        f.type(QStringLiteral("Potsdam"));
        QCOMPARE(f.searchWith(), QStringLiteral("8"));
        f.type(QStringLiteral("Berlin"));
        QCOMPARE(f.searchWith(), QStringLiteral("1"));
        QTest::mouseClick(f.w<QCheckBox>("ReverseCheckbox"), Qt::LeftButton);
        QCOMPARE(f.data.currentId(), QStringLiteral("8"));
        QVERIFY(f.form.searchContinues());
        QCOMPARE(f.label(1), QStringLiteral("ID = 1"));
        QCOMPARE(f.okCaption(), QStringLiteral("Weiter suchen [F3]"));
        QCOMPARE(f.searchWith(), QStringLiteral("7"));
        QCOMPARE(f.searchWith(), QStringLiteral("1"));
        QTest::mouseClick(f.w<QCheckBox>("ReverseCheckbox"), Qt::LeftButton);
        QCOMPARE(f.data.currentId(), QStringLiteral("1"));
        QCOMPARE(f.searchWith(), QStringLiteral("7"));
    }

    void fuzzyHitEnablesOnlyEditing()
    {
        Fixture f;
        f.form.show();
        QTest::mouseClick(f.w<QCheckBox>("LDCheckBox"), Qt::LeftButton);
        f.type(QStringLiteral("MEIER"));
        QCOMPARE(f.searchWith(), QStringLiteral("1"));
        QCOMPARE(f.label(3), QStringLiteral("Meyer"));
        QVERIFY(f.editEnabled());
        QVERIFY(!f.deleteEnabled());
        QCOMPARE(f.searchWith(), kNoFurther);
        QVERIFY(!f.editEnabled());
        f.type(QStringLiteral("Mair"));
        QCOMPARE(f.searchWith(), kNone);
    }

    // F4 and F8 reach the main window's editor commands even while the
    // buttons are disabled; the buttons do the same.
    void editAndDeleteCommands()
    {
        Fixture f;
        f.form.show();
        QVERIFY(!f.editEnabled() && !f.deleteEnabled());
        f.key(Qt::Key_F4);
        f.key(Qt::Key_F8);
        QCOMPARE(f.edits, 1);
        QCOMPARE(f.deletes, 1);
        f.type(QStringLiteral("Schmidt"));
        QCOMPARE(f.searchWith(), QStringLiteral("7"));
        QCOMPARE(f.w<QPushButton>("BearbeitenBitBtn")->text(), QStringLiteral("Bearbeiten (F4)"));
        QCOMPARE(f.w<QPushButton>("DeleteBitBtn")->text(), QStringLiteral("Löschen (F8)"));
        QTest::mouseClick(f.w<QPushButton>("BearbeitenBitBtn"), Qt::LeftButton);
        QTest::mouseClick(f.w<QPushButton>("DeleteBitBtn"), Qt::LeftButton);
        QCOMPARE(f.edits, 2);
        QCOMPARE(f.deletes, 2);
        QCOMPARE(f.data.currentId(), QStringLiteral("7"));
    }

    void helpAndClosing()
    {
        Fixture f;
        f.form.show();
        f.key(Qt::Key_F1);
        QTest::mouseClick(f.w<QPushButton>("Hilfebtn1"), Qt::LeftButton);
        const QString help = QStringLiteral(
            "Was ist eine unscharfe Suche?\rMit dem Algorithmus der Levenshtein-Distanz werden "
            "nicht nur exakte Übereinstimmungen mit dem Suchbegriff angezeigt, sondern auch "
            "Näherungswerte miteinbezogen um beispielsweise Vertipper trotzdem zu finden.");
        QCOMPARE(f.ui.texts(ScriptedUserInterface::Kind::Information), (QStringList{help, help}));
        f.key(Qt::Key_Escape);
        QVERIFY(!f.form.isVisible());
        f.form.show();
        QTest::mouseClick(f.w<QPushButton>("BitBtn1"), Qt::LeftButton);
        QVERIFY(!f.form.isVisible());
    }

    // A key released here that was pressed elsewhere (say, closing a
    // message box with Enter) does not search.
    void releaseWithoutPressIsNotAKey()
    {
        Fixture f;
        f.form.show();
        f.type(QStringLiteral("Meyer"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(f.edit(), &release);
        QCOMPARE(f.label(1), QString());
        QCOMPARE(f.searchWith(), QStringLiteral("1"));
    }

    // Each showing empties the display and forgets the position, but the
    // table stays where it is and the options keep their state.
    void showingStartsFreshWithoutMovingTheTable()
    {
        Fixture f;
        f.form.show();
        QTest::mouseClick(f.w<QCheckBox>("GrossKleinCheckBox"), Qt::LeftButton);
        f.type(QStringLiteral("Berlin"));
        QCOMPARE(f.searchWith(), QStringLiteral("1"));
        QCOMPARE(f.searchWith(), QStringLiteral("7"));
        f.form.hide();
        f.form.show();
        QCOMPARE(f.labels(), (QStringList{"", "", ""}));
        QVERIFY(!f.editEnabled() && !f.deleteEnabled());
        QCOMPARE(f.okCaption(), QStringLiteral("Suchen [F3]"));
        QVERIFY(f.ergLabelGrey());
        QVERIFY(!f.form.searchContinues());
        QCOMPARE(f.data.currentId(), QStringLiteral("7"));
        QVERIFY(f.w<QCheckBox>("GrossKleinCheckBox")->isChecked());
        QCOMPARE(f.edit()->text(), QStringLiteral("Berlin"));
        QCOMPARE(f.searchWith(), QStringLiteral("1"));
    }

    void storeErrorIsShown()
    {
        const QList<FieldDef> fields{{QStringLiteral("ID"), FieldType::AutoInc, 0, false},
                                     {kOrt, FieldType::String, 40, false}};
        const QList<IndexDef> indexes{{QStringLiteral("ID"), {QStringLiteral("ID")}, true}};
        Fixture f({{{kOrt, "Ulm"}}}, fields, indexes);
        f.form.show();
        f.type(QStringLiteral("Ulm"));
        f.key(Qt::Key_F3);
        QCOMPARE(f.ui.texts(ScriptedUserInterface::Kind::Error).size(), 1);
        QCOMPARE(f.ui.entries().last().waitDepth, 0);
        QCOMPARE(f.ui.waitDepth(), 0);
        QVERIFY(!f.data.table.controlsDisabled());
    }

    void commandsWithoutDatabase()
    {
        Fixture f;
        f.ws.database.CloseTables();
        f.commands.Suchen1Click();
        f.commands.SearchTBClick();
        QCOMPARE(f.ui.texts(ScriptedUserInterface::Kind::Information),
                 (QStringList{"Zuerst Datenbank öffnen!", "Zuerst Datenbank öffnen!"}));
        QCOMPARE(f.modalShowings, 0);
        QVERIFY(f.counts.isEmpty());
    }

    void suchen1ClickStaysOnTheCurrentRecord()
    {
        Fixture f;
        f.data.table.moveTo(4);
        f.form.setUpperGradient(Qt::blue, Qt::red);
        f.commands.Suchen1Click();
        QCOMPARE(f.modalShowings, 1);
        QCOMPARE(f.idAtShowing, QStringLiteral("5"));
        QCOMPARE(f.form.upperGradientTop(), QColor(Qt::white));
        QCOMPARE(f.form.upperGradientBottom(), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(f.counts.isEmpty());
    }

    void searchTBClickStartsAtTheFirstRecordAndCounts()
    {
        Fixture f;
        f.data.table.last();
        f.commands.SearchTBClick();
        QCOMPARE(f.modalShowings, 1);
        QCOMPARE(f.idAtShowing, QStringLiteral("1"));
        QCOMPARE(f.counts, QList<int>{8});
    }
};

QTEST_MAIN(SearchFormTest)
#include "tst_searchform.moc"
