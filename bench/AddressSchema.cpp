#include "AddressSchema.h"

#include "util/LineFile.h"
#include "util/Words.h"

bool ReadAddressSchema(const QString &path, AddressSchema *schema, QString *error)
{
    bool ok = false;
    const QStringList lines = ReadLineFile(path, &ok);
    schema->lines = lines;
    if (!ok || lines.isEmpty()) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    schema->fields.clear();
    schema->indexes.clear();
    for (int i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        FieldDef f;
        f.name = FieldAt(line, 1);
        if (!FieldTypeFromName(FieldAt(line, 2), &f.type)) {
            *error = QStringLiteral("%1 line %2: unknown type '%3'")
                         .arg(path)
                         .arg(i + 1)
                         .arg(FieldAt(line, 2));
            return false;
        }
        f.required = FieldAt(line, 3).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
        f.size = FieldAt(line, 4).toInt();
        schema->fields.append(f);

        const QString indexName = FieldAt(line, 5);
        if (!indexName.isEmpty()) {
            IndexDef ix;
            ix.name = indexName;
            ix.fields = FieldAt(line, 6).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            for (QString &name : ix.fields)
                name = name.trimmed();
            ix.primary =
                FieldAt(line, 7).compare(QLatin1String("ixPrimary"), Qt::CaseInsensitive) == 0;
            schema->indexes.append(ix);
        }
    }
    if (schema->fields.isEmpty()) {
        *error = QStringLiteral("%1 defines no fields").arg(path);
        return false;
    }
    return true;
}
