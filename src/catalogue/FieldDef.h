#pragma once

#include <QList>
#include <QString>
#include <QStringList>

enum class FieldType { String, Integer, Boolean, Float, Currency, Date, Time, AutoInc, Memo };

// The type names of field definition files; an unknown name gives false.
bool FieldTypeFromName(const QString &typeName, FieldType *type);
QString FieldTypeName(FieldType type);

struct FieldDef
{
    QString name;
    FieldType type = FieldType::String;
    int size = 0; // characters for String; ignored for the others
    bool required = false;
};

struct IndexDef
{
    QString name;
    QStringList fields;
    bool primary = false; // primary indexes are unique
};
