#include "PeopleTable.h"
#include "catalogue/Table.h"
#include "platform/ScriptedUserInterface.h"
#include "view/DBGrid.h"
#include "view/TableModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

using Mark = TDBGridIndicator::Mark;

namespace {

void turnWheel(QWidget *target, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF pos(5, 5);
    QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// The open in-place editor of the grid.
QLineEdit *editor(TDBGrid &grid)
{
    const auto editors = grid.viewport()->findChildren<QLineEdit *>();
    for (QLineEdit *e : editors)
        if (e->isVisible())
            return e;
    return nullptr;
}

} // namespace

// A shown grid over a table of numbered people.
struct GridFixture
{
    QTemporaryDir dir;
    Table table;
    TableModel model;
    ScriptedUserInterface ui;
    TDBGrid grid;

    explicit GridFixture(int records = 100)
    {
        QList<Person> list;
        for (int i = 0; i < records; ++i)
            list << people().at(i % people().size());
        makePeopleTable(table, dir.filePath(QStringLiteral("Adressen.DB")), list);
        model.setTable(&table);
        grid.setModel(&model);
        grid.setUserInterface(&ui);
        grid.resize(600, 300);
    }
    bool show()
    {
        grid.show();
        grid.activateWindow();
        return QTest::qWaitForWindowActive(&grid);
    }
    int column(const char *field) const { return table.fieldIndex(QString::fromLatin1(field)); }
};

class DBGridTest : public QObject
{
    Q_OBJECT

private slots:
    void modelHoldsTheContract()
    {
        GridFixture f(40);
        QAbstractItemModelTester tester(&f.model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        Table &t = f.table;
        QCOMPARE(f.model.rowCount(), 40);
        QCOMPARE(f.model.columnCount(), t.fieldCount());
        QCOMPARE(f.model.headerData(f.column("Name"), Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Name"));
        // Edits, inserts, deletes, order, filter, walks, closing: the model follows.
        t.moveTo(5);
        t.edit();
        t.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Anders"));
        t.post();
        addRecord(t, {{QStringLiteral("Name"), QStringLiteral("Neu")}});
        QCOMPARE(f.model.rowCount(), 41);
        t.moveTo(3);
        t.deleteRecord();
        t.setIndexName(QStringLiteral("Name"));
        QCOMPARE(f.model.index(0, f.column("Name")).data().toString(), QStringLiteral("Anders"));
        t.setFilter(QStringLiteral("Ort = 'Berlin'"));
        t.setFiltered(true);
        QCOMPARE(f.model.rowCount(), t.recordCount());
        f.model.setEditable(true);
        QVERIFY(f.model.setData(f.model.index(1, f.column("Ort")), QStringLiteral("Potsdam")));
        QCOMPARE(f.model.rowCount(), t.recordCount()); // it left the filter
        f.model.setTitleMarked(f.column("Name"), true);
        t.setFiltered(false);
        t.disableControls();
        t.first();
        t.deleteRecord();
        t.enableControls();
        QCOMPARE(f.model.rowCount(), t.recordCount());
        t.close();
        QCOMPARE(f.model.rowCount(), 0);
        t.open();
        QCOMPARE(f.model.rowCount(), t.recordCount());
        f.model.setTable(nullptr);
        QCOMPARE(f.model.columnCount(), 0);
    }

    void suspendedTableKeepsTheModelQuiet()
    {
        GridFixture f(300);
        QSignalSpy reset(&f.model, &QAbstractItemModel::modelReset);
        QSignalSpy removed(&f.model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
        QSignalSpy moved(&f.model, &TableModel::currentRecordChanged);
        Table &t = f.table;
        t.disableControls();
        for (t.first(); !t.eof();) {
            if (t.position() % 3 == 0) {
                t.deleteRecord();
            } else {
                t.edit();
                t.fieldByName(QStringLiteral("Selected")).setAsBoolean(true);
                t.post();
                t.next();
            }
        }
        QCOMPARE(reset.size() + removed.size() + changed.size() + moved.size(), 0);
        t.enableControls();
        QCOMPARE(reset.size(), 1);
        QCOMPARE(f.model.rowCount(), t.recordCount());
    }

    void currentRowAndRecordMoveTogether()
    {
        GridFixture f(1000);
        QVERIFY(f.show());
        Table &t = f.table;
        t.moveTo(500);
        QCOMPARE(f.grid.currentIndex().row(), 500);
        f.grid.setCurrentIndex(f.model.index(20, f.column("Ort")));
        QCOMPARE(t.position(), 20);
        QCOMPARE(f.grid.currentColumn(), f.column("Ort"));
        // Ctrl+End and Ctrl+Home change the record only; End and Home the column only.
        QTest::keyClick(&f.grid, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(t.position(), 999);
        QCOMPARE(f.grid.currentColumn(), f.column("Ort"));
        QTest::keyClick(&f.grid, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(t.position(), 0);
        QCOMPARE(f.grid.currentColumn(), f.column("Ort"));
        QTest::keyClick(&f.grid, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&f.grid, Qt::Key_End);
        QCOMPARE(t.position(), 999);
        const int lastColumn = f.grid.currentColumn();
        QCOMPARE(lastColumn, f.model.columnCount() - 1);
        QTest::keyClick(&f.grid, Qt::Key_Up);
        QCOMPARE(t.position(), 998);
        // A re-read of the records (a new order) keeps the record and the column.
        const Bookmark record = t.bookmark();
        t.setIndexName(QStringLiteral("Name"));
        QCOMPARE(t.bookmark(), record);
        QCOMPARE(f.grid.currentIndex().row(), t.position());
        QCOMPARE(f.grid.currentColumn(), lastColumn);
        // The last row is on screen.
        t.last();
        QVERIFY(f.grid.viewport()->rect().intersects(
            f.grid.visualRect(f.model.index(999, f.column("Ort")))));
    }

    void indicatorShowsTheState()
    {
        GridFixture f(10);
        Table &t = f.table;
        t.moveTo(4);
        TDBGridIndicator *indicator = f.grid.indicator();
        QCOMPARE(indicator->markFor(4), Mark::Arrow);
        QCOMPARE(indicator->markFor(3), Mark::None);
        t.edit();
        QCOMPARE(indicator->markFor(4), Mark::Edit);
        t.cancel();
        t.append();
        QCOMPARE(indicator->markFor(4), Mark::Insert);
        t.cancel();
        f.grid.setSelectionMode(QAbstractItemView::MultiSelection);
        f.grid.selectionModel()->select(
            QItemSelection(f.model.index(7, 0), f.model.index(7, f.model.columnCount() - 1)),
            QItemSelectionModel::Select);
        QCOMPARE(indicator->markFor(7), Mark::MultiSelected);
        QCOMPARE(indicator->markFor(4), Mark::Arrow);
    }

    void wheelStep_data()
    {
        QTest::addColumn<bool>("down");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("step");
        const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
        const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
        const auto alt = Qt::KeyboardModifiers(Qt::AltModifier);
        // 12 visible rows: a page is 11.
        QTest::newRow("down") << true << Qt::KeyboardModifiers() << 2;
        QTest::newRow("up") << false << Qt::KeyboardModifiers() << 2;
        QTest::newRow("down Shift") << true << shift << 1;
        QTest::newRow("up Shift") << false << shift << 1;
        QTest::newRow("down Ctrl") << true << ctrl << 11;
        QTest::newRow("up Ctrl") << false << ctrl << 11;
        QTest::newRow("down Ctrl+Shift") << true << (ctrl | shift) << 11;
        QTest::newRow("up Ctrl+Shift") << false << (ctrl | shift) << 1;
        QTest::newRow("down Ctrl+Alt") << true << (ctrl | alt) << 11;
        QTest::newRow("up Ctrl+Alt") << false << (ctrl | alt) << 2;
        QTest::newRow("down Alt") << true << alt << 2;
        QTest::newRow("keypad flag ignored") << false << (ctrl | Qt::KeypadModifier) << 11;
    }

    void wheelStep()
    {
        QFETCH(bool, down);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QTEST(TDBGrid::WheelStep(down, modifiers, 12), "step");
    }

    void wheelMovesTheTable()
    {
        GridFixture f(200);
        QVERIFY(f.show());
        Table &t = f.table;
        t.moveTo(100);
        turnWheel(f.grid.viewport(), -1);
        QCOMPARE(t.position(), 102);
        turnWheel(f.grid.viewport(), 1, Qt::ShiftModifier);
        QCOMPARE(t.position(), 101);
        const int page = f.grid.visibleRowCount() - 1;
        QVERIFY(page > 2);
        turnWheel(f.grid.viewport(), -1, Qt::ControlModifier);
        QCOMPARE(t.position(), 101 + page);
        QCOMPARE(f.grid.currentIndex().row(), t.position());
        QCOMPARE(QApplication::focusWidget(), &f.grid);
        // Over the scroll bar the wheel moves the records too.
        turnWheel(f.grid.verticalScrollBar(), 1);
        QCOMPARE(t.position(), 99 + page);
    }

    void wheelDiscardsPendingEdit()
    {
        GridFixture f(20);
        QVERIFY(f.show());
        Table &t = f.table;
        t.moveTo(3);
        const QString before = t.fieldByName(QStringLiteral("Name")).asString();
        t.edit();
        t.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Geändert"));
        turnWheel(f.grid.viewport(), 1);
        QCOMPARE(t.state(), Table::State::Browse);
        QCOMPARE(t.position(), 1);
        QCOMPARE(t.textAt(3, f.column("Name")), before);
    }

    void inPlaceEditing()
    {
        GridFixture f(5);
        QVERIFY(f.show());
        Table &t = f.table;
        const QModelIndex name = f.model.index(2, f.column("Name"));
        QVERIFY(!(f.model.flags(name) & Qt::ItemIsEditable));
        f.grid.setInPlaceEditing(true);
        QVERIFY(f.model.flags(name) & Qt::ItemIsEditable);
        QVERIFY(!(f.model.flags(f.model.index(2, f.column("ID"))) & Qt::ItemIsEditable));

        // Typing opens the editor on the current cell; Enter stores the value.
        f.grid.setCurrentIndex(name);
        QTest::keyClicks(&f.grid, QStringLiteral("X"));
        QVERIFY(f.grid.isEditing());
        QCOMPARE(t.state(), Table::State::Edit);
        QTest::keyClick(editor(f.grid), Qt::Key_Return);
        QTRY_COMPARE(t.state(), Table::State::Browse); // the delegate commits when it is idle
        QCOMPARE(t.textAt(2, f.column("Name")), QStringLiteral("X"));

        // In a sorted table the stored record moves; the cursor goes with it.
        t.setIndexName(QStringLiteral("Name"));
        f.grid.setCurrentIndex(f.model.index(0, f.column("Name")));
        const Bookmark record = t.bookmark();
        QTest::keyClicks(&f.grid, QStringLiteral("Z"));
        QTest::keyClick(editor(f.grid), Qt::Key_Return);
        QTRY_COMPARE(t.state(), Table::State::Browse);
        QCOMPARE(t.bookmark(), record);
        QCOMPARE(t.position(), 4);
        QCOMPARE(f.grid.currentIndex().row(), 4);
        QCOMPARE(f.grid.currentColumn(), f.column("Name"));
        t.setIndexName(QString());

        // Esc leaves the record as it was.
        f.grid.setCurrentIndex(f.model.index(3, f.column("Ort")));
        QTest::keyClicks(&f.grid, QStringLiteral("Y"));
        QCOMPARE(t.state(), Table::State::Edit);
        QTest::keyClick(editor(f.grid), Qt::Key_Escape);
        QCOMPARE(t.state(), Table::State::Browse);
        QCOMPARE(t.textAt(3, f.column("Ort")), QString::fromUtf8(people().at(3).ort));

        // A value the field does not take: the store's message, nothing stored.
        QVERIFY(
            !f.model.setData(f.model.index(1, f.column("Selected")), QStringLiteral("vielleicht")));
        QCOMPARE(f.ui.texts(ScriptedUserInterface::Kind::Error).size(), 1);
        QVERIFY(f.ui.texts().first().contains(QStringLiteral("vielleicht")));
        QCOMPARE(t.state(), Table::State::Browse);
        QCOMPARE(t.textAt(1, f.column("Selected")), QStringLiteral("Falsch"));
    }

    void ctrlDeleteAsksFirst()
    {
        GridFixture f(5);
        QVERIFY(f.show());
        Table &t = f.table;
        t.moveTo(1);
        f.ui.queueConfirm(false);
        QTest::keyClick(&f.grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(t.recordCount(), 5);
        f.ui.queueConfirm(true);
        QTest::keyClick(&f.grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(t.recordCount(), 4);
        QCOMPARE(f.ui.texts(), (QStringList{"Datensatz löschen?", "Datensatz löschen?"}));
        QCOMPARE(t.textAt(1, f.column("Name")), QString::fromUtf8(people().at(2).name));
        // The cursor stands on the record that followed, in the grid as well.
        QCOMPARE(t.position(), 1);
        QCOMPARE(f.grid.currentIndex().row(), 1);
    }

    void titlesShowHotAndPressedStates()
    {
        GridFixture f(5);
        QVERIFY(f.show());
        TDBGridTitles *titles = f.grid.titles();
        const int name = f.column("Selected"); // a title on screen
        const QRect section(titles->sectionViewportPosition(name), 0, titles->sectionSize(name),
                            titles->height());
        const auto look = [&] { return titles->viewport()->grab(section).toImage(); };
        const QImage normal = look();
        QMouseEvent move(QEvent::MouseMove, section.center(),
                         titles->viewport()->mapToGlobal(section.center()), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(titles->viewport(), &move);
        QCOMPARE(titles->hotTitleColumn(), name);
        const QImage hot = look();
        QTest::mousePress(titles->viewport(), Qt::LeftButton, {}, section.center());
        QVERIFY(titles->titlePressed());
        QCOMPARE(titles->pressedTitleColumn(), name);
        const QImage pressed = look();
        QVERIFY(hot != normal);
        QVERIFY(pressed != normal && pressed != hot);
        QTest::mouseRelease(titles->viewport(), Qt::LeftButton, {}, section.center());
        QVERIFY(!titles->titlePressed());
        QCOMPARE(titles->pressedTitleColumn(), -1);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(titles, &leave);
        QCOMPARE(titles->hotTitleColumn(), -1);
        QCOMPARE(look(), normal);
    }

    void titlesShowTheSortMark()
    {
        GridFixture f(5);
        const int name = f.column("Name");
        f.model.setTitleMarked(name, true);
        QVERIFY(f.model.headerData(name, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        QCOMPARE(f.model.headerData(name, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>(),
                 QBrush(Qt::red));
        QVERIFY(!f.model.headerData(f.column("Ort"), Qt::Horizontal, Qt::FontRole).isValid());
        f.model.clearTitleMarks();
        QVERIFY(!f.model.titleMarked(name));
        QVERIFY(!f.model.headerData(name, Qt::Horizontal, Qt::FontRole).isValid());
        // Another table bound: no mark is carried over.
        f.model.setTitleMarked(name, true);
        f.model.setTable(&f.table);
        QVERIFY(!f.model.titleMarked(name));
    }
};

QTEST_MAIN(DBGridTest)
#include "tst_dbgrid.moc"
