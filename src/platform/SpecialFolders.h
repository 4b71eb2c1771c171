#pragma once

#include <QString>

// Folders of the user and the system, each without a trailing separator.
class SpecialFolders
{
public:
    virtual ~SpecialFolders() = default;

    virtual QString documents() = 0;
    // The per-user application data folder.
    virtual QString applicationData() = 0;
    // The user's profile (home) folder.
    virtual QString home() = 0;
    virtual QString programFiles() = 0;
    // The environment variable TEMP when set and not empty, else the system's.
    virtual QString temp() = 0;
};
