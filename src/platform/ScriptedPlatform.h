#pragma once

#include "platform/FixedSpecialFolders.h"
#include "platform/MemoryClipboard.h"
#include "platform/MemoryRegistry.h"
#include "platform/Platform.h"
#include "platform/ScriptedShell.h"
#include "platform/ScriptedUserInterface.h"

#include <QTemporaryDir>

// The doubles of all platform services, for tests. The special folders lie
// in a temporary directory of their own: "Documents", "AppData", "Home",
// "Temp" and "Programme" exist and are empty; nothing below them (such as the
// letters folder) is created.
class ScriptedPlatform
{
public:
    ScriptedPlatform();
    ScriptedPlatform(const ScriptedPlatform &) = delete;
    ScriptedPlatform &operator=(const ScriptedPlatform &) = delete;

    Platform platform() { return {m_ui, m_shell, m_registry, m_folders, m_clipboard}; }

    ScriptedUserInterface &ui() { return m_ui; }
    ScriptedShell &shell() { return m_shell; }
    MemoryRegistry &registry() { return m_registry; }
    FixedSpecialFolders &folders() { return m_folders; }
    MemoryClipboard &clipboard() { return m_clipboard; }
    // The temporary directory holding the folders, without trailing separator.
    QString rootPath() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
    ScriptedUserInterface m_ui;
    ScriptedShell m_shell;
    MemoryRegistry m_registry;
    FixedSpecialFolders m_folders;
    MemoryClipboard m_clipboard;
};
