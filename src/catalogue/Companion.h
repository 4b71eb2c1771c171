#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reading the companion files of a database held in memory as lines: filter
// presets (".fil"), combo lists (".cb") and field definitions (".pro").

// Captions of the preset box: field 1 of every line from the second on.
QStringList PresetCaptions(const QStringList &presetLines);
// The filter expression of preset box entry k (line k + 2); a blank column
// gives the empty expression.
QString PresetExpression(const QStringList &presetLines, int entry);

// The entries of the combo box for a field (the last line naming the field
// exactly wins; empty when no line does). With "=" in the list, only the
// text before each entry's first "=".
QStringList ComboEntries(const QStringList &comboLines, const QString &fieldName);
bool HasComboList(const QStringList &comboLines, const QString &fieldName);

// Whether the grid titles take the display names (header holds "ANZEIGENAME").
bool UsesDisplayNames(const QStringList &fieldDefinitionLines);

// One column of the grid as the layout file keeps it.
struct GridColumn
{
    QString field;
    QString title;
    int width = 0;
    bool visible = true;
    bool operator==(const GridColumn &) const = default;
};

// The layout file: the columns in display order. A file of 100 bytes or less
// counts as no layout; what WriteGridLayout writes is always larger.
bool WriteGridLayout(const QString &path, const QList<GridColumn> &columns);
bool ReadGridLayout(const QString &path, QList<GridColumn> *columns);
