#pragma once

#include "AddressTable.h"
#include "catalogue/Sqlite.h"
#include "catalogue/Table.h"

#include <QStringList>

// A few addresses for the view tests: name, town, and the mark ("" leaves
// it empty, which reads as neither "Wahr" nor "Falsch").
struct Person
{
    const char *name;
    const char *ort;
    const char *selected;
};

inline const QList<Person> &people()
{
    static const QList<Person> list = {
        {"Meier", "Berlin", "Falsch"},  {"Müller", "Hamburg", "Falsch"},
        {"MüLLER", "Bremen", "Falsch"}, {"MÜLLER", "Köln", "Falsch"},
        {"Schulz", "Berlin", "Wahr"},   {"Bauer", "München", ""},
        {"Zimmer", "Berlin", "Falsch"}, {"Lange", "Bonn", "Wahr"},
    };
    return list;
}

// Creates an address table at path holding the people (IDs from 1) and
// leaves it open.
inline void makePeopleTable(Table &t, const QString &path, const QList<Person> &list = people())
{
    Table::create(path, addressFields(), addressIndexes());
    t.setTableName(path);
    t.open();
    for (const Person &p : list)
        addRecord(t, {{QStringLiteral("Name"), QString::fromUtf8(p.name)},
                      {QStringLiteral("Ort"), QString::fromUtf8(p.ort)},
                      {QStringLiteral("Selected"), QString::fromUtf8(p.selected)}});
    t.first();
}

// The values of one field over all records the table shows, in its order.
inline QStringList column(Table &t, const QString &field)
{
    QStringList out;
    const int f = t.fieldIndex(field);
    for (int i = 0; i < t.recordCount(); ++i)
        out << t.textAt(i, f);
    return out;
}

// The names of the marked records, in the table's order, filter off.
inline QStringList markedNames(Table &t)
{
    QStringList out;
    const int name = t.fieldIndex(QStringLiteral("Name"));
    const int mark = t.fieldIndex(QStringLiteral("Selected"));
    for (int i = 0; i < t.recordCount(); ++i)
        if (t.textAt(i, mark) == QLatin1String("Wahr"))
            out << t.textAt(i, name);
    return out;
}

// Turns a field of a closed table file into a required one, so that a
// record holding it empty can no longer be posted: a walk then fails half
// way through.
inline void makeRequired(const QString &path, const QString &field)
{
    SqliteConnection db;
    db.open(path, false);
    SqliteStatement st = db.prepare(QStringLiteral("UPDATE lv_fields SET required=1 WHERE name=?"));
    st.bind(1, field);
    st.exec();
}
