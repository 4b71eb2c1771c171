#pragma once

#include <QString>

#include <functional>

class Table;

// The bulk walks over the open table that mark, unmark and delete records.
// They use the table alone, so the main window only adds its questions,
// the wait cursor and the status bar. Errors of the store come out as
// TableError; the table's bound controls are resumed in every case.

// Progress text for the status bar.
using StatusReport = std::function<void(const QString &text)>;

// A filter text turned into the condition of a local SQL statement:
// "*" -> "%", " = NULL" -> " IS NULL", " <> NULL" -> " IS NOT NULL",
// " = '" -> " LIKE '", in this order, case-sensitive.
QString SqlConditionFromFilter(const QString &filterText);

// "UPDATE '<table>.DB' SET <field>='true'|'false'" followed, when the
// table is filtered, by " WHERE " and the rewritten filter text.
QString BooleanFieldStatement(const QString &tableName, const QString &fieldName, bool value,
                              const Table &table);

// Sets a boolean field of all records (all that pass the filter, when the
// table is filtered) by one statement on the table file in dataFolder.
// False, silently, when the statement fails. Afterwards the table stands on
// its first record, re-read so the new values show.
bool SetBooleanFieldBySql(Table &table, const QString &dataFolder, const QString &tableName,
                          const QString &fieldName, bool value);

// Marks the records whose ID lies in [startId, endId] (both inclusive).
// Clears the index, the filter text and the filter, walks in ID order from
// the first record and stops at the first ID above endId. After each mark
// reports "Noch zu markieren: " + (endId - startId - k) + " aus " + count +
// " Datensätzen", k counting the marks before. Ends with the table closed,
// reopened and on its first record. Returns the number of marked records.
int MarkIdRange(Table &table, qint64 startId, qint64 endId, const StatusReport &status = {});

// Marks every record, from the current one to the end of the table, that
// holds the wording in the text form of any of its fields; both sides are
// upper-cased for a-z only. The starting record is always examined. An
// empty wording marks nothing. Returns the number of records holding it.
int MarkMatchingRecords(Table &table, const QString &wording);

// Switches the filter off (its text stays) and deletes every marked record,
// reporting "Delete: " + count after each. Ends with the table closed,
// reopened and on its first record. Returns the number deleted.
int DeleteMarkedRecords(Table &table, const StatusReport &status = {});
