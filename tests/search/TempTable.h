#pragma once

#include "AddressTable.h"
#include "catalogue/Table.h"

#include <QTemporaryDir>

// An open table in a temporary folder holding the given records (IDs from
// 1), standing on its first record.
class TempTable
{
    QTemporaryDir m_dir; // outlives the table

public:
    using Record = QMap<QString, QString>;

    explicit TempTable(const QList<Record> &records,
                       const QList<FieldDef> &fields = addressFields(),
                       const QList<IndexDef> &indexes = addressIndexes())
    {
        const QString path = m_dir.filePath(QStringLiteral("Adressen.DB"));
        Table::create(path, fields, indexes);
        table.setTableName(path);
        table.open();
        for (const Record &r : records)
            addRecord(table, r);
        table.first();
    }

    QString currentId() { return table.fieldByName(QStringLiteral("ID")).asString(); }

    // The values of one field, in table order.
    QStringList column(const QString &field)
    {
        QStringList out;
        const int index = table.fieldIndex(field);
        for (int i = 0; i < table.recordCount(); ++i)
            out << table.textAt(i, index);
        return out;
    }

    Table table;
};
