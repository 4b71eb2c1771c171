#include "Umlauts.h"

#include "Cp1252.h"
#include "TextCase.h"

#include <QByteArray>

namespace {

struct Repair
{
    const char *search;
    const char *replacement; // Windows-1252
};

// Order matters: each replacement runs on the result of the one before.
constexpr Repair kRepairs[] = {
    {"\xC3\x9C", "\xDC"},                                             // Ü
    {"\xC3\xBC", "\xFC"},                                             // ü
    {"\xC3\x84", "\xC4"},                                             // Ä
    {"\xC3\x22", "\xC4"},                                             // Ä
    {"\xC3\xA4", "\xE4"},                                             // ä
    {"\xC3\xFB", "\xD6"},                                             // Ö
    {"\xC3\x96", "\xD6"},                                             // Ö
    {"\xC3\xB6", "\xF6"},                                             // ö
    {"\xC3\x9F", "\xDF"},                                             // ß
    {"\x80", "Euro"},     {"\xE2\x82", "Euro"}, {"\xE9\xBC", "\xFC"}, // ü
    {"\xE9\xB6", "\xF6"},                                             // ö
    {"\xE9\xA4", "\xE4"},                                             // ä
    {"\xE9\x9C", "\xDC"},                                             // Ü
    {"\xE9\x96", "\xD6"},                                             // Ö
    {"\xE9\x84", "\xC4"},                                             // Ä
    {"\xE9\x9F", "\xDF"},                                             // ß
    {"\xA1\xE9", "\xE8"},                                             // è
    {"\xE9\xA9", "\xE1"},                                             // á
    {"\xE9\xA8", "\xE0"},                                             // à
    {"\xE9\xB3", "\xF3"},                                             // ó
    {"\xE9\xB2", "\xF2"},                                             // ò
    {"\xE9\xB4", "\xF4"},                                             // ô
};

// Characters a file name must not carry, and their stand-ins.
QChar safeFileChar(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'\'':
    case u'.':
    case u'-':
    case u'!':
    case u'$':
    case u'%':
    case u'=':
    case u'"':
    case u'\u00A7': // §
    case u'?':
    case u',':
    case u'\u00B4': // ´
    case u'`':
    case u'\u20AC': // €
    case u'\u00E9': // é
    case u'\u00E1': // á
    case u'\u00FA': // ú
    case u'\u00F3': // ó
    case u'\u00EA': // ê
    case u'\u00E2': // â
    case u'\u00FB': // û
    case u'\u00F4': // ô
        return u'_';
    case u'*':
    case u':':
    case u'(':
    case u')':
    case u'\\':
    case u'/':
    case u'>':
    case u'<':
        return u'x';
    case u'&':
        return u'a';
    default:
        return c;
    }
}

} // namespace

QString RepairUmlauts(const QString &s)
{
    QByteArray bytes = ToCp1252(s);
    for (const Repair &r : kRepairs) {
        if (bytes.contains(r.search))
            bytes.replace(r.search, r.replacement);
    }
    return FromCp1252(bytes);
}

QString TableNameFromTitle(const QString &title)
{
    const QString repaired = RepairUmlauts(title);
    QString name;
    name.reserve(repaired.size() + 8);
    for (const QChar original : repaired) {
        const QChar c = safeFileChar(original);
        switch (c.unicode()) {
        case u'\u00C4':
            name += QLatin1String("Ae");
            break;
        case u'\u00D6':
            name += QLatin1String("Oe");
            break;
        case u'\u00DC':
            name += QLatin1String("Ue");
            break;
        case u'\u00DF':
            name += QLatin1String("ss");
            break;
        case u'\u00E4':
            name += QLatin1String("ae");
            break;
        case u'\u00F6':
            name += QLatin1String("oe");
            break;
        case u'\u00FC':
            name += QLatin1String("ue");
            break;
        default:
            name += c;
        }
    }
    return AsciiLower(name);
}
