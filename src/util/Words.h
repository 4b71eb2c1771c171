#pragma once

#include <QChar>
#include <QString>

// Words of a line: maximal runs of characters that are not in the delimiter
// set. Runs of delimiters separate words, so no word is ever empty. Words
// and positions count from 1.

// True when c occurs in delimiters; false for an empty set.
bool InDelimiterSet(const QString &delimiters, QChar c);

int WordTotal(const QString &s, const QString &delimiters);

// Sets *position (when given) to the 1-based position of the first character
// of word n and returns true; returns false when s has fewer than n words.
bool WordStart(int n, const QString &s, const QString &delimiters, int *position = nullptr);

// Word n, or "" when s has fewer than n words.
QString WordAt(int n, const QString &s, const QString &delimiters);

// Removes the characters of code 0 to 32 from both ends.
QString TrimControl(const QString &s);

// Field n of a line: word n, trimmed.
QString FieldAt(const QString &line, int n, const QString &delimiters = QStringLiteral("|"));

// Fills s on the right with fill up to width; a longer s is never cut.
QString PadToWidth(const QString &s, QChar fill, int width);
