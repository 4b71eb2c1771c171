#pragma once

#include <QString>

struct SystemInfo;

// The folders the program works with. Every path ends in the platform
// separator; a folder whose base is unknown stays empty.
struct AppFolders
{
    QString programFolder;  // "Buttons.ini", "ver.ini", "LastopenDB.inc", ...
    QString dataFolder;     // tables, descriptors, companion files
    QString imagesFolder;   // check-mark pictures
    QString pictureFolder;  // "recomSB": the profile's pictures
    QString helpFolder;     // "helpSB": the help pages
    QString userDataFolder; // application data + "VARNHOLT/Lorvane/": "NoWer.ini"
    QString lettersFolder;  // documents + "Lorvane Serienbrief/": templates, "Vorlagen.ini"

    static AppFolders Compute(const QString &programFolder, const SystemInfo &system);
};

// The program folder of an executable living in applicationDir.
QString ProgramFolderOf(const QString &applicationDir);
