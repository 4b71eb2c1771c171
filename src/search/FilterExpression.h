#pragma once

#include <QString>
#include <QStringList>

#include <array>

class Table;

// The filter expression the filter window composes from seven short parts:
// field, operator and value of condition 1, the connector, field, operator
// and value of condition 2. Each part holds at most PartLength characters.
class FilterExpression
{
public:
    static constexpr int PartLength = 40;
    enum Part { Field1 = 1, Operator1, Value1, Connector, Field2, Operator2, Value2 };

    // Comparison choices 1 to 4: "=", "<>", "<", ">".
    static QString OperatorText(int comparison);
    static int NextComparison(int comparison);
    // Connector choices 1 to 3: no second condition, "und", "oder".
    static QString ConnectorCaption(int connector);
    static QString ConnectorPart(int connector);
    static int NextConnector(int connector);

    // "NULL" for an empty value, else the value upper-cased (a-z only) as a
    // quoted prefix constant, cut to PartLength. An apostrophe in the value
    // is doubled so it stays part of the constant. A cut value never ends in
    // a closing quote: it fails to parse rather than filter on a stub.
    static QString ValuePart(const QString &value);

    void setPart(int part, const QString &text); // cut to PartLength
    QString part(int part) const;
    // The parts, each followed by one blank, trimmed at both ends.
    QString expression() const;

private:
    std::array<QString, 7> m_parts;
};

// The hint of the main window's filter button after "Filter an" / "Filter aus".
QString FilterButtonHint(bool filterOn);

// Sets the table's filter text and switches the filter on. A text the store
// rejects throws TableError and leaves the filter as it was.
void ApplyFilter(Table &table, const QString &text);
// Switches the filter off and empties its text.
void RemoveFilter(Table &table);

// Applies the expression of preset entry index (counted from 0) of the
// preset lines (header first) to the table. A text the store rejects throws
// TableError and leaves the filter as it was.
void ApplyPreset(Table &table, const QStringList &presetLines, int index);
