#pragma once

#include <QString>
#include <QStringList>

// The program's own text files: Windows-1252, CR LF. Reading accepts CR LF,
// CR or LF; a final line break does not make an extra empty line.
QStringList SplitLines(const QString &text);
QStringList ReadLineFile(const QString &path, bool *ok = nullptr);
// Replaces the file. On failure returns false and, when given, sets error to
// the system's description.
bool WriteLineFile(const QString &path, const QStringList &lines, QString *error = nullptr);
