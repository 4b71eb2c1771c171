#pragma once

#include <QString>

class Registry;

// The maker's separate serial e-mail program, found through its uninstall
// registration: "InstallLocation" of the first key that has one, plus the
// key's program file.
inline constexpr const char *SerialMailKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sendora_is1";
inline constexpr const char *SerialMailClientKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
    "Sendora Enterprise Client_is1";

// The program's path, or "" when neither key names a folder. A folder
// without a trailing separator gets one, so the file name is never glued to
// the folder's name.
QString FindSerialMailProgram(Registry &registry);
