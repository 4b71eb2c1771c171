#include "RecordSearch.h"

#include "catalogue/Table.h"
#include "platform/UserInterface.h"
#include "util/TextCase.h"
#include "util/Words.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>

int LevenshteinPercent(const QString &s, const QString &w)
{
    if (s.isEmpty() && w.isEmpty())
        return 0;
    if (s.isEmpty() || w.isEmpty())
        return 100;
    const qsizetype m = w.size();
    QVarLengthArray<int, 64> row(m + 1);
    for (qsizetype j = 0; j <= m; ++j)
        row[j] = int(j);
    for (qsizetype i = 0; i < s.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i + 1);
        const QChar c = s.at(i);
        for (qsizetype j = 1; j <= m; ++j) {
            const int above = row[j];
            row[j] = std::min({diagonal + (c == w.at(j - 1) ? 0 : 1), above + 1, row[j - 1] + 1});
            diagonal = above;
        }
    }
    return int(qint64(row[m]) * 100 / m);
}

QStringList SplitBySeparator(const QString &text, const QString &separator)
{
    QStringList pieces;
    if (separator.isEmpty())
        return {text};
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(separator, from);
        if (at < 0)
            break;
        pieces.append(text.mid(from, at - from));
        from = at + separator.size();
    }
    pieces.append(text.mid(from));
    return pieces;
}

FuzzyMatcher::FuzzyMatcher(const QString &searchText)
{
    setSearchText(searchText);
}

void FuzzyMatcher::setSearchText(const QString &searchText)
{
    m_search = AsciiUpper(searchText);
    m_row.reserve(64);
}

bool FuzzyMatcher::matches(QStringView word)
{
    const qsizetype n = m_search.size();
    const qsizetype m = word.size();
    if (n == 0 || m == 0)
        return n == m;
    // 4 x D < m, so D may be at most (m - 1) / 4; the distance is never
    // smaller than the difference of the lengths.
    const qsizetype allowed = (m - 1) / 4;
    if (std::abs(n - m) > allowed)
        return false;
    if (allowed == 0) {
        for (qsizetype j = 0; j < m; ++j)
            if (AsciiUpperChar(word.at(j)) != m_search.at(j).unicode())
                return false;
        return true;
    }
    m_row.resize(size_t(m) + 1);
    int *row = m_row.data();
    for (qsizetype j = 0; j <= m; ++j)
        row[j] = int(j);
    for (qsizetype i = 0; i < n; ++i) {
        int diagonal = row[0];
        row[0] = int(i + 1);
        int smallest = row[0];
        const char16_t c = m_search.at(i).unicode();
        for (qsizetype j = 1; j <= m; ++j) {
            const int above = row[j];
            row[j] = std::min({diagonal + (c == AsciiUpperChar(word.at(j - 1)) ? 0 : 1), above + 1,
                               row[j - 1] + 1});
            diagonal = above;
            smallest = std::min(smallest, row[j]);
        }
        // No row's smallest counter ever drops again.
        if (smallest > allowed)
            return false;
    }
    return row[m] <= allowed;
}

void RecordSearch::MoveToStart(Table &table, bool reverse)
{
    if (reverse)
        table.last();
    else
        table.first();
}

void RecordSearch::Reset(Table &table, bool reverse)
{
    m_searchContinues = false;
    MoveToStart(table, reverse);
}

template <typename Match>
RecordSearch::Result RecordSearch::walk(Table &table, bool backwards, bool fromFirst, Match match)
{
    WaitCursor wait(m_ui);
    SuspendedControls suspended(table);

    // A continuing search whose first move fails stands on the record of
    // the previous hit again; finding it there is no new hit.
    bool repeated = false;
    if (backwards) {
        if (m_searchContinues) {
            table.prior();
            repeated = table.bof();
        } else {
            table.last();
        }
    } else if (m_searchContinues) {
        table.next();
        repeated = table.eof();
    } else if (fromFirst) {
        table.first();
    }

    const int fields = table.fieldCount();
    while (table.position() >= 0) {
        const int position = table.position();
        for (int f = 0; f < fields; ++f) {
            const QString text = table.textAt(position, f);
            if (!match(text))
                continue;
            Result result;
            result.field = f;
            if (repeated) {
                result.outcome = Outcome::NoFurtherHit;
            } else {
                result.outcome = Outcome::Hit;
                result.id = table.fieldByName(QStringLiteral("ID")).asString();
                result.name = table.fieldByName(QStringLiteral("Name")).asString();
                result.fieldText = text;
            }
            m_searchContinues = true;
            return result;
        }
        if (backwards)
            table.prior();
        else
            table.next();
        if (table.eof() || table.bof())
            break;
        repeated = false;
    }
    Result result;
    result.outcome = m_searchContinues ? Outcome::NoFurtherHit : Outcome::NoHit;
    return result;
}

RecordSearch::Result RecordSearch::SearchExact(Table &table, bool backwards)
{
    const QString trimmed = TrimControl(m_searchText);
    if (m_caseSensitive)
        return walk(table, backwards, true, [&](const QString &text) {
            return !trimmed.isEmpty() && text.contains(trimmed);
        });
    const QString needle = AsciiUpper(trimmed);
    return walk(table, backwards, true,
                [&](const QString &text) { return ContainsAsciiUpper(text, needle); });
}

RecordSearch::Result RecordSearch::SearchFuzzy(Table &table, bool backwards)
{
    FuzzyMatcher matcher(m_searchText);
    return walk(table, backwards, false, [&](const QString &text) {
        const QStringView view(text);
        qsizetype from = 0;
        for (;;) {
            const qsizetype blank = view.indexOf(u' ', from);
            if (matcher.matches(view.mid(from, blank < 0 ? view.size() - from : blank - from)))
                return true;
            if (blank < 0)
                return false;
            from = blank + 1;
        }
    });
}
