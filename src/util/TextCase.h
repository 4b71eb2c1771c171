#pragma once

#include <QString>

// Case folding for the program's own comparisons: only a-z and A-Z change,
// umlauts and every other character stay as they are.
QString AsciiUpper(const QString &s);
QString AsciiLower(const QString &s);
