#include "AddressTable.h"
#include "ProgramFolder.h"
#include "app/MainForm.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "platform/ScriptedPlatform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// Search, filter window and presets as the main window offers them.
class MainSearchTest : public QObject
{
    Q_OBJECT

    ProgramFolder m_folder;
    ScriptedPlatform m_scripted;

    std::unique_ptr<MainForm> start()
    {
        const QString user =
            m_scripted.folders().applicationData() + QStringLiteral("/VARNHOLT/Lorvane/");
        QDir().mkpath(user);
        QFile noWer(user + QStringLiteral("NoWer.ini"));
        noWer.open(QIODevice::WriteOnly);
        return std::make_unique<MainForm>(
            m_scripted.platform(),
            ProductProfile::Compute(QStringLiteral("Lorvane_DB"), m_folder.path()),
            SystemInfo::Compute(m_scripted.folders(), m_scripted.registry()), m_folder.path());
    }

    // Runs the command and reports which modal window it showed, closing it.
    QString modalShownBy(const std::function<void()> &command, MainForm &form, bool *wheelOn)
    {
        QString shown;
        form.wheelTranslation().install();
        QTimer::singleShot(0, this, [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                shown = w->objectName();
                *wheelOn = form.wheelTranslation().isInstalled();
                static_cast<QDialog *>(w)->reject();
            }
        });
        command();
        return shown;
    }

private slots:
    void searchAndFilterWindowsOpen()
    {
        auto form = start();
        bool wheelOn = true;
        QCOMPARE(modalShownBy([&] { form->Suchen1->trigger(); }, *form, &wheelOn),
                 QStringLiteral("VNH_DB_SearchForm"));
        QCOMPARE(modalShownBy([&] { form->BitBtn13->click(); }, *form, &wheelOn),
                 QStringLiteral("FilterForm"));
        QVERIFY(!wheelOn);
        QVERIFY(form->wheelTranslation().isInstalled());
    }

    void choosingAPresetFiltersAndCounts()
    {
        auto form = start();
        Table *t = form->database().table();
        addRecord(*t, {{QStringLiteral("Name"), QStringLiteral("Mit")},
                       {QStringLiteral("Mail"), QStringLiteral("a@b.de")}});
        addRecord(*t, {{QStringLiteral("Name"), QStringLiteral("Ohne")}});
        const int withMail = form->ComboBox1->findText(QStringLiteral("Mit E-Mail"));
        QVERIFY(withMail > 0);
        form->ComboBox1->setCurrentIndex(withMail);
        emit form->ComboBox1->activated(withMail);
        QVERIFY(t->isFiltered());
        QCOMPARE(t->recordCount(), 1);
        QCOMPARE(form->StatusPanel->text(), QStringLiteral("1 Datensätze"));
        QVERIFY(m_scripted.ui().entries().isEmpty());
    }
};

QTEST_MAIN(MainSearchTest)
#include "tst_mainsearch.moc"
