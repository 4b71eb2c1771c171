#include "FieldDefinitions.h"

#include "Table.h"
#include "TableError.h"
#include "platform/UserInterface.h"
#include "util/LineFile.h"
#include "util/Paths.h"
#include "util/TextCase.h"
#include "util/Words.h"

#include <QDir>
#include <QFileInfo>

FieldDefinitionLine FieldDefinitionLine::parse(const QString &line)
{
    FieldDefinitionLine d;
    QString *columns[] = {&d.name,        &d.typeName,     &d.requiredText,
                          &d.sizeText,    &d.indexName,    &d.indexFields,
                          &d.primaryText, &d.sortableText, &d.displayName};
    for (int i = 0; i < 9; ++i)
        *columns[i] = FieldAt(line, i + 1);
    return d;
}

bool FieldDefinitionLine::required() const
{
    return AsciiUpper(requiredText) == QLatin1String("TRUE");
}

bool FieldDefinitionLine::sortable() const
{
    return AsciiUpper(sortableText) == QLatin1String("TRUE");
}

bool FieldDefinitionLine::size(int *value) const
{
    bool ok = false;
    const int n = sizeText.toInt(&ok);
    if (ok)
        *value = n;
    return ok;
}

bool BuildTableDefinition(const QStringList &lines, TableDefinition *definition, QString *error)
{
    TableDefinition def;
    for (int i = 1; i < lines.size(); ++i) {
        const FieldDefinitionLine d = FieldDefinitionLine::parse(lines.at(i));
        if (d.name.isEmpty())
            continue; // a blank line defines nothing
        int size = 0;
        if (!d.size(&size)) {
            *error = QStringLiteral("Zeile %1: „%2“ ist keine gültige Feldgröße für das Feld „%3“.")
                         .arg(i + 1)
                         .arg(d.sizeText, d.name);
            return false;
        }
        FieldType type;
        if (d.typeName == QLatin1String("ftPicture"))
            def.fields.append({d.name, FieldType::String, 2, d.required()});
        else if (FieldTypeFromName(d.typeName, &type))
            def.fields.append({d.name, type, size, d.required()});
        def.log << QStringLiteral("FieldDefs.Add(%1,%2,%3,%4);")
                       .arg(d.name, d.typeName, d.sizeText, AsciiUpper(d.requiredText));
    }
    for (int i = 1; i < lines.size(); ++i) {
        const FieldDefinitionLine d = FieldDefinitionLine::parse(lines.at(i));
        if (d.name.isEmpty() || !d.hasIndex())
            continue;
        QStringList fields;
        for (const QString &f : d.indexFields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            fields << f.trimmed();
        def.indexes.append({d.indexName, fields, d.primary()});
        def.log << QStringLiteral("IndexDefs.Add(%1,%2,%3);")
                       .arg(d.indexName, d.indexFields,
                            d.primary() ? QStringLiteral("[ixPrimary,ixUnique]")
                                        : QStringLiteral("[]"));
    }
    *definition = def;
    return true;
}

bool CreateTableFromDefinition(const QString &dataFolder, const QString &tableName,
                               UserInterface &ui)
{
    const QString proPath = FindFileNoCase(dataFolder, tableName + QStringLiteral(".pro"));
    bool readOk = false;
    const QStringList lines = ReadLineFile(proPath, &readOk);
    if (!readOk) {
        ui.error(
            QStringLiteral("Die Felddefinitionsdatei „%1“ fehlt oder kann nicht gelesen werden.\n\n"
                           "Die Tabelle der Datenbank kann nicht angelegt werden.")
                .arg(QDir::toNativeSeparators(proPath)));
        return false;
    }
    TableDefinition def;
    QString problem;
    if (!BuildTableDefinition(lines, &def, &problem)) {
        ui.error(QStringLiteral("Die Felddefinitionsdatei „%1“ ist fehlerhaft:\n%2\n\n"
                                "Die Tabelle der Datenbank kann nicht angelegt werden.")
                     .arg(QDir::toNativeSeparators(proPath), problem));
        return false;
    }
    WriteLineFile(FindFileNoCase(dataFolder, tableName + QStringLiteral(".log")), def.log);
    try {
        Table::create(FindFileNoCase(dataFolder, tableName + QStringLiteral(".DB")), def.fields,
                      def.indexes);
    } catch (const TableError &) {
        ui.error(QStringLiteral("Database not created!"));
        return false;
    }
    return true;
}
