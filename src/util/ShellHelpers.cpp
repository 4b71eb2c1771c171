#include "util/ShellHelpers.h"

#include "platform/Platform.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace {

// The program of an open command: the text between its first two double
// quotes, else the whole command.
QString BrowserFromCommand(const QString &command)
{
    const qsizetype first = command.indexOf(QLatin1Char('"'));
    if (first >= 0) {
        const qsizetype second = command.indexOf(QLatin1Char('"'), first + 1);
        if (second >= 0)
            return command.mid(first + 1, second - first - 1);
    }
    return command;
}

} // namespace

bool OpenInBrowser(Shell &shell, Registry &registry, const QString &address)
{
    const QString browser =
        BrowserFromCommand(registry.value(QString::fromLatin1(BrowserCommandKey)));
    // An empty browser cannot start, so it goes straight to the address.
    if (!browser.isEmpty() && shell.open(browser, address))
        return true;
    return shell.open(address);
}

bool OpenLocalPage(Shell &shell, Registry &registry, const QString &path)
{
    if (shell.open(path))
        return true;
    // A POSIX path brings its own leading slash: "file:///home/…", not "file:////home/…".
    QString tail = path;
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    // The browser gets the opening quote only, so a path with blanks stays
    // one parameter up to the end of the command line.
    return OpenInBrowser(shell, registry, QLatin1String("\"file:///") + tail);
}

QString BrowserFailureText()
{
    return QStringLiteral(
        "Unable to start internet browser! Make sure you have it properly set-up on your system!");
}

bool ShowHelpPage(Platform &platform, const QString &path)
{
    if (platform.shell.open(path))
        return true;
    platform.ui.plainMessage(BrowserFailureText());
    return false;
}

bool ShowWebPage(Platform &platform, const QString &address)
{
    if (OpenInBrowser(platform.shell, platform.registry, address))
        return true;
    platform.ui.plainMessage(BrowserFailureText());
    return false;
}
