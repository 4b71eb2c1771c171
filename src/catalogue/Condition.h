#pragma once

#include "FieldDef.h"

#include <QString>
#include <QVariantList>

// The condition language shared by table filters and the WHERE part of the
// local SQL UPDATE: fields compared with quoted constants, numbers or NULL
// by = <> < > <= >=, joined with AND, OR, NOT and parentheses. Comparisons
// ignore letter case for all letters. In a filter a trailing '*' in a
// constant matches any rest; in SQL, LIKE with '%' and '_' and IS [NOT] NULL
// are accepted as well.
enum class ConditionDialect { Filter, Sql };

struct CompiledCondition
{
    QString sql; // an SQLite expression over the quoted field columns
    QVariantList params;
};

// Throws TableError naming the position (counted from 1) of the fault.
// positionOffset is added to reported positions when the text is part of a
// longer statement.
CompiledCondition CompileCondition(const QString &text, ConditionDialect dialect,
                                   const QList<FieldDef> &fields, int positionOffset = 0);

// Value conversions shared with the table's text setters.
bool ParseBooleanText(const QString &text, bool *value);
bool ParseNumberText(const QString &text, double *value);
bool ParseDateText(const QString &text, QDate *value);
bool ParseTimeText(const QString &text, QTime *value);
