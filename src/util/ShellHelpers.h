#pragma once

#include <QString>

class Shell;
class Registry;
struct Platform;

// The registry key whose default value is the web browser's open command.
inline constexpr const char *BrowserCommandKey = "HKEY_CLASSES_ROOT\\http\\shell\\open\\command";

// Opens address in the registered web browser; when there is none or it
// cannot be started, opens the address itself. True when one of the two
// started; callers may ignore it.
bool OpenInBrowser(Shell &shell, Registry &registry, const QString &address);

// Opens the local file path (a help page); when the shell cannot, hands it
// to the browser as "\"file:///" + path. True when something was started.
bool OpenLocalPage(Shell &shell, Registry &registry, const QString &path);

// The plain message of a browser that cannot be started; English, as the
// shell's other failure messages.
QString BrowserFailureText();

// The help buttons: the shell opens a local help page, a web address goes
// to the browser; when nothing starts, the user reads BrowserFailureText.
// True when something started.
bool ShowHelpPage(Platform &platform, const QString &path);
bool ShowWebPage(Platform &platform, const QString &address);
