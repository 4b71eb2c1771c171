#include "letters/Greeting.h"

#include "util/LineFile.h"
#include "util/Paths.h"
#include "util/Words.h"

#include <QDir>

namespace {

const QString Bar = QStringLiteral("|");

} // namespace

QString GreetingFilePath(const QString &programFolder)
{
    return FindFileNoCase(programFolder, QStringLiteral("Grussformel.txt"));
}

QString GreetingFileUnreadableMessage(const QString &path)
{
    return QStringLiteral("Die Grußformel-Datei „%1“ kann nicht gelesen werden.\n"
                          "Die Serienbrief-Datei wurde nicht erzeugt.")
        .arg(QDir::toNativeSeparators(path));
}

GreetingRules GreetingRules::fromLines(const QStringList &lines)
{
    GreetingRules rules;
    for (const QString &line : lines) {
        const QString key = FieldAt(line, 1, Bar);
        if (!key.isEmpty())
            rules.m_rules.append({key, FieldAt(line, 2, Bar)});
    }
    return rules;
}

std::optional<GreetingRules> GreetingRules::read(const QString &path)
{
    bool ok = false;
    const QStringList lines = ReadLineFile(path, &ok);
    if (!ok)
        return std::nullopt;
    return fromLines(lines);
}

QString GreetingRules::lookup(const QString &anrede) const
{
    QString result = anrede;
    // No early exit: a later rule overrides an earlier one.
    for (const GreetingRule &rule : m_rules) {
        if (anrede.startsWith(rule.key, Qt::CaseSensitive))
            result = rule.greeting;
    }
    return result;
}

std::optional<QString> LookupGreeting(const QString &programFolder, const QString &anrede)
{
    const std::optional<GreetingRules> rules = GreetingRules::read(GreetingFilePath(programFolder));
    if (!rules)
        return std::nullopt;
    return rules->lookup(anrede);
}

QList<GreetingRow> GreetingRowsOf(const QStringList &lines)
{
    QList<GreetingRow> rows(GreetingRowCount);
    for (int n = 0; n < GreetingRowCount && n < lines.size(); ++n)
        rows[n] = {WordAt(1, lines.at(n), Bar), WordAt(2, lines.at(n), Bar)};
    return rows;
}

QStringList GreetingLinesOf(const QList<GreetingRow> &rows)
{
    QStringList lines;
    for (const GreetingRow &row : rows)
        lines << TrimControl(row.key) + Bar + TrimControl(row.greeting);
    return lines;
}
