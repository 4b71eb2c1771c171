#pragma once

#include <QString>

// Runs a local SQL statement on a table file of the Data folder:
//   UPDATE '<file>.DB' SET <field> = <value> [WHERE <condition>]
// The value is a quoted text, a number or NULL, stored by the field's type
// ('true'/'false' for booleans). The condition compares fields with quoted
// constants, numbers and NULL (=, <>, <, >, <=, >=, LIKE with % and _,
// IS [NOT] NULL, AND, OR, NOT, parentheses), ignoring letter case. Values are
// always bound. Returns the number of changed records; throws TableError.
int ExecuteLocalSql(const QString &dataFolder, const QString &statement);
