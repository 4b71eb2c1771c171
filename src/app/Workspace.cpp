#include "app/Workspace.h"

#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "platform/UserInterface.h"
#include "util/ShellHelpers.h"
#include "view/DBGrid.h"
#include "view/DatabaseView.h"

#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QWidget>

#include <exception>

Workspace::Workspace(Platform platform, ProductProfile profile, AppFolders folders)
    : m_platform(platform), m_profile(std::move(profile)), m_folders(std::move(folders))
{
}

void Workspace::setDatabase(MainDatabase *database, DatabaseView *view)
{
    m_database = database;
    m_view = view;
}

void Workspace::setStatusBar(QLabel *statusText, QWidget *statusBar)
{
    m_statusText = statusText;
    m_statusBar = statusBar;
}

QList<GridColumn> Workspace::gridColumns() const
{
    return m_view ? m_view->columns() : QList<GridColumn>();
}

Table *Workspace::table() const
{
    return m_database ? m_database->openTable() : nullptr;
}

Table *Workspace::requireTable()
{
    Table *t = table();
    if (!t)
        ui().information(QStringLiteral("Zuerst Datenbank öffnen!"));
    return t;
}

void Workspace::setStatusText(const QString &text)
{
    if (m_statusText)
        m_statusText->setText(text);
}

QString Workspace::statusText() const
{
    return m_statusText ? m_statusText->text() : QString();
}

void Workspace::showProgress(const QString &text)
{
    setStatusText(text);
    // A walk keeps the event loop from painting; paint here, but not more
    // often than the eye can follow, so a long walk is not slowed down.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_statusBar && (text.isEmpty() || now - m_lastProgressPaint >= 40)) {
        m_lastProgressPaint = now;
        m_statusBar->repaint();
    }
}

void Workspace::showRecordCount()
{
    if (!m_database)
        return;
    const int count = m_database->recordCount();
    if (m_view)
        m_view->ShowRecordCount(count);
    emit recordCountShown(count);
}

int Workspace::execModal(QDialog &dialog)
{
    const ModalWindowRule rule(m_wheel);
    return execKeepingWheel(dialog);
}

int Workspace::execKeepingWheel(QDialog &dialog)
{
    return m_modalRunner ? m_modalRunner(dialog) : dialog.exec();
}

QString Workspace::helpPagePath() const
{
    return m_folders.helpFolder + m_profile.helpPage;
}

QString Workspace::helpPagePath(const QString &page) const
{
    return m_folders.helpFolder + page;
}

QString Workspace::wizardPicturePath() const
{
    return m_folders.pictureFolder + m_profile.wizardPicture;
}

void Workspace::openHelpPage(const QString &page)
{
    ShowHelpPage(m_platform, helpPagePath(page));
}

void Workspace::openMainHelp()
{
    // The help menu falls back to the browser where the shell cannot open the page.
    if (!OpenLocalPage(m_platform.shell, m_platform.registry, helpPagePath()))
        m_platform.ui.plainMessage(BrowserFailureText());
}

bool Workspace::run(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const TableError &e) {
        ui().error(e.message());
    } catch (const std::exception &e) {
        ui().error(QString::fromUtf8(e.what()));
    }
    return false;
}
