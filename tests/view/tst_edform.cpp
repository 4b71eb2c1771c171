#include "AddressTable.h"
#include "TestWorkspace.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "view/EdForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kName = QStringLiteral("Name");

// A database with fields the hiding rule and the combo rule care about; Name
// is required. No ID field: "Id" would clash with it in the store.
QStringList customDefinitions()
{
    return {
        QStringLiteral("FELDNAME|FELDTYP|PFLICHT|GROESSE|INDEXNAME|INDEXFELDER|PRIMAER|SORTIERBAR|"
                       "ANZEIGENAME"),
        QStringLiteral("Id          | ftInteger | False | 0  |   |   |   | FALSE | Nummer"),
        QStringLiteral("VertragsID  | ftString  | False | 20 |   |   |   | FALSE | Vertrag"),
        QStringLiteral("ArchiveDate | ftDate    | False | 0  |   |   |   | FALSE |  "),
        QStringLiteral("archive     | ftBoolean | False | 0  |   |   |   | FALSE | Archiviert"),
        QStringLiteral("Selected    | ftBoolean | False | 0  |   |   |   | FALSE | Markiert"),
        QStringLiteral("Aktiv       | ftBoolean | False | 0  |   |   |   | FALSE | Aktiv"),
        QStringLiteral("Anrede      | ftString  | False | 30 |   |   |   | FALSE | Anrede"),
        QStringLiteral("Name        | ftString  | TRUE  | 60 |   |   |   | FALSE | Nachname"),
        QStringLiteral("Ort         | ftString  | False | 40 |   |   |   | FALSE | Wohnort"),
    };
}

QStringList customCombos()
{
    return {QStringLiteral("FELDNAME|EINTRAEGE"), QStringLiteral("Aktiv|Ja;Nein"),
            QStringLiteral("Anrede|Herr=1;Frau=2"), QStringLiteral("Ort|Berlin"),
            QStringLiteral("Ort|Bonn;;Bremen")};
}

struct Run
{
    int result = -1;
    bool shown = false;    // the editor was the active modal window
    bool leftOpen = false; // the script ended with the editor still open
};

// The main window's open database on a fresh program folder, and its editor.
struct Fixture
{
    TestWorkspace w;
    ProgramFolder &folder = w.folder;
    ScriptedPlatform &scripted = w.scripted;
    MainDatabase *db = &w.database;
    QString helpPage;
    std::unique_ptr<TEdForm> editor;

    // Without lines, the stock database.
    explicit Fixture(const QStringList &definitions = {}, const QStringList &combos = {})
    {
        if (!definitions.isEmpty())
            folder.writeLines(QStringLiteral("Data/Database.pro"), definitions);
        if (!combos.isEmpty())
            folder.writeLines(QStringLiteral("Data/Database.cb"), combos);
        w.open();
        helpPage = w.workspace.helpPagePath();
        editor = std::make_unique<TEdForm>(w.workspace);
    }

    Table &table() { return *db->table(); }
    QString text(const QString &field) { return table().fieldByName(field).asString(); }
    bool flag(const QString &field) { return table().fieldByName(field).asBoolean(); }

    // Shows the editor and runs script on it once it is up; whatever the
    // script leaves open is cancelled, so a failed check never hangs.
    Run run(TEditorMode mode, const std::function<void(TEdForm &)> &script)
    {
        Run run;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            run.shown = QApplication::activeModalWidget() == editor.get();
            if (run.shown)
                script(*editor);
            if (editor->isVisible()) {
                run.leftOpen = true;
                editor->AbortSpeedButton->click();
            }
        });
        timer.start(0);
        run.result = editor->ShowEditor(mode);
        timer.stop();
        return run;
    }

    template <typename T> T *control(const QString &name) const
    {
        return editor->findChild<T *>(name);
    }
    QStringList generatedControls() const
    {
        QStringList names;
        static const QRegularExpression prefix(QStringLiteral("^(Label|Edit|Combo|Check)_"));
        for (QWidget *w : editor->findChildren<QWidget *>(prefix))
            names << w->objectName();
        return names;
    }
};

