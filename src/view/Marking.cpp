#include "view/Marking.h"

#include "catalogue/LocalSql.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "util/TextCase.h"

namespace {

const QString SelectedField = QStringLiteral("Selected");

void postPending(Table &table)
{
    if (table.state() == Table::State::Edit || table.state() == Table::State::Insert)
        table.post();
}

// Sets the mark of the current record. False when the record left the
// table's view by it (a filter on the mark), the cursor then standing on
// the record that followed.
bool markCurrent(Table &table, Field &selected)
{
    if (selected.asBoolean())
        return true; // writing the same value again changes nothing
    const Bookmark key = table.bookmark();
    table.edit();
    try {
        selected.setAsBoolean(true);
        table.post();
    } catch (const TableError &) {
        // The walk ends here; the refused record is left as it was.
        table.cancel();
        throw;
    }
    return table.bookmark() == key;
}

} // namespace

QString SqlConditionFromFilter(const QString &filterText)
{
    QString c = filterText;
    c.replace(QLatin1Char('*'), QLatin1Char('%'));
    c.replace(QStringLiteral(" = NULL"), QStringLiteral(" IS NULL"));
    c.replace(QStringLiteral(" <> NULL"), QStringLiteral(" IS NOT NULL"));
    c.replace(QStringLiteral(" = '"), QStringLiteral(" LIKE '"));
    return c;
}

QString BooleanFieldStatement(const QString &tableName, const QString &fieldName, bool value,
                              const Table &table)
{
    QString condition;
    if (table.isFiltered())
        condition = SqlConditionFromFilter(QStringLiteral(" WHERE ") + table.filter());
    return QStringLiteral("UPDATE '") + tableName + QStringLiteral(".DB") + QStringLiteral("'") +
           QStringLiteral(" SET ") + fieldName + QStringLiteral("=") + QStringLiteral("'") +
           (value ? QStringLiteral("true") : QStringLiteral("false")) + QStringLiteral("'") +
           condition;
}

bool SetBooleanFieldBySql(Table &table, const QString &dataFolder, const QString &tableName,
                          const QString &fieldName, bool value)
{
    // A pending record would otherwise be written back over the new values.
    postPending(table);
    bool ran = true;
    try {
        ExecuteLocalSql(dataFolder, BooleanFieldStatement(tableName, fieldName, value, table));
    } catch (const TableError &) {
        ran = false; // the callers go on as if nothing happened
    }
    table.first();
    return ran;
}

int MarkIdRange(Table &table, qint64 startId, qint64 endId, const StatusReport &status)
{
    postPending(table);
    table.setIndexName(QString());
    int marked = 0;
    {
        SuspendedControls suspended(table);
        table.setFilter(QString());
        table.setFiltered(false);
        table.first();
        Field id = table.fieldByName(QStringLiteral("ID"));
        Field selected = table.fieldByName(SelectedField);
        const int n = table.recordCount();
        for (int i = 0; i < n; ++i) {
            const qint64 value = id.asInteger();
            if (value > endId)
                break; // ascending IDs: nothing later is in range
            if (startId <= value) {
                markCurrent(table, selected);
                if (status)
                    status(QStringLiteral("Noch zu markieren: %1 aus %2 Datensätzen")
                               .arg(endId - startId - marked)
                               .arg(table.recordCount()));
                ++marked;
            }
            table.next();
        }
        table.first();
    }
    table.close();
    table.open();
    return marked;
}

int MarkMatchingRecords(Table &table, const QString &wording)
{
    const QString wanted = AsciiUpper(wording);
    if (wanted.isEmpty() || !table.isOpen())
        return 0; // an empty wording occurs in no text
    postPending(table);
    if (table.isEmpty())
        return 0;
    SuspendedControls suspended(table);
    Field selected = table.fieldByName(SelectedField);
    const int fields = table.fieldCount();
    int matches = 0;
    for (;;) {
        const int position = table.position();
        bool found = false;
        for (int f = 0; f < fields && !found; ++f)
            found = ContainsAsciiUpper(table.textAt(position, f), wanted);
        if (found) {
            ++matches;
            if (!markCurrent(table, selected)) {
                // The record left the view; the one now at its place is new.
                if (table.isEmpty() || position >= table.recordCount())
                    break;
                continue;
            }
        }
        if (table.moveBy(1) == 0)
            break; // the end of the table
    }
    return matches;
}

int DeleteMarkedRecords(Table &table, const StatusReport &status)
{
    postPending(table);
    int deleted = 0;
    {
        SuspendedControls suspended(table);
        table.setFiltered(false);
        table.first();
        Field selected = table.fieldByName(SelectedField);
        const int n = table.recordCount();
        for (int i = 0; i < n && !table.isEmpty(); ++i) {
            if (selected.asBoolean()) {
                ++deleted;
                table.deleteRecord(); // the cursor moves to the following record
                if (status)
                    status(QStringLiteral("Delete: %1").arg(deleted));
            } else {
                table.next();
            }
        }
        table.first();
    }
    table.close();
    table.open();
    return deleted;
}
