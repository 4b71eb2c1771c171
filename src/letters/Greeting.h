#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The greeting rules: "Grussformel.txt" in the program folder, one rule per
// line as key "|" greeting, words split at runs of "|".

// The rules file of the program folder; an existing file is found whatever
// the letter case of its name.
QString GreetingFilePath(const QString &programFolder);

// What the user is told when the merge data cannot get its greetings.
QString GreetingFileUnreadableMessage(const QString &path);

struct GreetingRule
{
    QString key;      // trimmed, never empty
    QString greeting; // trimmed, may be empty
};

class GreetingRules
{
public:
    // Lines with an empty key are left out: they can never match.
    static GreetingRules fromLines(const QStringList &lines);
    // Empty when the file cannot be read.
    static std::optional<GreetingRules> read(const QString &path);

    // The greeting of the last rule whose key begins anrede (compared
    // exactly, letter case included); anrede itself when none does.
    QString lookup(const QString &anrede) const;

    const QList<GreetingRule> &rules() const { return m_rules; }

private:
    QList<GreetingRule> m_rules;
};

// Looks anrede up in the program folder's rules file, reading the file at
// every call. Empty when the file cannot be read.
std::optional<QString> LookupGreeting(const QString &programFolder, const QString &anrede);

// The rows of the greeting window.
inline constexpr int GreetingRowCount = 8;

struct GreetingRow
{
    QString key;
    QString greeting;
    bool operator==(const GreetingRow &) const = default;
};

// The first eight lines as rows, the words untrimmed as the user wrote them;
// rows without a line stay empty.
QList<GreetingRow> GreetingRowsOf(const QStringList &lines);
// One line per row: trimmed key "|" trimmed greeting; an empty row is "|".
QStringList GreetingLinesOf(const QList<GreetingRow> &rows);
