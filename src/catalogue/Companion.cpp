#include "Companion.h"

#include "util/LineFile.h"
#include "util/TextCase.h"
#include "util/Words.h"

#include <QFileInfo>

namespace {

const QString kLayoutHeader =
    QStringLiteral("LORVANE GRID LAYOUT 1 | Spalten in Anzeigereihenfolge: "
                   "Feldname | Spaltentitel | Breite | Sichtbar");

} // namespace

QStringList PresetCaptions(const QStringList &presetLines)
{
    QStringList captions;
    for (int i = 1; i < presetLines.size(); ++i)
        captions << FieldAt(presetLines.at(i), 1);
    return captions;
}

QString PresetExpression(const QStringList &presetLines, int entry)
{
    if (entry < 0 || entry + 1 >= presetLines.size())
        return {};
    return FieldAt(presetLines.at(entry + 1), 2);
}

static int comboLineFor(const QStringList &comboLines, const QString &fieldName)
{
    int found = -1;
    for (int i = 1; i < comboLines.size(); ++i)
        if (FieldAt(comboLines.at(i), 1) == fieldName)
            found = i;
    return found;
}

bool HasComboList(const QStringList &comboLines, const QString &fieldName)
{
    return comboLineFor(comboLines, fieldName) >= 0;
}

QStringList ComboEntries(const QStringList &comboLines, const QString &fieldName)
{
    const int line = comboLineFor(comboLines, fieldName);
    if (line < 0)
        return {};
    const QString list = FieldAt(comboLines.at(line), 2);
    const bool keyed = list.contains(QLatin1Char('='));
    QStringList entries;
    const int n = WordTotal(list, QStringLiteral(";"));
    for (int i = 1; i <= n; ++i) {
        QString entry = FieldAt(list, i, QStringLiteral(";"));
        if (keyed) {
            // "Herr=1" offers "Herr"; leading "=" signs are skipped.
            qsizetype start = 0;
            while (start < entry.size() && entry.at(start) == u'=')
                ++start;
            entry = TrimControl(entry.mid(start).section(QLatin1Char('='), 0, 0));
        }
        if (!entry.isEmpty())
            entries << entry;
    }
    return entries;
}

bool UsesDisplayNames(const QStringList &fieldDefinitionLines)
{
    return !fieldDefinitionLines.isEmpty() &&
           fieldDefinitionLines.first().contains(QLatin1String("ANZEIGENAME"));
}

bool WriteGridLayout(const QString &path, const QList<GridColumn> &columns)
{
    QStringList lines{kLayoutHeader};
    for (const GridColumn &c : columns) {
        // "|" cannot stand in a title of this file; it never does in field names.
        QString title = c.title;
        title.replace(QLatin1Char('|'), QLatin1Char('/'));
        lines << QStringLiteral("%1|%2|%3|%4")
                     .arg(c.field, title.isEmpty() ? QStringLiteral(" ") : title)
                     .arg(c.width)
                     .arg(c.visible ? 1 : 0);
    }
    return WriteLineFile(path, lines);
}

bool ReadGridLayout(const QString &path, QList<GridColumn> *columns)
{
    const QFileInfo info(path);
    if (!info.exists() || info.size() <= 100)
        return false;
    bool ok = false;
    const QStringList lines = ReadLineFile(path, &ok);
    if (!ok || lines.isEmpty() || !lines.first().startsWith(QLatin1String("LORVANE GRID LAYOUT")))
        return false;
    QList<GridColumn> result;
    for (int i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        GridColumn c;
        c.field = FieldAt(line, 1);
        c.title = FieldAt(line, 2);
        bool widthOk = false;
        c.width = FieldAt(line, 3).toInt(&widthOk);
        c.visible = FieldAt(line, 4) != QLatin1String("0");
        if (c.field.isEmpty() || !widthOk)
            return false;
        result << c;
    }
    *columns = result;
    return true;
}
