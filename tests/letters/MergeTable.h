#pragma once

#include "catalogue/Table.h"

#include <QStringList>
#include <QTemporaryDir>

// An address table whose first five fields are the stock ones (ID,
// Selected, Invalid, LetztesMail, Mail), followed by the given text fields,
// and the matching field definition lines.
class MergeTable
{
public:
    explicit MergeTable(const QStringList &textFields)
        : definitions(definitionLines(fieldsWith(textFields)))
    {
        const QString path = m_dir.filePath(QStringLiteral("Adressen.DB"));
        Table::create(path, fieldsWith(textFields), indexes());
        table.setTableName(path);
        table.open();
    }

    // The stock leading fields followed by the text fields.
    static QList<FieldDef> fieldsWith(const QStringList &textFields)
    {
        QList<FieldDef> fields = {{QStringLiteral("ID"), FieldType::AutoInc, 0, false},
                                  {QStringLiteral("Selected"), FieldType::Boolean, 0, false},
                                  {QStringLiteral("Invalid"), FieldType::Boolean, 0, false},
                                  {QStringLiteral("LetztesMail"), FieldType::String, 20, false},
                                  {QStringLiteral("Mail"), FieldType::String, 80, false}};
        for (const QString &name : textFields)
            fields.append({name, FieldType::String, 80, false});
        return fields;
    }
    static QList<IndexDef> indexes()
    {
        return {{QStringLiteral("ID"), {QStringLiteral("ID")}, true}};
    }
    static QStringList definitionLines(const QList<FieldDef> &fields)
    {
        QStringList lines{QStringLiteral("Feldname|Typ|Pflicht|Größe|Index|Indexfelder|Primär|"
                                         "Sortierbar|Anzeige")};
        for (const FieldDef &f : fields)
            lines << f.name + QStringLiteral("|A|N|80| | | |J|") + f.name;
        return lines;
    }

    // Appends a record; values go to the text fields in order.
    void add(bool marked, const QStringList &values)
    {
        table.append();
        table.fieldByName(QStringLiteral("Selected")).setAsBoolean(marked);
        for (int i = 0; i < values.size(); ++i)
            table.field(5 + i).setAsString(values.at(i));
        table.post();
    }

    void add(bool marked, const QString &mail)
    {
        table.append();
        table.fieldByName(QStringLiteral("Selected")).setAsBoolean(marked);
        table.fieldByName(QStringLiteral("Mail")).setAsString(mail);
        table.post();
    }

    Table table;
    QStringList definitions;

private:
    QTemporaryDir m_dir;
};
