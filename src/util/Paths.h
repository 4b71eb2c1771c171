#pragma once

#include <QString>

// Folder rules of the program. Path delimiters are the backslash, the colon
// and the character of code 0; the slash counts as a backslash, so the same
// rules serve Windows and POSIX paths.

// The part of path before its last path delimiter: "" when there is none;
// the delimiter alone when it is the first character; up to and including
// a separator that directly follows a colon ("C:\x" gives "C:\"); before any
// other separator; up to and including a colon or a character of code 0.
QString FolderPart(const QString &path);

// Makes path end in a separator. "" stays ""; "C:" gives "C:\"; other paths
// shorter than 3 characters stay unchanged; longer ones get a separator
// unless they end in '\' or '/'. A path that contains '/' and no '\' is a
// POSIX path: it gets '/' whatever its length ("/home/x" gives "/home/x/").
QString EnsureTrailingBackslash(const QString &path);

// The path of the entry in folder whose name equals name, ignoring letter
// case; an exact match wins, among several others the first by name. When
// none exists, folder joined with name. folder may end in a separator or not.
QString FindFileNoCase(const QString &folder, const QString &name);
