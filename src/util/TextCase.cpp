#include "TextCase.h"

namespace {

template <char16_t From, char16_t To> QString shiftRange(const QString &s)
{
    const auto inRange = [](QChar c) { return c.unicode() >= From && c.unicode() <= To; };
    qsizetype i = 0;
    while (i < s.size() && !inRange(s.at(i)))
        ++i;
    // Unchanged text keeps sharing its buffer.
    if (i == s.size())
        return s;
    QString out = s;
    QChar *d = out.data();
    constexpr int shift = From == u'a' ? -32 : 32;
    for (; i < out.size(); ++i) {
        if (inRange(d[i]))
            d[i] = QChar(char16_t(d[i].unicode() + shift));
    }
    return out;
}

} // namespace

QString AsciiUpper(const QString &s)
{
    return shiftRange<u'a', u'z'>(s);
}

QString AsciiLower(const QString &s)
{
    return shiftRange<u'A', u'Z'>(s);
}

bool ContainsAsciiUpper(QStringView text, QStringView needle)
{
    const qsizetype n = text.size();
    const qsizetype m = needle.size();
    if (m == 0 || m > n)
        return false;
    const char16_t first = needle.at(0).unicode();
    for (qsizetype i = 0; i + m <= n; ++i) {
        if (AsciiUpperChar(text.at(i)) != first)
            continue;
        qsizetype k = 1;
        while (k < m && AsciiUpperChar(text.at(i + k)) == needle.at(k).unicode())
            ++k;
        if (k == m)
            return true;
    }
    return false;
}
