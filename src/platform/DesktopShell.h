#pragma once

#include "platform/Shell.h"

// The shell on a Linux desktop. Addresses and documents go to
// QDesktopServices (xdg-open), programs are started detached with the
// parameters split as a command line. A target in double quotes is taken
// without them, as the Windows shell does. A local path that does not exist
// fails at once, so callers can fall back to something else.
class DesktopShell : public Shell
{
public:
    bool open(const QString &target, const QString &parameters = {}) override;
};
