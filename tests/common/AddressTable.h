#pragma once

#include "catalogue/FieldDef.h"
#include "catalogue/Table.h"

#include <QMap>

// The seventeen base fields of an address table with sortable indexes on
// Name and Ort, as the stock database has them.
inline QList<FieldDef> addressFields()
{
    const auto s = [](const char *n, int size) {
        return FieldDef{QString::fromUtf8(n), FieldType::String, size, false};
    };
    return {{QStringLiteral("ID"), FieldType::AutoInc, 0, false},
            {QStringLiteral("Selected"), FieldType::Boolean, 0, false},
            {QStringLiteral("Invalid"), FieldType::Boolean, 0, false},
            s("LetztesMail", 20),
            s("Mail", 80),
            s("Anrede", 30),
            s("Betreff", 60),
            s("Name", 60),
            s("Vorname", 50),
            s("Ansprechpartner", 60),
            s("Str", 60),
            s("PLZ", 10),
            s("Ort", 50),
            s("Land", 40),
            s("Tel", 30),
            s("Fax", 30),
            s("Kategorie", 40)};
}

inline QList<IndexDef> addressIndexes()
{
    return {{QStringLiteral("ID"), {QStringLiteral("ID")}, true},
            {QStringLiteral("Name"), {QStringLiteral("Name")}, false},
            {QStringLiteral("Ort"), {QStringLiteral("Ort")}, false}};
}

// Appends and posts one record; values by field name, as text.
inline qint64 addRecord(Table &t, const QMap<QString, QString> &values)
{
    t.append();
    for (auto it = values.begin(); it != values.end(); ++it)
        t.fieldByName(it.key()).setAsString(it.value());
    t.post();
    return t.fieldByName(QStringLiteral("ID")).asInteger();
}
