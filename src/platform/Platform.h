#pragma once

class UserInterface;
class Shell;
class Registry;
class SpecialFolders;
class Clipboard;

// The platform services, handed from the main window to whoever needs them.
// It only refers to them: QtPlatform or ScriptedPlatform owns the objects.
struct Platform
{
    UserInterface &ui;
    Shell &shell;
    Registry &registry;
    SpecialFolders &folders;
    Clipboard &clipboard;
};
