#pragma once

#include "AddressTable.h"
#include "catalogue/Table.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

// The one builder of the tests' tables: a table file with the given fields
// and indexes (the address fields by default) holding the given records.
namespace TestTable {

// A record's values by field name, as text ("Wahr"/"Falsch" for booleans).
using Record = QMap<QString, QString>;

// Creates the table file at path, posts the records (IDs from 1) and leaves
// table open on its first record.
inline void create(Table &table, const QString &path, const QList<Record> &records = {},
                   const QList<FieldDef> &fields = addressFields(),
                   const QList<IndexDef> &indexes = addressIndexes())
{
    Table::create(path, fields, indexes);
    table.setTableName(path);
    table.open();
    for (const Record &r : records)
        addRecord(table, r);
    table.first();
}

// Field definition lines (".pro") for the fields, header first: text fields
// of their size, booleans, the counter; no indexes, display name = field name.
inline QStringList definitionLines(const QList<FieldDef> &fields = addressFields())
{
    QStringList lines{QStringLiteral(
        "FELDNAME|FELDTYP|PFLICHT|GROESSE|INDEXNAME|INDEXFELDER|PRIMAER|SORTIERBAR|ANZEIGE")};
    for (const FieldDef &f : fields) {
        const QString type = f.type == FieldType::AutoInc   ? QStringLiteral("ftAutoInc")
                             : f.type == FieldType::Boolean ? QStringLiteral("ftBoolean")
                                                            : QStringLiteral("ftString");
        lines << QStringLiteral("%1|%2|False|%3| | | |False|%1")
                     .arg(f.name, type, QString::number(f.type == FieldType::String ? f.size : 0));
    }
    return lines;
}

// The values of one field over the records the table shows, in its order.
inline QStringList column(Table &table, const QString &field)
{
    QStringList out;
    const int index = table.fieldIndex(field);
    for (int i = 0; i < table.recordCount(); ++i)
        out << table.textAt(i, index);
    return out;
}

} // namespace TestTable

// A table in a temporary folder of its own, standing on its first record.
class TempTable
{
    QTemporaryDir m_dir; // outlives the table

public:
    using Record = TestTable::Record;

    explicit TempTable(const QList<Record> &records = {},
                       const QList<FieldDef> &fields = addressFields(),
                       const QList<IndexDef> &indexes = addressIndexes())
    {
        TestTable::create(table, path(), records, fields, indexes);
    }

    QString path() const { return m_dir.filePath(QStringLiteral("Adressen.DB")); }
    QString currentId() { return table.fieldByName(QStringLiteral("ID")).asString(); }
    QStringList column(const QString &field) { return TestTable::column(table, field); }

    Table table;
};
