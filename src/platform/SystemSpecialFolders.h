#pragma once

#include "platform/SpecialFolders.h"

// The folders on Linux, from QStandardPaths: documents, generic data as the
// application data folder, home as the profile. There is no program files
// folder; "/usr" stands in for it, being where installed programs live, so
// checks for a program below it simply find nothing.
class SystemSpecialFolders : public SpecialFolders
{
public:
    QString documents() override;
    QString applicationData() override;
    QString home() override;
    QString programFiles() override;
    QString temp() override;
};

// path cleaned and without trailing separators; "/" stays "/".
QString WithoutTrailingSeparator(const QString &path);
