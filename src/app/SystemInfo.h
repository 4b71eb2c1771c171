#pragma once

#include <QString>

class SpecialFolders;
class Registry;

// The system information of the Windows original (TWindowsInfo), computed
// once before any window exists. Folders come without a trailing separator;
// an item that cannot be found stays empty.
struct SystemInfo
{
    QString documents;
    QString applicationData;
    QString programFiles;
    QString addressBookFile;

    static SystemInfo Compute(SpecialFolders &folders, Registry &registry);
};

inline constexpr const char *ProgramFilesKey =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char *AddressBookKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Wab\\Wab4\\Wab File Name";

// True on systems newer than Windows XP; every system this build runs on
// outside Windows counts as one.
bool IsVistaOrLater();

// True when "Windows Live/Mail/wlmail.exe" lies below programFilesFolder.
bool WindowsLiveMailInstalled(const QString &programFilesFolder);
