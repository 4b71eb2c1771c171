#pragma once

#include <QString>

// Opens documents, folders, programs, web and "mailto:" addresses with the
// program the desktop associates with them. Never waits for that program.
class Shell
{
public:
    virtual ~Shell() = default;

    // target: a path (document, folder or program), a program name found on
    // the search path, or an address with a scheme ("https://…", "mailto:…").
    // parameters: the command line handed to a program; documents and
    // addresses ignore it. False when nothing could be started.
    virtual bool open(const QString &target, const QString &parameters = {}) = 0;
};
