#pragma once

#include <QString>

// Case folding for the program's own comparisons: only a-z and A-Z change,
// umlauts and every other character stay as they are.
QString AsciiUpper(const QString &s);
QString AsciiLower(const QString &s);

// AsciiUpper of one character.
inline char16_t AsciiUpperChar(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
}

// Whether needle, already upper-cased by AsciiUpper, occurs in text
// upper-cased the same way, without building the upper-cased copy.
bool ContainsAsciiUpper(QStringView text, QStringView needle);
