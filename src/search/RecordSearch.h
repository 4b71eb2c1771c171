#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class Table;
class UserInterface;

// Levenshtein distance of s and w (insertion, deletion and substitution cost
// 1; characters compared exactly) as a percentage of w's length, truncated.
// Both empty gives 0, exactly one empty 100.
int LevenshteinPercent(const QString &s, const QString &w);

// Cuts text at every occurrence of separator; empty pieces are kept, so two
// separators in a row give an empty piece and an empty text one empty piece.
// An empty separator cuts nothing.
QStringList SplitBySeparator(const QString &text, const QString &separator);

// The fuzzy rule for one search text against many words, without allocating
// per word: matches(w) is LevenshteinPercent(search, AsciiUpper(w)) < 25,
// that is 4 x distance < length of w. The search text is upper-cased (a-z
// only) once, when it is set.
class FuzzyMatcher
{
public:
    explicit FuzzyMatcher(const QString &searchText = {});
    void setSearchText(const QString &searchText);
    bool matches(QStringView word);

private:
    QString m_search;
    std::vector<int> m_row;
};

// The search of the search window over the open table: every field of every
// record by its text form, forwards from the first record or backwards from
// the last, continuing after the last hit. The table's cursor is the search
// position, so a hit leaves the table on the record found.
class RecordSearch
{
public:
    enum class Outcome {
        Hit,
        NoFurtherHit, // "Kein weiteres Ergebnis gefunden!"
        NoHit         // "Kein Ergebnis gefunden!"
    };

    struct Result
    {
        Outcome outcome = Outcome::NoHit;
        int field = -1;    // the field that matched
        QString id;        // text of ID
        QString name;      // text of Name
        QString fieldText; // full text of the field that matched
    };

    explicit RecordSearch(UserInterface &ui) : m_ui(ui) {}

    void setSearchText(const QString &text) { m_searchText = text; }
    QString searchText() const { return m_searchText; }
    // Exact search only: compare as typed instead of upper-casing a-z.
    void setCaseSensitive(bool on) { m_caseSensitive = on; }
    bool caseSensitive() const { return m_caseSensitive; }

    // A hit has been shown since the last reset, so the next search starts
    // one record further.
    bool searchContinues() const { return m_searchContinues; }
    void setSearchContinues(bool on) { m_searchContinues = on; }

    // Forgets the position and moves to the start of a search in that direction.
    void Reset(Table &table, bool reverse);
    // The starting record changes without forgetting the position.
    static void MoveToStart(Table &table, bool reverse);

    // Substring search, upper-casing a-z of both sides unless case sensitive;
    // the search text is trimmed and an empty one matches nothing.
    Result SearchExact(Table &table, bool backwards);
    // Word search: each blank-separated piece of a field against the whole
    // (untrimmed) search text by the fuzzy rule. A fresh forward search
    // starts on the current record.
    Result SearchFuzzy(Table &table, bool backwards);

private:
    template <typename Match>
    Result walk(Table &table, bool backwards, bool fromFirst, Match match);

    UserInterface &m_ui;
    QString m_searchText;
    bool m_caseSensitive = false;
    bool m_searchContinues = false;
};
