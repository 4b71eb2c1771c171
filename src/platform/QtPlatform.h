#pragma once

#include "platform/DesktopShell.h"
#include "platform/IniRegistry.h"
#include "platform/Platform.h"
#include "platform/QtClipboard.h"
#include "platform/QtUserInterface.h"
#include "platform/SystemSpecialFolders.h"

// The real platform services of a desktop run; the main window owns one.
class QtPlatform
{
public:
    // registryPath "" means IniRegistry::defaultPath().
    explicit QtPlatform(const QString &title = {}, const QString &registryPath = {})
        : m_ui(title), m_registry(registryPath)
    {
    }
    QtPlatform(const QtPlatform &) = delete;
    QtPlatform &operator=(const QtPlatform &) = delete;

    Platform platform() { return {m_ui, m_shell, m_registry, m_folders, m_clipboard}; }

    QtUserInterface &ui() { return m_ui; }
    DesktopShell &shell() { return m_shell; }
    IniRegistry &registry() { return m_registry; }
    SystemSpecialFolders &folders() { return m_folders; }
    QtClipboard &clipboard() { return m_clipboard; }

private:
    QtUserInterface m_ui;
    DesktopShell m_shell;
    IniRegistry m_registry;
    SystemSpecialFolders m_folders;
    QtClipboard m_clipboard;
};
