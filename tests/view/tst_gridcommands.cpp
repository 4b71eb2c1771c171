#include "PeopleTable.h"
#include "ProgramFolder.h"
#include "app/MainForm.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "platform/ScriptedPlatform.h"
#include "util/LineFile.h"
#include "view/DoIDForm.h"
#include "view/EdForm.h"
#include "view/Filter2Form.h"
#include "view/TableModel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using Kind = ScriptedUserInterface::Kind;

namespace {

const QString OpenFirst = QStringLiteral("Zuerst Datenbank öffnen!");

// Runs action on the modal window that is expected to come up.
void onModal(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, [action] {
        if (QWidget *w = QApplication::activeModalWidget())
            action(w);
    });
}

// The stock database in a throw-away program folder, its table filled with
// the people before the main window opens it.
struct Fixture
{
    ProgramFolder folder;
    ScriptedPlatform scripted;
    std::unique_ptr<MainForm> form;

    QString tablePath() const { return folder.dataPath() + QStringLiteral("Database.DB"); }
    ScriptedUserInterface &ui() { return scripted.ui(); }

    void makeTable(const QList<Person> &list = people())
    {
        Table t;
        makePeopleTable(t, tablePath(), list);
    }
    // Changes one line of the stock field definitions, found by its field name.
    void changeDefinition(const QString &field, const QString &line)
    {
        const QString path = folder.filePath(QStringLiteral("Data/Database.pro"));
        QStringList lines = ReadLineFile(path);
        for (QString &l : lines)
            if (l.section(QLatin1Char('|'), 0, 0).trimmed() == field)
                l = line;
        WriteLineFile(path, lines);
    }
    void start(bool show = true)
    {
        const QString userData =
            scripted.folders().applicationData() + QStringLiteral("/VARNHOLT/Lorvane/");
        QDir().mkpath(userData);
        QFile noWer(userData + QStringLiteral("NoWer.ini"));
        QVERIFY(noWer.open(QIODevice::WriteOnly));
        form = std::make_unique<MainForm>(
            scripted.platform(),
            ProductProfile::Compute(QStringLiteral("Lorvane_DB"), folder.path()),
            SystemInfo::Compute(scripted.folders(), scripted.registry()), folder.path());
        QVERIFY(table() && table()->isOpen());
        if (show) {
            form->show();
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
        }
        ui().clear();
    }
    Table *table() const { return form->database().table(); }
    TDBGrid *grid() const { return form->DBGrid1; }
    int column(const char *field) const { return table()->fieldIndex(QString::fromLatin1(field)); }
    QModelIndex cell(int row, const char *field) const
    {
        return grid()->model()->index(row, column(field));
    }
    void clickTitle(const char *field)
    {
        QHeaderView *titles = grid()->horizontalHeader();
        const int c = column(field);
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                          QPoint(titles->sectionViewportPosition(c) + 4, titles->height() / 2));
    }
    QStringList markedTitles() const
    {
        QStringList out;
        for (int c = 0; c < table()->fieldCount(); ++c)
            if (grid()->tableModel()->titleMarked(c))
                out << table()->fieldDefs().at(c).name;
        return out;
    }
};

template <typename T> T *child(QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

void activate(MainForm &form, const QString &name)
{
    if (auto *action = child<QAction>(&form, name))
        action->trigger();
    else if (auto *button = child<QAbstractButton>(&form, name))
        button->click();
    else
        QFAIL(qPrintable(QStringLiteral("no control ") + name));
}

} // namespace

class GridCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void commandsNeedADatabase_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("messages");
        for (const char *name : {"NewRec", "EditRec", "DeleteRec", "BitBtn2", "BitBtn3", "BitBtn9",
                                 "FirstButton", "LastButton", "MarkierenvonIDbisID1", "ToolButton1",
                                 "BitBtn10", "Datenbankkomplettleeren1", "BearbeitenimGrid1"})
            QTest::newRow(name) << name << QStringList{OpenFirst};
        for (const char *name : {"SelectAllTB", "UnselectAllTB", "AllemarkiertenDatenstzelschen2",
                                 "CopyDBGridToClipboard"})
            QTest::newRow(name) << name << QStringList{};
    }

    void commandsNeedADatabase()
    {
        QFETCH(QString, control);
        Fixture f;
        f.start(false);
        f.form->database().CloseTables();
        f.scripted.clipboard().setText(QStringLiteral("vorher"));
        activate(*f.form, control);
        QTEST(f.ui().texts(), "messages");
        QCOMPARE(f.ui().waitDepth(), 0);
        QCOMPARE(f.scripted.clipboard().text(), QStringLiteral("vorher"));
        QVERIFY(!f.form->GridEditing);
    }

    void titleClickSorts()
    {
        Fixture f;
        f.makeTable();
        f.start();
        Table &t = *f.table();
        f.clickTitle("Name");
        QCOMPARE(t.indexName(), QStringLiteral("Name"));
        QCOMPARE(f.markedTitles(), QStringList{"Name"});
        QCOMPARE(f.cell(0, "Name").data().toString(), QStringLiteral("Bauer"));
        QCOMPARE(f.cell(7, "Name").data().toString(), QStringLiteral("Zimmer"));
        // Another sortable title takes the mark.
        f.clickTitle("Ort");
        QCOMPARE(t.indexName(), QStringLiteral("Ort"));
        QCOMPARE(f.markedTitles(), QStringList{"Ort"});
        QCOMPARE(f.cell(0, "Ort").data().toString(), QStringLiteral("Berlin"));
        // The marked title again: primary-key order, no mark.
        f.clickTitle("Ort");
        QCOMPARE(t.indexName(), QString());
        QVERIFY(f.markedTitles().isEmpty());
        QCOMPARE(f.cell(0, "Name").data().toString(), QStringLiteral("Meier"));
        // The next open shows neither mark nor order.
        f.clickTitle("Name");
        f.form->database().OpenDatabase(QStringLiteral("Database.ini"));
        QCOMPARE(f.table()->indexName(), QString());
        QVERIFY(f.markedTitles().isEmpty());
        QVERIFY(f.ui().entries().isEmpty());
    }

    void titleClickWithoutSortableIndex_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("definition"); // empty: the stock line
        QTest::newRow("not sortable") << "Selected"
                                      << "";
        QTest::newRow("sortable without index")
            << "Tel"
            << "Tel | ftString | False | 30 |   |   |   | TRUE | Telefon";
        QTest::newRow("sortable in lower case")
            << "Fax"
            << "Fax | ftString | False | 30 | Fax | Fax |   | true | Fax";
    }

    void titleClickWithoutSortableIndex()
    {
        QFETCH(QString, field);
        QFETCH(QString, definition);
        Fixture f;
        if (!definition.isEmpty())
            f.changeDefinition(field, definition);
        f.makeTable();
        f.start();
        f.clickTitle("Name");
        f.clickTitle(qPrintable(field));
        if (field == QLatin1String("Fax")) {
            // "true" counts like "TRUE", but the table has no index "Fax".
            QCOMPARE(f.ui().texts(Kind::Error).size(), 1);
        } else {
            QVERIFY(f.ui().entries().isEmpty());
        }
        QCOMPARE(f.table()->indexName(), QStringLiteral("Name"));
        QCOMPARE(f.markedTitles(), QStringList{"Name"});
    }

    void checkMarksInBooleanCells()
    {
        Fixture f;
        f.makeTable();
        f.start();
        f.grid()->setCurrentIndex(f.cell(2, "Name"));
        const QImage shown = f.grid()->viewport()->grab().toImage();
        const auto pictureAt = [&](int row, const char *field) {
            const QRect cell = f.grid()->visualRect(f.cell(row, field));
            return shown.copy(QRect(cell.topLeft(), QSize(13, 13)))
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage checked =
            f.form->checkedPicture().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage unchecked =
            f.form->uncheckedPicture().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(checked != unchecked);
        QCOMPARE(pictureAt(4, "Selected"), checked);   // Schulz, "Wahr"
        QCOMPARE(pictureAt(0, "Selected"), unchecked); // Meier, "Falsch"
        QCOMPARE(pictureAt(5, "Selected"), unchecked); // Bauer, empty
        QCOMPARE(pictureAt(4, "Invalid"), unchecked);  // empty
        QVERIFY(pictureAt(4, "Name") != checked && pictureAt(4, "Name") != unchecked);
        // Beside the picture the cell stays empty: no cut-off "Wahr" or "Falsch".
        for (int row : {0, 4, 5}) {
            const QRect cell = f.grid()->visualRect(f.cell(row, "Selected"));
            const QImage rest = shown.copy(cell.adjusted(14, 1, -2, -2));
            const QColor base = f.grid()->palette().color(QPalette::Base);
            for (int y = 0; y < rest.height(); ++y)
                for (int x = 0; x < rest.width(); ++x)
                    QCOMPARE(rest.pixelColor(x, y).rgb(), base.rgb());
        }
    }

    void markAll_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("marked");
        const QString mark = QStringLiteral("Alle Datensätze markieren?");
        const QString unmark = QStringLiteral("Alle Datensätze unmarkieren?");
        const QStringList all{"Meier",  "Müller", "MüLLER", "MÜLLER",
                              "Schulz", "Bauer",  "Zimmer", "Lange"};
        QTest::newRow("mark all") << "SelectAllTB"
                                  << "" << true << mark << all;
        QTest::newRow("answered No") << "SelectAllTB"
                                     << "" << false << mark << QStringList{"Schulz", "Lange"};
        QTest::newRow("unmark all") << "UnselectAllTB"
                                    << "" << true << unmark << QStringList{};
        // Records the filter hides keep their marks.
        QTest::newRow("mark Berlin") << "SelectAllTB"
                                     << "Ort = 'BERLIN*'" << true << mark
                                     << QStringList{"Meier", "Schulz", "Zimmer", "Lange"};
        QTest::newRow("unmark Berlin")
            << "UnselectAllTB"
            << "Ort = 'BERLIN*'" << true << unmark << QStringList{"Lange"};
    }

    void markAll()
    {
        QFETCH(QString, button);
        QFETCH(QString, filter);
        QFETCH(bool, yes);
        Fixture f;
        f.makeTable();
        f.start();
        Table &t = *f.table();
        if (!filter.isEmpty()) {
            t.setFilter(filter);
            t.setFiltered(true);
        }
        t.last();
        const Bookmark current = t.bookmark();
        f.ui().queueConfirm(yes);
        activate(*f.form, button);
        QFETCH(QString, question);
        QCOMPARE(f.ui().texts(), QStringList{question});
        QCOMPARE(f.ui().entries().first().waitDepth, 0);
        QCOMPARE(f.ui().waitDepth(), 0);
        QCOMPARE(f.form->statusText(), QString());
        QCOMPARE(t.bookmark(), current);
        QCOMPARE(f.grid()->currentIndex().row(), t.position());
        t.setFiltered(false);
        QTEST(markedNames(t), "marked");
    }

    void idRangeThroughDialog_data()
    {
        QTest::addColumn<int>("current"); // record (ID) under the cursor
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("unmarkFirst"); // the answer, when asked
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("marked");
        const QString ask = QStringLiteral("Es sind bereits Datensätze markiert, möchten Sie "
                                           "zuvor alle Datensätze unmarkieren?");
        QTest::newRow("current not marked")
            << 1 << "2"
            << "4" << false << QStringList{}
            << QStringList{"Müller", "MüLLER", "MÜLLER", "Schulz", "Lange"};
        QTest::newRow("current marked, keep marks")
            << 5 << "2"
            << "3" << false << QStringList{ask}
            << QStringList{"Müller", "MüLLER", "Schulz", "Lange"};
        QTest::newRow("current marked, unmark first")
            << 5 << "2"
            << "3" << true << QStringList{ask} << QStringList{"Müller", "MüLLER"};
        // Nothing reset: the sort by name stays.
        QTest::newRow("cancelled")
            << 1 << ""
            << "" << false << QStringList{} << QStringList{"Lange", "Schulz"};
    }

    void idRangeThroughDialog()
    {
        QFETCH(int, current);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, unmarkFirst);
        QFETCH(QStringList, questions);
        Fixture f;
        f.makeTable();
        f.start();
        Table &t = *f.table();
        t.setFilter(QStringLiteral("Ort <> 'Bonn'"));
        t.setFiltered(true);
        f.clickTitle("Name");
        QVERIFY(t.gotoBookmark(current));
        if (!questions.isEmpty())
            f.ui().queueConfirm(unmarkFirst);
        bool wheelKept = false;
        QString heading, caption;
        onModal([&](QWidget *w) {
            auto *dialog = qobject_cast<TDoIDForm *>(w);
            QVERIFY(dialog);
            wheelKept = f.form->wheelTranslation().isInstalled();
            heading = dialog->DoLabel->text();
            caption = dialog->windowTitle();
            if (start.isEmpty()) {
                dialog->BitBtn2->click();
                return;
            }
            dialog->MaskEdit1->setText(start);
            dialog->MaskEdit2->setText(end);
            dialog->BitBtn1->click();
        });
        f.form->MarkierenvonIDbisID1->trigger();
        QCOMPARE(f.ui().texts(), questions);
        QCOMPARE(heading, QStringLiteral("Markieren"));
        QCOMPARE(caption, QStringLiteral("Markieren von ID bis ID"));
        QVERIFY(wheelKept); // this dialog leaves the wheel translation on
        QCOMPARE(f.ui().waitDepth(), 0);
        QCOMPARE(f.form->statusText(), QString());
        QVERIFY(!t.controlsDisabled());
        if (!start.isEmpty()) {
            // Unfiltered, primary order, no sort mark, first record, first column.
            QVERIFY(!t.isFiltered());
            QCOMPARE(t.filter(), QString());
            QCOMPARE(t.indexName(), QString());
            QVERIFY(f.markedTitles().isEmpty());
            QCOMPARE(t.position(), 0);
            QCOMPARE(f.grid()->currentIndex().row(), 0);
            QCOMPARE(f.grid()->currentColumn(), f.grid()->horizontalHeader()->logicalIndex(0));
            QCOMPARE(f.form->DoIDForm1->StartId, start.toInt());
            QCOMPARE(f.form->DoIDForm1->EndId, end.toInt());
            QCOMPARE(f.form->StatusPanel->text(), QStringLiteral("8 Datensätze"));
        }
        t.setFiltered(false);
        QTEST(markedNames(t), "marked");
    }

    void idDialogRefusesBadEntries_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("ok");
        QTest::newRow("both") << "10"
                              << "20" << true;
        QTest::newRow("reversed") << "20"
                                  << "10" << true;
        QTest::newRow("start empty") << ""
                                     << "20" << false;
        QTest::newRow("end empty") << "1"
                                   << "" << false;
        QTest::newRow("largest") << "2147483647"
                                 << "0" << true;
        QTest::newRow("beyond 32 bits") << "1"
                                        << "2147483648" << false;
        QTest::newRow("eleven digits") << "99999999999"
                                       << "1" << false;
    }

    void idDialogRefusesBadEntries()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, ok);
        TDoIDForm dialog;
        dialog.StartId = 3;
        dialog.EndId = 4;
        dialog.MaskEdit1->setText(start);
        dialog.MaskEdit2->setText(end);
        QCOMPARE(dialog.BitBtn1->isEnabled(), ok);
        QCOMPARE(dialog.HintLabel->text().isEmpty(), ok);
        // Letters and signs never get in.
        QTest::keyClicks(dialog.MaskEdit1, QStringLiteral("-x"));
        QCOMPARE(dialog.MaskEdit1->text(), start);
        dialog.BitBtn1Click();
        QCOMPARE(dialog.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(dialog.StartId, ok ? start.trimmed().toInt() : 3);
        QCOMPARE(dialog.EndId, ok ? end.trimmed().toInt() : 4);
    }

    void markByWordingWindow()
    {
        Fixture f;
        f.makeTable();
        f.start();
        Table &t = *f.table();
        t.last();
        bool wheelRemoved = false;
        bool stillOpen = false;
        int firstAfterTyping = -1;
        onModal([&](QWidget *w) {
            auto *window = qobject_cast<TFilter2Form *>(w);
            QVERIFY(window);
            wheelRemoved = !f.form->wheelTranslation().isInstalled();
            window->Edit1->setText(QStringLiteral("müller"));
            firstAfterTyping = t.position();
            QTest::keyClick(window->Edit1, Qt::Key_Return);
            stillOpen = window->isVisible();
            QTest::keyClick(window->Edit1, Qt::Key_Escape);
        });
        f.form->ToolButton1->click();
        QVERIFY(wheelRemoved);
        QVERIFY(f.form->wheelTranslation().isInstalled());
        QVERIFY(stillOpen);
        QCOMPARE(firstAfterTyping, 0);
        QCOMPARE(markedNames(t), (QStringList{"Müller", "MüLLER", "Schulz", "Lange"}));
        QCOMPARE(f.form->StatusPanel->text(), QStringLiteral("8 Datensätze"));
        QCOMPARE(f.ui().waitDepth(), 0);
        QVERIFY(f.ui().entries().isEmpty());
    }

    void deleteMarkedThroughMenu()
    {
        Fixture f;
        f.makeTable();
        f.start();
        Table &t = *f.table();
        t.setFilter(QStringLiteral("Ort = 'Hamburg'"));
        t.setFiltered(true);
        f.ui().queueConfirm(false);
        f.form->AllemarkiertenDatenstzelschen2->trigger();
        QCOMPARE(t.recordCount(), 1);
        f.ui().queueConfirm(true);
        f.form->AllemarkiertenDatenstzelschen2->trigger();
        QCOMPARE(f.ui().texts(),
                 QStringList(2, QStringLiteral("Wollen Sie wirklich alle markierten "
                                               "Datensätze löschen?")));
        // Schulz and Lange were marked outside the filter.
        QVERIFY(!t.isFiltered());
        QCOMPARE(t.filter(), QStringLiteral("Ort = 'Hamburg'"));
        QCOMPARE(t.recordCount(), 6);
        QVERIFY(markedNames(t).isEmpty());
        QCOMPARE(f.form->StatusPanel->text(), QStringLiteral("6 Datensätze"));
        QCOMPARE(f.form->statusText(), QString());
        QCOMPARE(f.ui().waitDepth(), 0);
    }

    void emptyDatabaseKeepsItsFiles_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("Yes twice") << QList<bool>{true, true} << true;
        QTest::newRow("No at the first question") << QList<bool>{false} << false;
        QTest::newRow("No at the second question") << QList<bool>{true, false} << false;
    }

    void emptyDatabaseKeepsItsFiles()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(bool, emptied);
        Fixture f;
        f.makeTable();
        f.start();
        // A layout of this session: Ort moved to the front, Name widened.
        QHeaderView *titles = f.grid()->horizontalHeader();
        titles->moveSection(titles->visualIndex(f.column("Ort")), 0);
        titles->resizeSection(f.column("Name"), 211);
        QStringList companions;
        for (const char *ext : {".pro", ".cb", ".fil", ".ini"})
            companions << QString::fromLatin1(
                f.folder.readBytes(QStringLiteral("Data/Database") + QLatin1String(ext)).toHex());
        for (bool a : answers)
            f.ui().queueConfirm(a);
        f.form->Datenbankkomplettleeren1->trigger();
        QCOMPARE(f.ui().pendingAnswers(), 0);
        QVERIFY(!f.ui().ranDry());
        QCOMPARE(f.table()->recordCount(), emptied ? 0 : 8);
        QCOMPARE(f.form->StatusPanel->text(),
                 emptied ? QStringLiteral("0 Datensätze") : QStringLiteral("8 Datensätze"));
        QStringList after;
        for (const char *ext : {".pro", ".cb", ".fil", ".ini"})
            after << QString::fromLatin1(
                f.folder.readBytes(QStringLiteral("Data/Database") + QLatin1String(ext)).toHex());
        QCOMPARE(after, companions);
        QCOMPARE(titles->logicalIndex(0), f.column("Ort"));
        QCOMPARE(titles->sectionSize(f.column("Name")), 211);
        if (emptied) {
            QVERIFY(QFile::exists(f.folder.dataPath() + QStringLiteral("Database.grd")));
            QVERIFY(!f.table()->isFiltered());
            // New records count on from 1 again in a new table file.
            addRecord(*f.table(), {{QStringLiteral("Name"), QStringLiteral("Neu")}});
            QCOMPARE(f.table()->recordCount(), 1);
        }
        QCOMPARE(f.ui().waitDepth(), 0);
        QCOMPARE(f.ui().texts(Kind::Error), QStringList{});
    }

    void doubleClickAndSpace_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how"); // "space" or "double click"
        QTest::addColumn<bool>("gridEditing");
        QTest::addColumn<QString>("outcome"); // "toggled", "editor", "nothing"
        QTest::newRow("space on the mark") << "Selected"
                                           << "space" << false << "toggled";
        QTest::newRow("double click on the mark") << "Selected"
                                                  << "double click" << false << "toggled";
        QTest::newRow("space on Invalid") << "Invalid"
                                          << "space" << false << "toggled";
        QTest::newRow("space on a name") << "Name"
                                         << "space" << false << "editor";
        QTest::newRow("double click on a name") << "Name"
                                                << "double click" << false << "editor";
        // While editing in the grid, the space bar is the in-place editor's.
        QTest::newRow("space while grid editing") << "Selected"
                                                  << "space" << true << "nothing";
        QTest::newRow("double click while grid editing") << "Selected"
                                                         << "double click" << true << "toggled";
    }

    void doubleClickAndSpace()
    {
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(bool, gridEditing);
        QFETCH(QString, outcome);
        Fixture f;
        f.makeTable();
        f.start();
        Table &t = *f.table();
        if (gridEditing)
            f.form->BearbeitenimGrid1->trigger();
        const QModelIndex index = f.cell(4, qPrintable(field)); // Schulz, marked
        f.grid()->setCurrentIndex(index);
        f.grid()->setFocus();
        const QString before = t.textAt(4, index.column());
        QString opened;
        int mode = -1;
        bool wheelKept = false;
        onModal([&](QWidget *w) {
            opened = w->objectName();
            if (auto *editor = qobject_cast<TEdForm *>(w))
                mode = editor->editorMode();
            wheelKept = f.form->wheelTranslation().isInstalled();
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->reject(); // Esc: the editor cancels and closes
        });
        if (how == QLatin1String("space")) {
            QTest::keyClick(f.grid(), Qt::Key_Space);
        } else {
            const QRect rect = f.grid()->visualRect(index);
            QTest::mouseDClick(f.grid()->viewport(), Qt::LeftButton, {}, rect.center());
        }
        QCoreApplication::processEvents();
        const QString after = t.textAt(4, index.column());
        if (outcome == QLatin1String("toggled")) {
            QCOMPARE(after, before == QLatin1String("Wahr") ? QStringLiteral("Falsch")
                                                            : QStringLiteral("Wahr"));
            QVERIFY(opened.isEmpty());
        } else if (outcome == QLatin1String("editor")) {
            QCOMPARE(opened, QStringLiteral("EdForm"));
            QCOMPARE(mode, int(emEdit));
            QVERIFY(wheelKept);
            QCOMPARE(after, before);
            QCOMPARE(f.form->focusWidget(), f.grid()); // once the window is active again
        } else {
            QCOMPARE(after, before);
            QVERIFY(opened.isEmpty());
            QVERIFY(f.grid()->isEditing());
        }
        QCOMPARE(t.position(), 4);
        QCOMPARE(f.ui().texts(Kind::Error), QStringList{});
    }

    void ctrlFOpensTheSearch()
    {
        Fixture f;
        f.makeTable();
        f.start();
        f.table()->moveTo(3);
        QString opened;
        onModal([&](QWidget *w) {
            opened = w->objectName();
            w->close();
        });
        QTest::keyClick(f.grid(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(opened, QStringLiteral("VNH_DB_SearchForm"));
        QCOMPARE(f.table()->position(), 3); // the search starts where the cursor is
        // F with another modifier as well is no search.
        opened.clear();
        onModal([&](QWidget *w) {
            opened = w->objectName();
            w->close();
        });
        QTest::keyClick(f.grid(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QCoreApplication::processEvents();
        QVERIFY(opened.isEmpty());
    }

    void editorCommands_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("mode");
        QTest::newRow("NewRec") << "NewRec" << int(emNew);
        QTest::newRow("EditRec") << "EditRec" << int(emEdit);
        QTest::newRow("DeleteRec") << "DeleteRec" << int(emDelete);
        QTest::newRow("BitBtn2") << "BitBtn2" << int(emNew);
        QTest::newRow("BitBtn3") << "BitBtn3" << int(emEdit);
        QTest::newRow("BitBtn9") << "BitBtn9" << int(emDelete);
    }

    void editorCommands()
    {
        QFETCH(QString, control);
        Fixture f;
        f.makeTable();
        f.start();
        int mode = -1;
        bool wheelKept = false;
        onModal([&](QWidget *w) {
            if (auto *editor = qobject_cast<TEdForm *>(w))
                mode = editor->editorMode();
            wheelKept = f.form->wheelTranslation().isInstalled();
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->reject(); // Esc: the editor cancels and closes
        });
        f.grid()->clearFocus();
        activate(*f.form, control);
        QTEST(mode, "mode");
        QVERIFY(wheelKept); // the editor does not follow the rule for modal windows
        QCOMPARE(f.form->focusWidget(), f.grid()); // once the window is active again
        QCOMPARE(f.table()->recordCount(), 8);
    }

    void walksLeaveNoWaitCursorAfterAnError_data()
    {
        QTest::addColumn<QString>("walk");
        QTest::newRow("ID range") << "range";
        QTest::newRow("wording") << "wording";
    }

    void walksLeaveNoWaitCursorAfterAnError()
    {
        QFETCH(QString, walk);
        Fixture f;
        f.makeTable({{"Erster", "Berlin", "Falsch"}, {"", "Berlin", "Falsch"}});
        makeRequired(f.tablePath(), QStringLiteral("Name"));
        f.start();
        Table &t = *f.table();
        if (walk == QLatin1String("range")) {
            onModal([](QWidget *w) {
                auto *dialog = qobject_cast<TDoIDForm *>(w);
                dialog->MaskEdit1->setText(QStringLiteral("1"));
                dialog->MaskEdit2->setText(QStringLiteral("2"));
                dialog->BitBtn1->click();
            });
            f.form->MarkierenvonIDbisID1->trigger();
        } else {
            onModal([](QWidget *w) {
                auto *window = qobject_cast<TFilter2Form *>(w);
                window->Edit1->setText(QStringLiteral("berlin"));
                window->OKButton->click();
                window->AbortButton->click();
            });
            f.form->ToolButton1->click();
        }
        QCOMPARE(f.ui().texts(Kind::Error).size(), 1);
        QVERIFY(f.ui().texts(Kind::Error).first().contains(QStringLiteral("Name")));
        QCOMPARE(f.ui().entries().first().waitDepth, 0); // the message comes without it
        QCOMPARE(f.ui().waitDepth(), 0);
        QVERIFY(!t.controlsDisabled());
        QCOMPARE(t.state(), Table::State::Browse);
        QCOMPARE(f.form->statusText(), QString());
        QCOMPARE(markedNames(t), QStringList{"Erster"});
        // The grid shows the table again.
        QCOMPARE(f.grid()->model()->rowCount(), 2);
    }

    void gridEditingSwitch()
    {
        Fixture f;
        f.makeTable();
        f.start();
        QVERIFY(f.form->BearbeitenimGrid1->isCheckable());
        f.form->BearbeitenimGrid1->trigger();
        QVERIFY(f.form->GridEditing);
        QVERIFY(f.form->BearbeitenimGrid1->isChecked());
        QVERIFY(f.grid()->inPlaceEditing());
        QCOMPARE(f.grid()->fontColor(), QColor(Qt::blue));
        QVERIFY(f.grid()->model()->flags(f.cell(0, "Name")) & Qt::ItemIsEditable);
        QCOMPARE(f.form->focusWidget(), f.grid()); // once the window is active again
        // A value the store refuses: its message, the record unchanged.
        QVERIFY(!f.grid()->model()->setData(f.cell(0, "Selected"), QStringLiteral("jein")));
        QCOMPARE(f.ui().texts(Kind::Error).size(), 1);
        QCOMPARE(f.table()->textAt(0, f.column("Selected")), QStringLiteral("Falsch"));
        f.form->BearbeitenimGrid1->trigger();
        QVERIFY(!f.form->GridEditing);
        QVERIFY(!f.form->BearbeitenimGrid1->isChecked());
        QCOMPARE(f.grid()->fontColor(), QColor(Qt::black));
        QVERIFY(!(f.grid()->model()->flags(f.cell(0, "Name")) & Qt::ItemIsEditable));
    }

    void copyCurrentCell()
    {
        Fixture f;
        f.makeTable();
        f.start();
        f.grid()->setCurrentIndex(f.cell(2, "Name"));
        f.form->CopyDBGridToClipboard->trigger();
        QCOMPARE(f.scripted.clipboard().text(), QStringLiteral("MüLLER"));
        f.grid()->setCurrentIndex(f.cell(4, "Selected"));
        f.form->CopyDBGridToClipboard->trigger();
        QCOMPARE(f.scripted.clipboard().text(), QStringLiteral("Wahr"));
    }
};

QTEST_MAIN(GridCommandsTest)
#include "tst_gridcommands.moc"