// Replaces the text of an edit or a combo box as a user types it.
void typeInto(QWidget *control, const QString &text)
{
    QLineEdit *edit = qobject_cast<QLineEdit *>(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        edit = combo->lineEdit();
    QVERIFY(edit);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(control, Qt::Key_Backspace);
    else
        QTest::keyClicks(control, text);
}

// Clicks the box itself, as a user ticks it.
void tick(QCheckBox *box)
{
    QVERIFY(box);
    const bool before = box->isChecked();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(box->isChecked() != before);
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

} // namespace

class EdFormTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsFollowTheDefinitionFile_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("entries");

        const QStringList none;
        QTest::newRow("integer") << "Id"
                                 << "Edit_Id" << 1 << true << "Nummer"
                                 << "7" << none;
        QTest::newRow("ID inside the name hides") << "VertragsID"
                                                  << "Edit_VertragsID" << 2 << false << "Vertrag"
                                                  << "V-1" << none;
        QTest::newRow("blank display name gives the field name")
            << "ArchiveDate"
            << "Edit_ArchiveDate" << 3 << true << "ArchiveDate"
            << "" << none;
        QTest::newRow("archive in any case hides") << "archive"
                                                   << "Check_archive" << 4 << false << "Archiviert"
                                                   << "Falsch" << none;
        QTest::newRow("boolean") << "Selected"
                                 << "Check_Selected" << 5 << true << "Markiert"
                                 << "Wahr" << none;
        QTest::newRow("boolean with combo line") << "Aktiv"
                                                 << "Combo_Aktiv" << 6 << true << "Aktiv"
                                                 << "Wahr" << QStringList{"Ja", "Nein"};
        QTest::newRow("keyed combo entries") << "Anrede"
                                             << "Combo_Anrede" << 7 << true << "Anrede"
                                             << "Frau" << QStringList{"Herr", "Frau"};
        QTest::newRow("last combo line wins, free text shown")
            << "Ort"
            << "Combo_Ort" << 9 << true << "Wohnort"
            << "Potsdam" << QStringList{"Bonn", "Bremen"};
    }

    void rowsFollowTheDefinitionFile()
    {
        QFETCH(QString, field);
        QFETCH(QString, control);
        QFETCH(int, row);
        QFETCH(bool, visible);
        QFETCH(QString, caption);
        QFETCH(QString, value);
        QFETCH(QStringList, entries);

        Fixture f(customDefinitions(), customCombos());
        QVERIFY(f.db->hasTable());
        addRecord(f.table(), {{"Id", "7"},
                              {"VertragsID", "V-1"},
                              {"Selected", "Wahr"},
                              {"Aktiv", "Wahr"},
                              {"Anrede", "Frau"},
                              {kName, "Meyer"},
                              {"Ort", "Potsdam"}});

        for (int opening = 1; opening <= 2; ++opening) {
            const Run run = f.run(emEdit, [&](TEdForm &e) {
                QCOMPARE(e.windowTitle(), QStringLiteral("Editor"));
                QVERIFY(e.windowFlags() & Qt::WindowStaysOnTopHint);
                QVERIFY(!(e.windowFlags() & Qt::WindowCloseButtonHint));
                QCOMPARE(e.ESLabel1->text(), QStringLiteral("Bearbeiten"));
                QCOMPARE(e.OKSpeedButton->text(), QStringLiteral("Speichern (F2)"));

                // One control per row, only of the kind the row asks for.
                const QStringList names = f.generatedControls();
                QCOMPARE(names.size(), 2 * 9);
                QStringList own = names.filter(QRegularExpression("_" + field + "$"));
                own.sort();
                QCOMPARE(own, (QStringList{control, "Label_" + field}));

                auto *w = f.control<QWidget>(control);
                auto *label = f.control<QLabel>("Label_" + field);
                QVERIFY(w && label);
                QVERIFY(e.ScrollBox1->widget()->isAncestorOf(w));
                const int top = (row - 1) * 20;
                QCOMPARE(w->geometry(), QRect(120, top, 250, 20));
                QCOMPARE(label->geometry(), QRect(20, top + 2, 250, 20));
                QCOMPARE(w->isVisible(), visible);
                QCOMPARE(label->isVisible(), visible);
                QCOMPARE(label->text(), caption);

                if (auto *combo = qobject_cast<QComboBox *>(w)) {
                    QVERIFY(combo->isEditable());
                    QCOMPARE(combo->maxVisibleItems(), 40);
                    QStringList items;
                    for (int i = 0; i < combo->count(); ++i)
                        items << combo->itemText(i);
                    QCOMPARE(items, entries);
                    QCOMPARE(combo->currentText(), value);
                } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
                    QVERIFY(check->text().isEmpty());
                    QCOMPARE(check->property("tag").toInt(), row);
                    QCOMPARE(check->isChecked(), value == QStringLiteral("Wahr"));
                } else {
                    QCOMPARE(qobject_cast<QLineEdit *>(w)->text(), value);
                }
                // Nothing was changed, so nothing is posted and the window closes.
                e.OKSpeedButton->click();
            });
            QVERIFY(run.shown);
            QVERIFY(!run.leftOpen);
            QCOMPARE(run.result, int(QDialog::Accepted));
            QVERIFY2(f.generatedControls().isEmpty(), "the rows go with the window");
        }
        QCOMPARE(f.table().state(), Table::State::Browse);
        QVERIFY(f.scripted.ui().entries().isEmpty());
    }

    void aHeaderOnlyDefinitionGivesAnEmptyEditor()
    {
        Fixture f;
        addRecord(f.table(), {{kName, "Meyer"}});
        f.folder.writeLines(QStringLiteral("Data/Database.pro"),
                            {QStringLiteral("FELDNAME|FELDTYP|ANZEIGENAME")});
        f.db->OpenDatabase(QStringLiteral("Database.ini"));
        QCOMPARE(f.db->fieldDefinitionLines().size(), 1);

        const Run run = f.run(emEdit, [&](TEdForm &e) {
            QVERIFY(f.generatedControls().isEmpty());
            QVERIFY(e.isVisible());
            QTest::keyClick(e.HilfeBitBtn, Qt::Key_F2);
        });
        QVERIFY(run.shown);
        QVERIFY(!run.leftOpen);
        QCOMPARE(f.table().recordCount(), 1);
        QVERIFY(f.scripted.ui().entries().isEmpty());
    }

    void aNewRecordStartsMarkedAndIsCurrentAfterSaving()
    {
        Fixture f;
        addRecord(f.table(), {{kName, "Adler"}});
        addRecord(f.table(), {{kName, "Claasen"}});
        f.table().setIndexName(kName);
        f.table().first();

        const Run run = f.run(emNew, [&](TEdForm &e) {
            QCOMPARE(e.ESLabel1->text(), QStringLiteral("Neueingabe"));
            QCOMPARE(e.ESLabel1->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(f.table().state(), Table::State::Insert);
            QVERIFY(f.control<QCheckBox>("Check_Selected")->isChecked());
            QVERIFY(!f.control<QCheckBox>("Check_Invalid")->isChecked());
            QVERIFY(f.control<QLineEdit>("Edit_Name")->text().isEmpty());
            typeInto(f.control<QWidget>("Edit_Name"), "Berger");
            typeInto(f.control<QWidget>("Combo_Land"), "Schweiz");
            QTest::keyClick(f.control<QWidget>("Combo_Land"), Qt::Key_F2);
        });
        QVERIFY(run.shown);
        QVERIFY(!run.leftOpen);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(f.table().state(), Table::State::Browse);
        QCOMPARE(f.table().recordCount(), 3);
        // The reopened table stands on the new record, in its sorted place.
        QCOMPARE(f.text(kName), QStringLiteral("Berger"));
        QCOMPARE(f.table().position(), 1);
        QCOMPARE(f.text("Land"), QStringLiteral("Schweiz"));
        QVERIFY(f.flag("Selected"));
        QVERIFY(!f.flag("Invalid"));
        QVERIFY(f.scripted.ui().entries().isEmpty());
    }

    void anEditedRecordIsCurrentAfterSaving()
    {
        Fixture f;
        for (const char *name : {"Adler", "Berger", "Claasen"})
            addRecord(f.table(), {{kName, name}, {"Ort", "Bonn"}});
        f.table().setIndexName(kName);
        f.table().first();
        f.table().next(); // Berger

        const Run run = f.run(emEdit, [&](TEdForm &e) {
            QCOMPARE(f.control<QLineEdit>("Edit_Name")->text(), QStringLiteral("Berger"));
            typeInto(f.control<QWidget>("Edit_Name"), "Zander");
            QCOMPARE(f.table().state(), Table::State::Edit);
            tick(f.control<QCheckBox>("Check_Invalid"));
            tick(f.control<QCheckBox>("Check_Selected"));
            // Arrow keys stay with the combo box: the first entry is chosen.
            auto *anrede = f.control<QComboBox>("Combo_Anrede");
            QTest::keyClick(anrede, Qt::Key_Down);
            QCOMPARE(anrede->currentText(), QStringLiteral("Herr"));
            e.OKSpeedButton->click();
        });
        QVERIFY(run.shown);
        QVERIFY(!run.leftOpen);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(f.table().state(), Table::State::Browse);
        QCOMPARE(f.table().recordCount(), 3);
        QCOMPARE(f.text(kName), QStringLiteral("Zander"));
        QCOMPARE(f.table().position(), 2);
        QCOMPARE(f.text("Anrede"), QStringLiteral("Herr"));
        QCOMPARE(f.text("Ort"), QStringLiteral("Bonn"));
        QVERIFY(f.flag("Invalid"));
        QVERIFY(f.flag("Selected"));
    }

    void cancelLeavesTheTableAsItWas_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("new, Esc") << int(emNew) << true;
        QTest::newRow("new, button") << int(emNew) << false;
        QTest::newRow("edit, Esc") << int(emEdit) << true;
        QTest::newRow("edit, button") << int(emEdit) << false;
    }

    void cancelLeavesTheTableAsItWas()
    {
        QFETCH(int, mode);
        QFETCH(bool, byKey);
        Fixture f;
        addRecord(f.table(), {{kName, "Adler"}});
        addRecord(f.table(), {{kName, "Berger"}, {"Anrede", "Frau"}});
        f.table().first();

        const Run run = f.run(TEditorMode(mode), [&](TEdForm &e) {
            typeInto(f.control<QWidget>("Edit_Name"), "Xaver");
            typeInto(f.control<QWidget>("Combo_Anrede"), "Herr");
            tick(f.control<QCheckBox>("Check_Invalid"));
            QVERIFY(f.table().state() != Table::State::Browse);
            if (byKey)
                QTest::keyClick(f.control<QWidget>("Combo_Anrede"), Qt::Key_Escape);
            else
                e.AbortSpeedButton->click();
        });
        QVERIFY(run.shown);
        QVERIFY(!run.leftOpen);
        QCOMPARE(run.result, int(QDialog::Rejected));
        QCOMPARE(f.table().state(), Table::State::Browse);
        QCOMPARE(f.table().recordCount(), 2);
        QCOMPARE(f.text(kName), QStringLiteral("Adler"));
        QCOMPARE(f.text("Anrede"), QString());
        QVERIFY(!f.flag("Invalid"));
        f.table().last();
        QCOMPARE(f.text(kName), QStringLiteral("Berger"));
        QCOMPARE(f.text("Anrede"), QStringLiteral("Frau"));
    }

    void deletionAsksFirst_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("remaining");
        QTest::newRow("yes") << 2 << true << 1;
        QTest::newRow("no") << 2 << false << 2;
        QTest::newRow("empty table") << 0 << true << 0;
    }

    void deletionAsksFirst()
    {
        QFETCH(int, records);
        QFETCH(bool, yes);
        QFETCH(int, remaining);
        Fixture f;
        for (int i = 1; i <= records; ++i)
            addRecord(f.table(), {{kName, QStringLiteral("Person %1").arg(i)}});
        QString storeMessage;
        if (records == 0) {
            try {
                f.table().deleteRecord();
            } catch (const TableError &e) {
                storeMessage = e.message();
            }
            QVERIFY(!storeMessage.isEmpty());
        } else {
            f.table().first();
        }
        f.scripted.ui().queueConfirm(yes);

        const Run run = f.run(emDelete, [&](TEdForm &e) {
            QCOMPARE(e.ESLabel1->text(), QStringLiteral("Löschen"));
            QCOMPARE(e.ESLabel1->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(e.OKSpeedButton->text(), QStringLiteral("Löschen (F2)"));
            QCOMPARE(e.OKSpeedButton->palette().color(QPalette::ButtonText), QColor(Qt::red));
            // What is touched while deleting is not kept.
            typeInto(f.control<QWidget>("Edit_Name"), "Xaver");
            tick(f.control<QCheckBox>("Check_Invalid"));
            QTest::keyClick(f.control<QWidget>("Edit_Name"), Qt::Key_F2);
        });
        QVERIFY(run.shown);
        QVERIFY(!run.leftOpen);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(f.scripted.ui().texts(ScriptedUserInterface::Kind::Confirm),
                 QStringList{QStringLiteral("Datensatz wirklich löschen?")});
        QCOMPARE(f.scripted.ui().texts(ScriptedUserInterface::Kind::Error),
                 storeMessage.isEmpty() ? QStringList() : QStringList{storeMessage});
        QCOMPARE(f.table().state(), Table::State::Browse);
        QCOMPARE(f.table().recordCount(), remaining);
        if (remaining > 0) {
            f.table().first();
            QCOMPARE(f.text(kName), QStringLiteral("Person %1").arg(records - remaining + 1));
            QVERIFY(!f.flag("Invalid"));
        }

        // The next opening for editing shows the ordinary heading again.
        const Run edit = f.run(emEdit, [&](TEdForm &e) {
            QCOMPARE(e.OKSpeedButton->text(), QStringLiteral("Speichern (F2)"));
            QCOMPARE(e.ESLabel1->palette().color(QPalette::WindowText), QColor(Qt::black));
            e.AbortSpeedButton->click();
        });
        QVERIFY(edit.shown);
    }

    void aRefusedSaveKeepsTheEditorOpen_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("required field empty, F2") << true << ""
                                                  << ""
                                                  << "Name";
        QTest::newRow("required field empty, button") << false << ""
                                                      << ""
                                                      << "Name";
        QTest::newRow("not a date") << true << "Meyer"
                                    << "kein Datum"
                                    << "kein Datum";
    }

    void aRefusedSaveKeepsTheEditorOpen()
    {
        QFETCH(bool, byKey);
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, messagePart);
        Fixture f(customDefinitions(), customCombos());

        const Run run = f.run(emNew, [&](TEdForm &e) {
            auto *nameEdit = f.control<QWidget>("Edit_Name");
            if (!name.isEmpty())
                typeInto(nameEdit, name);
            if (!date.isEmpty())
                typeInto(f.control<QWidget>("Edit_ArchiveDate"), date);
            if (byKey)
                QTest::keyClick(nameEdit, Qt::Key_F2);
            else
                e.OKSpeedButton->click();

            QVERIFY(e.isVisible());
            QVERIFY(!e.CloseAllowed);
            QCOMPARE(f.table().state(), Table::State::Insert);
            const QStringList errors = f.scripted.ui().texts(ScriptedUserInterface::Kind::Error);
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.first().contains(messagePart), qPrintable(errors.first()));

            // Corrected, the same record is saved.
            typeInto(nameEdit, "Meyer");
            typeInto(f.control<QWidget>("Edit_ArchiveDate"), "");
            QTest::keyClick(nameEdit, Qt::Key_F2);
        });
        QVERIFY(run.shown);
        QVERIFY(!run.leftOpen);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(f.table().recordCount(), 1);
        QCOMPARE(f.text(kName), QStringLiteral("Meyer"));
        QCOMPARE(f.text("ArchiveDate"), QString());
        QVERIFY(f.flag("Selected"));
        QCOMPARE(f.scripted.ui().texts(ScriptedUserInterface::Kind::Error).size(), 1);
    }

    void keysMoveThroughTheVisibleRows()
    {
        Fixture f(customDefinitions(), customCombos());
        const Run run = f.run(emNew, [&](TEdForm &e) {
            QTRY_COMPARE(focused(), f.control<QWidget>("Edit_Id"));
            QTest::keyClick(focused(), Qt::Key_Return);
            QCOMPARE(focused(), f.control<QWidget>("Edit_ArchiveDate")); // VertragsID hidden
            QTest::keyClick(focused(), Qt::Key_PageDown);
            QCOMPARE(focused(), f.control<QWidget>("Check_Selected")); // archive hidden
            QTest::keyClick(focused(), Qt::Key_Enter);
            QCOMPARE(focused(), f.control<QWidget>("Combo_Aktiv"));
            QTest::keyClick(focused(), Qt::Key_Down);
            QCOMPARE(focused(), f.control<QWidget>("Combo_Aktiv"));
            QCOMPARE(f.control<QComboBox>("Combo_Aktiv")->currentText(), QStringLiteral("Ja"));
            QTest::keyClick(focused(), Qt::Key_PageUp);
            QCOMPARE(focused(), f.control<QWidget>("Check_Selected"));

            // Enter on the help button moves on too; it does not open help.
            e.HilfeBitBtn->setFocus();
            QTest::keyClick(e.HilfeBitBtn, Qt::Key_Return);
            QVERIFY(focused() != e.HilfeBitBtn);
            QVERIFY(f.scripted.shell().calls().isEmpty());
            QTest::keyClick(e.HilfeBitBtn, Qt::Key_Escape);
        });
        QVERIFY(run.shown);
        QVERIFY(!run.leftOpen);
        QCOMPARE(run.result, int(QDialog::Rejected));
        QCOMPARE(f.table().recordCount(), 0);
    }

    void helpOpensTheHelpPage_data()
    {
        QTest::addColumn<bool>("started");
        QTest::newRow("browser starts") << true;
        QTest::newRow("no browser") << false;
    }

    void helpOpensTheHelpPage()
    {
        QFETCH(bool, started);
        Fixture f;
        f.scripted.shell().queueResult(started);
        f.run(emEdit, [&](TEdForm &e) {
            QTest::mouseClick(e.HilfeBitBtn, Qt::LeftButton);
            QVERIFY(e.isVisible());
            e.AbortSpeedButton->click();
        });
        QCOMPARE(f.scripted.shell().calls().size(), 1);
        QCOMPARE(f.scripted.shell().calls().first().target, f.helpPage);
        QCOMPARE(f.scripted.ui().texts(ScriptedUserInterface::Kind::Plain),
                 started ? QStringList()
                         : QStringList{QStringLiteral(
                               "Unable to start internet browser! Make sure you have it properly "
                               "set-up on your system!")});
    }
};

QTEST_MAIN(EdFormTest)
#include "tst_edform.moc"
