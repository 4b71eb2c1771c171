#pragma once

#include "FieldDef.h"

#include <QString>
#include <QStringList>

class UserInterface;

// One line of a field definition file (".pro"): name | type | required |
// size | index name | index fields | primary | sortable | display name.
// Columns are words between runs of "|", so an empty column shifts the rest.
struct FieldDefinitionLine
{
    QString name;
    QString typeName;
    QString requiredText;
    QString sizeText;
    QString indexName;
    QString indexFields;
    QString primaryText;
    QString sortableText;
    QString displayName;

    static FieldDefinitionLine parse(const QString &line);
    bool required() const;
    bool sortable() const;
    bool hasIndex() const { return !indexName.isEmpty(); }
    bool primary() const { return !primaryText.isEmpty(); }
    // False when the size column is not a whole number.
    bool size(int *value) const;
    // The name shown to the user: the display name, else the field name.
    QString shownName() const { return displayName.isEmpty() ? name : displayName; }
};

// What a definition file asks the store to create, and the creation log.
struct TableDefinition
{
    QList<FieldDef> fields;
    QList<IndexDef> indexes;
    QStringList log;
};

// Builds the definition from the lines of a ".pro" file (line 1 is the
// header). Lines with an unknown type create no field but still count for the
// log and the index columns. A size that is not a whole number fails with a
// German message naming the line, in *error.
bool BuildTableDefinition(const QStringList &lines, TableDefinition *definition, QString *error);

// Creates Data folder + table name + ".DB" from the table's ".pro" file,
// writing the ".log" first. Shows "Database not created!" when the store
// refuses, and a message naming the file when it is missing or unreadable.
bool CreateTableFromDefinition(const QString &dataFolder, const QString &tableName,
                               UserInterface &ui);
