#include "platform/QtUserInterface.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A dialog during a long walk gets the normal cursor back while it is up.
class NormalCursor
{
public:
    explicit NormalCursor(bool waiting) : m_active(waiting)
    {
        if (m_active)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor &) = delete;
    NormalCursor &operator=(const NormalCursor &) = delete;

private:
    bool m_active;
};

} // namespace

QtUserInterface::QtUserInterface(const QString &title)
    : m_title(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title)
{
}

QWidget *QtUserInterface::dialogParent() const
{
    return m_parent ? m_parent.data() : QApplication::activeWindow();
}

bool QtUserInterface::showMessage(QMessageBox::Icon icon, const QString &text, bool yesNo)
{
    NormalCursor cursor(m_waitDepth > 0);
    // Message texts break lines with a lone carriage return, which Qt
    // does not show as a break.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, m_title, shown, QMessageBox::NoButton, dialogParent());
    box.setTextFormat(Qt::PlainText);
    if (!yesNo) {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.exec();
        return true;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void QtUserInterface::information(const QString &text)
{
    showMessage(QMessageBox::Information, text, false);
}

bool QtUserInterface::confirm(const QString &text)
{
    return showMessage(QMessageBox::Question, text, true);
}

void QtUserInterface::error(const QString &text)
{
    showMessage(QMessageBox::Critical, text, false);
}

void QtUserInterface::plainMessage(const QString &text)
{
    showMessage(QMessageBox::NoIcon, text, false);
}

QString QtUserInterface::openFileName(const QString &caption, const QString &folder,
                                      const QString &filter)
{
    NormalCursor cursor(m_waitDepth > 0);
    return QFileDialog::getOpenFileName(dialogParent(), caption, folder, qtFilter(filter));
}

QString QtUserInterface::saveFileName(const QString &caption, const QString &folder,
                                      const QString &filter, const QString &defaultSuffix)
{
    NormalCursor cursor(m_waitDepth > 0);
    QFileDialog dialog(dialogParent(), caption, folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QString suffix = defaultSuffix;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString QtUserInterface::folder(const QString &caption, const QString &start)
{
    NormalCursor cursor(m_waitDepth > 0);
    return QFileDialog::getExistingDirectory(dialogParent(), caption, start);
}

void QtUserInterface::beginWait()
{
    if (m_waitDepth++ == 0)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::endWait()
{
    if (m_waitDepth == 0)
        return;
    if (--m_waitDepth == 0)
        QGuiApplication::restoreOverrideCursor();
}

QString QtUserInterface::qtFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')) || filter.contains(QLatin1String(";;")))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns;
        const QString patternText = i + 1 < parts.size() ? parts[i + 1] : QStringLiteral("*");
        for (QString pattern : patternText.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            // "*.*" means every file, also those without a dot.
            patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        // A description that shows its patterns already gets Qt's list instead.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (description.endsWith(QLatin1Char(')')) && open >= 0 &&
            description.indexOf(QLatin1Char('*'), open) >= 0)
            description = description.left(open).trimmed();
        result << description + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result.join(QLatin1String(";;"));
}
