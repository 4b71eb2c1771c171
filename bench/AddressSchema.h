#pragma once

#include <QStringList>

#include "catalogue/FieldDef.h"

#include <QList>
#include <QString>

struct AddressSchema
{
    QList<FieldDef> fields;
    QList<IndexDef> indexes;
    QStringList lines; // the file as read, for the writers that take definition lines
};

// Reads a field definition file (Windows-1252, "|"-separated, line 1 the
// header; columns: name, type, required, size, index name, index fields,
// primary, sortable, display name). Returns false and sets *error when the
// file is missing or a line cannot be understood.
bool ReadAddressSchema(const QString &path, AddressSchema *schema, QString *error);
