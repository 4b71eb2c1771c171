#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of the program's own files. Characters it
// cannot hold are written as '?'.
QByteArray ToCp1252(const QString &text);
QString FromCp1252(const QByteArray &bytes);

// Imported text: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString DecodeImportedText(const QByteArray &bytes);
