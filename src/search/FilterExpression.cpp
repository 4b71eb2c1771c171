#include "FilterExpression.h"

#include "catalogue/Companion.h"
#include "catalogue/Table.h"
#include "util/TextCase.h"
#include "util/Words.h"

QString FilterExpression::OperatorText(int comparison)
{
    switch (comparison) {
    case 2:
        return QStringLiteral("<>");
    case 3:
        return QStringLiteral("<");
    case 4:
        return QStringLiteral(">");
    default:
        return QStringLiteral("=");
    }
}

int FilterExpression::NextComparison(int comparison)
{
    return comparison >= 4 ? 1 : comparison + 1;
}

QString FilterExpression::ConnectorCaption(int connector)
{
    switch (connector) {
    case 2:
        return QStringLiteral("und");
    case 3:
        return QStringLiteral("oder");
    default:
        return QStringLiteral("keine zweite Bedingung");
    }
}

QString FilterExpression::ConnectorPart(int connector)
{
    switch (connector) {
    case 2:
        return QStringLiteral("AND");
    case 3:
        return QStringLiteral("OR");
    default:
        return {};
    }
}

int FilterExpression::NextConnector(int connector)
{
    return connector >= 3 ? 1 : connector + 1;
}

QString FilterExpression::ValuePart(const QString &value)
{
    if (value.isEmpty())
        return QStringLiteral("NULL");
    QString escaped = AsciiUpper(value);
    escaped.replace(u'\'', QStringLiteral("''"));
    QString part = u'\'' + escaped + QStringLiteral("*'");
    if (part.size() <= PartLength)
        return part;
    part.truncate(PartLength);
    // An odd run of apostrophes at the cut end would close the constant.
    qsizetype quotes = 0;
    while (quotes < part.size() - 1 && part.at(part.size() - 1 - quotes) == u'\'')
        ++quotes;
    if (quotes % 2 == 1)
        part.chop(1);
    return part;
}

void FilterExpression::setPart(int part, const QString &text)
{
    if (part >= 1 && part <= 7)
        m_parts[size_t(part - 1)] = text.left(PartLength);
}

QString FilterExpression::part(int part) const
{
    return part >= 1 && part <= 7 ? m_parts[size_t(part - 1)] : QString();
}

QString FilterExpression::expression() const
{
    QString text;
    for (const QString &p : m_parts)
        text += p + u' ';
    return TrimControl(text);
}

QString FilterButtonHint(bool filterOn)
{
    return filterOn ? QStringLiteral("Gewählten Filter ausschalten (F9)")
                    : QStringLiteral("Gewählten Filter einschalten (F9)");
}

void ApplyFilter(Table &table, const QString &text)
{
    table.setFilter(text);
    table.setFiltered(true);
}

void RemoveFilter(Table &table)
{
    table.setFiltered(false);
    table.setFilter(QString());
}

void ApplyPreset(Table &table, const QStringList &presetLines, int index)
{
    ApplyFilter(table, PresetExpression(presetLines, index));
}
