#include "LocalSql.h"

#include "Condition.h"
#include "Sqlite.h"
#include "Table.h"
#include "TableError.h"
#include "util/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

[[noreturn]] void sqlError(int pos, const QString &detail)
{
    throw TableError(
        QStringLiteral("Fehler in der SQL-Anweisung an Position %1: %2").arg(pos).arg(detail));
}

} // namespace

int ExecuteLocalSql(const QString &dataFolder, const QString &statement)
{
    static const QRegularExpression head(
        QStringLiteral("^\\s*UPDATE\\s+(?:'([^']*)'|\"([^\"]*)\"|([^\\s'\"]+))\\s+SET\\s+"
                       "(?:\"([^\"]+)\"|\\[([^\\]]+)\\]|([\\w]+))\\s*=\\s*"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = head.match(statement);
    if (!m.hasMatch())
        sqlError(1, QStringLiteral("erwartet wird UPDATE 'Tabelle.DB' SET Feld = Wert [WHERE …]"));
    QString file = m.captured(1) + m.captured(2) + m.captured(3);
    const QString fieldName = m.captured(4) + m.captured(5) + m.captured(6);
    if (file.isEmpty())
        sqlError(m.capturedStart(1) + 1, QStringLiteral("Tabellenname fehlt"));
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".DB");

    // The value: quoted text, a number or NULL.
    qsizetype i = m.capturedEnd(0);
    const int valuePos = int(i) + 1;
    QString valueText;
    bool isNull = false;
    if (i < statement.size() && statement.at(i) == u'\'') {
        ++i;
        for (;;) {
            if (i >= statement.size())
                sqlError(valuePos, QStringLiteral("schließendes Hochkomma fehlt"));
            if (statement.at(i) == u'\'') {
                if (i + 1 < statement.size() && statement.at(i + 1) == u'\'') {
                    valueText.append(u'\'');
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            valueText.append(statement.at(i++));
        }
    } else {
        const qsizetype start = i;
        while (i < statement.size() && !statement.at(i).isSpace())
            ++i;
        valueText = statement.mid(start, i - start);
        if (valueText.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0) {
            isNull = true;
            valueText.clear();
        } else if (valueText.isEmpty()) {
            sqlError(valuePos, QStringLiteral("Wert erwartet"));
        }
    }
    while (i < statement.size() && statement.at(i).isSpace())
        ++i;
    QString where;
    int whereOffset = 0;
    if (i < statement.size()) {
        if (statement.mid(i, 5).compare(QLatin1String("WHERE"), Qt::CaseInsensitive) != 0 ||
            (i + 5 < statement.size() && !statement.at(i + 5).isSpace()))
            sqlError(int(i) + 1, QStringLiteral("WHERE erwartet"));
        whereOffset = int(i) + 5;
        where = statement.mid(i + 5);
    }

    const QString path = FindFileNoCase(dataFolder, file);
    if (!QFileInfo::exists(path))
        throw TableError(
            QStringLiteral("Die Tabelle %1 gibt es nicht.").arg(QDir::toNativeSeparators(path)));
    SqliteConnection db;
    db.open(path, false);
    QList<FieldDef> fields;
    QList<IndexDef> indexes;
    ReadTableSchema(db, path, &fields, &indexes);
    const auto target = std::find_if(fields.begin(), fields.end(), [&](const FieldDef &f) {
        return f.name.compare(fieldName, Qt::CaseInsensitive) == 0;
    });
    if (target == fields.end())
        sqlError(m.capturedStart(4) + m.capturedStart(5) + m.capturedStart(6) + 3,
                 QStringLiteral("unbekanntes Feld „%1“").arg(fieldName));
    if (target->type == FieldType::AutoInc)
        throw TableError(
            QStringLiteral("Das Zählerfeld „%1“ kann nicht geändert werden.").arg(target->name));
    const QVariant value = isNull ? QVariant() : Table::storedFromText(*target, valueText);

    CompiledCondition cond;
    if (!where.trimmed().isEmpty())
        cond = CompileCondition(where, ConditionDialect::Sql, fields, whereOffset);
    else if (!where.isNull())
        sqlError(whereOffset + 1, QStringLiteral("Bedingung fehlt"));
    QString sql = QStringLiteral("UPDATE data SET %1 = ?").arg(QuoteIdentifier(target->name));
    if (!cond.sql.isEmpty())
        sql += QStringLiteral(" WHERE ") + cond.sql;
    SqliteStatement st = db.prepare(sql);
    st.bind(1, value);
    for (int p = 0; p < cond.params.size(); ++p)
        st.bind(p + 2, cond.params.at(p));
    st.exec();
    return db.changes();
}
