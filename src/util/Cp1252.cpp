#include "Cp1252.h"

#include <QHash>
#include <QStringDecoder>

namespace {

// 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined, which
// decode to the C1 control of the same value.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

const QHash<char16_t, char> &reverseHigh()
{
    static const QHash<char16_t, char> map = [] {
        QHash<char16_t, char> m;
        for (int i = 0; i < 32; ++i)
            m.insert(kHigh[i] ? kHigh[i] : char16_t(0x80 + i), char(0x80 + i));
        return m;
    }();
    return map;
}

} // namespace

QByteArray ToCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(char(c));
            continue;
        }
        const auto it = reverseHigh().constFind(c);
        if (it != reverseHigh().constEnd()) {
            out.append(*it);
            continue;
        }
        // A surrogate pair is one character and becomes one '?'.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append('?');
    }
    return out;
}

QString FromCp1252(const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80])
            d[i] = QChar(kHigh[b - 0x80]);
        else
            d[i] = QChar(char16_t(b));
    }
    return out;
}

QString DecodeImportedText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    return FromCp1252(bytes);
}
