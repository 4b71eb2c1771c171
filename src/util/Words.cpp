#include "Words.h"

namespace {

// Scans once for word n and reports its bounds as 0-based [begin, end).
// Callers slice the line only once, which keeps bulk walks over large files
// free of per-word allocations.
bool findWord(int n, const QString &s, const QString &delimiters, qsizetype *begin, qsizetype *end)
{
    if (n < 1)
        return false;
    const QChar *d = s.constData();
    const qsizetype len = s.size();
    const auto isDelimiter = [&delimiters](QChar c) {
        if (delimiters.size() == 1)
            return delimiters.front() == c;
        return InDelimiterSet(delimiters, c);
    };
    int count = 0;
    qsizetype i = 0;
    while (i < len) {
        while (i < len && isDelimiter(d[i]))
            ++i;
        if (i == len)
            break;
        const qsizetype start = i;
        while (i < len && !isDelimiter(d[i]))
            ++i;
        if (++count == n) {
            *begin = start;
            *end = i;
            return true;
        }
    }
    return false;
}

bool isControlOrBlank(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

bool InDelimiterSet(const QString &delimiters, QChar c)
{
    for (const QChar d : delimiters) {
        if (d == c)
            return true;
    }
    return false;
}

int WordTotal(const QString &s, const QString &delimiters)
{
    int total = 0;
    bool inWord = false;
    for (const QChar c : s) {
        const bool delimiter = InDelimiterSet(delimiters, c);
        if (!delimiter && !inWord)
            ++total;
        inWord = !delimiter;
    }
    return total;
}

bool WordStart(int n, const QString &s, const QString &delimiters, int *position)
{
    qsizetype begin = 0;
    qsizetype end = 0;
    if (!findWord(n, s, delimiters, &begin, &end))
        return false;
    if (position)
        *position = int(begin) + 1;
    return true;
}

QString WordAt(int n, const QString &s, const QString &delimiters)
{
    qsizetype begin = 0;
    qsizetype end = 0;
    if (!findWord(n, s, delimiters, &begin, &end))
        return QString();
    return s.mid(begin, end - begin);
}

QString TrimControl(const QString &s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isControlOrBlank(s.at(begin)))
        ++begin;
    while (end > begin && isControlOrBlank(s.at(end - 1)))
        --end;
    if (begin == 0 && end == s.size())
        return s;
    return s.mid(begin, end - begin);
}

QString FieldAt(const QString &line, int n, const QString &delimiters)
{
    qsizetype begin = 0;
    qsizetype end = 0;
    if (!findWord(n, line, delimiters, &begin, &end))
        return QString();
    while (begin < end && isControlOrBlank(line.at(begin)))
        ++begin;
    while (end > begin && isControlOrBlank(line.at(end - 1)))
        --end;
    return line.mid(begin, end - begin);
}

QString PadToWidth(const QString &s, QChar fill, int width)
{
    if (s.size() >= width)
        return s;
    QString padded = s;
    padded.resize(width, fill);
    return padded;
}
