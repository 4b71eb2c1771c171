#include "AddressTable.h"
#include "ProgramFolder.h"
#include "app/MainForm.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "platform/ScriptedPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The form-letter commands as the main window offers them: wired, enabled,
// guarded, and with the wheel translation off while their windows are up.
class MainLettersTest : public QObject
{
    Q_OBJECT

    ProgramFolder m_folder;
    ScriptedPlatform m_scripted;

    std::unique_ptr<MainForm> start()
    {
        QDir().mkpath(m_scripted.folders().applicationData() + QStringLiteral("/VARNHOLT/Lorvane"));
        QFile noWer(m_scripted.folders().applicationData() +
                    QStringLiteral("/VARNHOLT/Lorvane/NoWer.ini"));
        noWer.open(QIODevice::WriteOnly);
        return std::make_unique<MainForm>(
            m_scripted.platform(),
            ProductProfile::Compute(QStringLiteral("Lorvane"), m_folder.path()),
            SystemInfo::Compute(m_scripted.folders(), m_scripted.registry()), m_folder.path());
    }

private slots:
    void printWithNothingMarked()
    {
        auto form = start();
        QVERIFY(form->MailBitBtn->isEnabled());
        QVERIFY(form->SerienEmailschreiben1->isEnabled());
        m_scripted.ui().clear();
        form->SerienEmailschreiben1->trigger();
        const QStringList texts = m_scripted.ui().texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY(
            texts.first().startsWith(QStringLiteral("Keine Datensätze zum versenden markiert!")));
        QCOMPARE(m_scripted.ui().waitDepth(), 0);
        QVERIFY(!QFile::exists(m_scripted.folders().home() +
                               QStringLiteral("/MyLetters/Serienbrief.txt")));
    }

    void greetingWindowFollowsTheModalRule()
    {
        auto form = start();
        form->wheelTranslation().install();
        QString shown;
        bool wheelWasOn = true;
        QTimer::singleShot(0, this, [&] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w)
                return;
            shown = w->objectName();
            wheelWasOn = form->wheelTranslation().isInstalled();
            static_cast<QDialog *>(w)->reject();
        });
        form->Grussormel1->trigger();
        QCOMPARE(shown, QStringLiteral("GrussformelForm"));
        QVERIFY(!wheelWasOn);
        QVERIFY(form->wheelTranslation().isInstalled());
    }
};

QTEST_MAIN(MainLettersTest)
#include "tst_mainletters.moc"
