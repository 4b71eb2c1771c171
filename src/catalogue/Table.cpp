#include "Table.h"

#include "Condition.h"
#include "TableError.h"
#include "TableLock.h"
#include "util/TextCase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kBlock = 128;                // records read per query
constexpr int kCacheLimit = 8192;          // cached records before the cache is dropped
constexpr int kApplicationId = 0x4C565442; // marks our table files

const QString kData = QStringLiteral("data");

QString columnDecl(const FieldDef &f)
{
    switch (f.type) {
    case FieldType::Integer:
    case FieldType::Boolean:
    case FieldType::Currency:
    case FieldType::AutoInc:
        return QStringLiteral("INTEGER");
    case FieldType::Float:
        return QStringLiteral("REAL");
    default:
        return QStringLiteral("TEXT");
    }
}

bool isTextType(FieldType t)
{
    return t == FieldType::String || t == FieldType::Memo;
}

QString timeFormat()
{
    QString f = QLocale().timeFormat(QLocale::LongFormat);
    f.remove(QLatin1Char('t'));
    return f.trimmed();
}

} // namespace

// The ordered record keys with a gap at the last place of change, so that
// deleting or inserting at the cursor - the pattern of every bulk walk - costs
// nothing however long the list is.
class Table::KeyList
{
public:
    void assign(std::vector<qint64> keys)
    {
        m_data = std::move(keys);
        m_gapStart = m_gapEnd = m_data.size();
    }
    int size() const { return int(m_data.size() - (m_gapEnd - m_gapStart)); }
    qint64 at(int i) const
    {
        const size_t p = size_t(i);
        return p < m_gapStart ? m_data[p] : m_data[p + (m_gapEnd - m_gapStart)];
    }
    void erase(int i)
    {
        moveGap(size_t(i));
        ++m_gapEnd;
    }
    void insert(int i, qint64 key)
    {
        moveGap(size_t(i));
        if (m_gapStart == m_gapEnd) {
            const size_t grow = std::max<size_t>(64, m_data.size() / 8);
            m_data.insert(m_data.begin() + m_gapStart, grow, 0);
            m_gapEnd += grow;
        }
        m_data[m_gapStart++] = key;
    }
    int indexOf(qint64 key, int hint) const
    {
        const int n = size();
        if (n == 0)
            return -1;
        hint = std::clamp(hint, 0, n - 1);
        // Search outwards from the hint: lookups are nearly always close by.
        for (int d = 0; d < n; ++d) {
            const int up = hint + d, down = hint - d;
            if (up >= n && down < 0)
                break;
            if (up < n && at(up) == key)
                return up;
            if (down >= 0 && down != up && at(down) == key)
                return down;
        }
        return -1;
    }

private:
    void moveGap(size_t to)
    {
        const size_t gap = m_gapEnd - m_gapStart;
        if (to < m_gapStart) {
            std::move_backward(m_data.begin() + to, m_data.begin() + m_gapStart,
                               m_data.begin() + m_gapEnd);
        } else if (to > m_gapStart) {
            std::move(m_data.begin() + m_gapEnd, m_data.begin() + to + gap,
                      m_data.begin() + m_gapStart);
        }
        m_gapStart = to;
        m_gapEnd = to + gap;
    }

    std::vector<qint64> m_data;
    size_t m_gapStart = 0;
    size_t m_gapEnd = 0;
};

bool FieldTypeFromName(const QString &typeName, FieldType *type)
{
    static const QHash<QString, FieldType> names = {
        {QStringLiteral("ftString"), FieldType::String},
        {QStringLiteral("ftInteger"), FieldType::Integer},
        {QStringLiteral("ftBoolean"), FieldType::Boolean},
        {QStringLiteral("ftFloat"), FieldType::Float},
        {QStringLiteral("ftCurrency"), FieldType::Currency},
        {QStringLiteral("ftDate"), FieldType::Date},
        {QStringLiteral("ftTime"), FieldType::Time},
        {QStringLiteral("ftAutoInc"), FieldType::AutoInc},
        {QStringLiteral("ftMemo"), FieldType::Memo},
    };
    const auto it = names.constFind(typeName);
    if (it == names.constEnd())
        return false;
    *type = *it;
    return true;
}

QString FieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::String:
        return QStringLiteral("ftString");
    case FieldType::Integer:
        return QStringLiteral("ftInteger");
    case FieldType::Boolean:
        return QStringLiteral("ftBoolean");
    case FieldType::Float:
        return QStringLiteral("ftFloat");
    case FieldType::Currency:
        return QStringLiteral("ftCurrency");
    case FieldType::Date:
        return QStringLiteral("ftDate");
    case FieldType::Time:
        return QStringLiteral("ftTime");
    case FieldType::AutoInc:
        return QStringLiteral("ftAutoInc");
    case FieldType::Memo:
        return QStringLiteral("ftMemo");
    }
    return {};
}

// ---------------------------------------------------------------- creation

void Table::create(const QString &path, const QList<FieldDef> &fields,
                   const QList<IndexDef> &indexes)
{
    if (fields.isEmpty())
        throw TableError(QStringLiteral("Die Tabelle hat keine Felder."));
    QSet<QString> names;
    int autoIncs = 0;
    for (const FieldDef &f : fields) {
        if (f.name.trimmed().isEmpty())
            throw TableError(QStringLiteral("Ein Feld hat keinen Namen."));
        if (f.name.startsWith(QLatin1String("lv_"), Qt::CaseInsensitive) ||
            f.name.compare(QLatin1String("_rid"), Qt::CaseInsensitive) == 0)
            throw TableError(QStringLiteral("Der Feldname „%1“ ist reserviert.").arg(f.name));
        if (names.contains(f.name.toUpper()))
            throw TableError(QStringLiteral("Das Feld „%1“ ist doppelt definiert.").arg(f.name));
        names.insert(f.name.toUpper());
        if (f.type == FieldType::String && (f.size < 1 || f.size > 255))
            throw TableError(
                QStringLiteral("Ungültige Größe %1 für das Feld „%2“ (erlaubt: 1 bis 255).")
                    .arg(f.size)
                    .arg(f.name));
        if (f.type == FieldType::Memo && (f.size < 0 || f.size > 240))
            throw TableError(
                QStringLiteral("Ungültige Größe %1 für das Memofeld „%2“ (erlaubt: 0 bis 240).")
                    .arg(f.size)
                    .arg(f.name));
        if (f.type == FieldType::AutoInc && ++autoIncs > 1)
            throw TableError(QStringLiteral("Eine Tabelle kann nur ein Zählerfeld haben."));
    }
    const bool hasPrimary =
        std::any_of(indexes.begin(), indexes.end(), [](const IndexDef &i) { return i.primary; });
    QSet<QString> indexNames;
    int primaries = 0;
    for (const IndexDef &ix : indexes) {
        if (ix.name.trimmed().isEmpty())
            throw TableError(QStringLiteral("Ein Index hat keinen Namen."));
        if (indexNames.contains(ix.name.toUpper()))
            throw TableError(QStringLiteral("Der Index „%1“ ist doppelt definiert.").arg(ix.name));
        indexNames.insert(ix.name.toUpper());
        if (ix.primary && ++primaries > 1)
            throw TableError(QStringLiteral("Eine Tabelle kann nur einen Primärindex haben."));
        if (!ix.primary && !hasPrimary)
            throw TableError(
                QStringLiteral("Der Sekundärindex „%1“ braucht einen Primärindex.").arg(ix.name));
        if (ix.fields.isEmpty())
            throw TableError(QStringLiteral("Der Index „%1“ hat keine Felder.").arg(ix.name));
        for (const QString &fname : ix.fields) {
            const auto it = std::find_if(fields.begin(), fields.end(), [&](const FieldDef &f) {
                return f.name.compare(fname.trimmed(), Qt::CaseInsensitive) == 0;
            });
            if (it == fields.end())
                throw TableError(QStringLiteral("Das Indexfeld „%1“ des Index „%2“ gibt es nicht.")
                                     .arg(fname, ix.name));
            if (it->type == FieldType::Memo)
                throw TableError(
                    QStringLiteral("Das Memofeld „%1“ kann nicht indiziert werden.").arg(fname));
        }
    }

    const QString target = QFileInfo(path).absoluteFilePath();
    const QString temp = target + QStringLiteral(".new");
    for (const QString &p : {temp, temp + QStringLiteral("-journal")})
        QFile::remove(p);
    try {
        SqliteConnection db;
        db.open(temp, true);
        db.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
        db.exec(QStringLiteral("PRAGMA user_version = 1"));
        db.exec(QStringLiteral("BEGIN"));
        db.exec(QStringLiteral(
            "CREATE TABLE lv_fields(pos INTEGER PRIMARY KEY, name TEXT NOT NULL,"
            " type TEXT NOT NULL, size INTEGER NOT NULL, required INTEGER NOT NULL)"));
        db.exec(
            QStringLiteral("CREATE TABLE lv_indexes(pos INTEGER PRIMARY KEY, name TEXT NOT NULL,"
                           " fields TEXT NOT NULL, is_primary INTEGER NOT NULL)"));
        QStringList cols;
        QString keyName;
        for (const FieldDef &f : fields) {
            if (f.type == FieldType::AutoInc) {
                keyName = f.name;
                cols << QuoteIdentifier(f.name) +
                            QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
            } else {
                cols << QuoteIdentifier(f.name) + QLatin1Char(' ') + columnDecl(f);
            }
        }
        if (keyName.isEmpty())
            cols.prepend(QStringLiteral("_rid INTEGER PRIMARY KEY AUTOINCREMENT"));
        db.exec(QStringLiteral("CREATE TABLE data(%1)").arg(cols.join(QStringLiteral(", "))));

        SqliteStatement addField = db.prepare(QStringLiteral(
            "INSERT INTO lv_fields(pos, name, type, size, required) VALUES (?,?,?,?,?)"));
        for (int i = 0; i < fields.size(); ++i) {
            const FieldDef &f = fields.at(i);
            addField.reset();
            addField.bind(1, i);
            addField.bind(2, f.name);
            addField.bind(3, FieldTypeName(f.type));
            addField.bind(4, f.size);
            addField.bind(5, f.required ? 1 : 0);
            addField.exec();
        }
        SqliteStatement addIndex = db.prepare(QStringLiteral(
            "INSERT INTO lv_indexes(pos, name, fields, is_primary) VALUES (?,?,?,?)"));
        for (int i = 0; i < indexes.size(); ++i) {
            const IndexDef &ix = indexes.at(i);
            QStringList parts;
            for (const QString &fname : ix.fields) {
                const auto f = std::find_if(fields.begin(), fields.end(), [&](const FieldDef &d) {
                    return d.name.compare(fname.trimmed(), Qt::CaseInsensitive) == 0;
                });
                parts << QuoteIdentifier(f->name) +
                             (isTextType(f->type) ? QStringLiteral(" COLLATE lv_sort") : QString());
            }
            const bool onKey =
                ix.primary && ix.fields.size() == 1 &&
                ix.fields.first().trimmed().compare(keyName, Qt::CaseInsensitive) == 0;
            // Only a primary index is kept up to date by SQLite, for its
            // uniqueness. Secondary indexes only give an order, which is sorted
            // when chosen: every post would otherwise update one b-tree more
            // per index, the larger part of its cost.
            if (ix.primary && !onKey)
                db.exec(QStringLiteral("CREATE %1INDEX %2 ON data(%3)")
                            .arg(ix.primary ? QStringLiteral("UNIQUE ") : QString(),
                                 QuoteIdentifier(QStringLiteral("ix_") + ix.name),
                                 parts.join(QStringLiteral(", "))));
            addIndex.reset();
            addIndex.bind(1, i);
            addIndex.bind(2, ix.name);
            addIndex.bind(3, ix.fields.join(QLatin1Char(';')));
            addIndex.bind(4, ix.primary ? 1 : 0);
            addIndex.exec();
        }
        db.exec(QStringLiteral("COMMIT"));
        db.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        db.close();
    } catch (...) {
        QFile::remove(temp);
        throw;
    }
    for (const QString &suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(target + suffix);
    if (!QFile::rename(temp, target)) {
        QFile::remove(temp);
        throw TableError(QStringLiteral("Die Tabelle %1 kann nicht angelegt werden.")
                             .arg(QDir::toNativeSeparators(target)));
    }
}

// ---------------------------------------------------------------- open/close

Table::Table(QObject *parent) : QObject(parent), m_keys(std::make_unique<KeyList>()) {}

Table::~Table()
{
    if (isOpen()) {
        m_state = State::Inactive;
        m_db.close();
        if (m_lockTaken && m_lock)
            m_lock->release();
    }
}

void Table::setTableName(const QString &path)
{
    if (isOpen())
        throw TableError(
            QStringLiteral("Der Tabellenname kann bei geöffneter Tabelle nicht geändert werden."));
    m_path = path;
}

void Table::requireOpen(const char *what) const
{
    if (!isOpen())
        throw TableError(
            QStringLiteral("Die Tabelle ist nicht geöffnet (%1).").arg(QString::fromLatin1(what)));
}

void Table::requireEditing() const
{
    if (m_state != State::Edit && m_state != State::Insert)
        throw TableError(
            QStringLiteral("Die Tabelle ist nicht im Bearbeitungs- oder Einfügemodus."));
}

void Table::open()
{
    if (isOpen())
        return;
    if (m_path.isEmpty())
        throw TableError(QStringLiteral("Kein Tabellenname angegeben."));
    if (!QFileInfo::exists(m_path))
        throw TableError(
            QStringLiteral("Die Tabelle %1 gibt es nicht.").arg(QDir::toNativeSeparators(m_path)));
    if (m_lock && !m_lockTaken) {
        if (!m_lock->acquire())
            throw TableError(
                QStringLiteral("Die Datenbank ist in Benutzung durch einen anderen Benutzer."));
        m_lockTaken = true;
    }
    try {
        m_db.open(m_path, false);
        loadSchema();
        // A post is on disk for every later reader, and survives the program
        // being killed, when it returns; only a power failure can take back
        // the last posts (WAL with NORMAL never corrupts the file). A sync
        // per post would cost far more than the post itself.
        m_db.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
        buildStatements();
        if (m_filtered && !m_filterText.isEmpty()) {
            const CompiledCondition c =
                CompileCondition(m_filterText, ConditionDialect::Filter, m_fields);
            m_filterSql = c.sql;
            m_filterParams = c.params;
        } else {
            m_filterSql.clear();
            m_filterParams.clear();
        }
        if (!m_indexName.isEmpty() &&
            std::none_of(m_indexes.begin(), m_indexes.end(), [&](const IndexDef &i) {
                return i.name.compare(m_indexName, Qt::CaseInsensitive) == 0;
            }))
            throw TableError(QStringLiteral("Den Index „%1“ gibt es nicht.").arg(m_indexName));
        m_state = State::Browse;
        reloadKeys(0);
    } catch (...) {
        m_state = State::Inactive;
        m_selectBlock = {};
        m_insert = {};
        m_update = {};
        m_delete = {};
        m_filterCheck = {};
        m_db.close();
        if (m_lockTaken && m_lock)
            m_lock->release();
        m_lockTaken = false;
        throw;
    }
    first();
    emit stateChanged();
    emit recordsReset();
    emit afterOpen();
}

void Table::close()
{
    if (!isOpen())
        return;
    m_state = State::Inactive;
    m_buffer.clear();
    m_cache.clear();
    m_keys->assign({});
    m_pos = -1;
    m_eof = m_bof = true;
    m_selectBlock = {};
    m_insert = {};
    m_update = {};
    m_delete = {};
    m_filterCheck = {};
    m_db.close();
    if (m_lockTaken && m_lock)
        m_lock->release();
    m_lockTaken = false;
    emit stateChanged();
    emit recordsReset();
    emit afterClose();
}

void ReadTableSchema(SqliteConnection &db, const QString &path, QList<FieldDef> *fields,
                     QList<IndexDef> *indexes)
{
    const QString notATable = QStringLiteral("Die Datei %1 ist keine Tabelle oder beschädigt.")
                                  .arg(QDir::toNativeSeparators(path));
    try {
        qint64 appId = 0;
        {
            SqliteStatement st = db.prepare(QStringLiteral("PRAGMA application_id"));
            if (st.step())
                appId = st.int64At(0);
        }
        if (appId != kApplicationId)
            throw TableError(notATable);
        fields->clear();
        indexes->clear();
        SqliteStatement fs = db.prepare(
            QStringLiteral("SELECT name, type, size, required FROM lv_fields ORDER BY pos"));
        while (fs.step()) {
            FieldDef f;
            f.name = fs.textAt(0);
            if (!FieldTypeFromName(fs.textAt(1), &f.type))
                throw TableError(notATable);
            f.size = int(fs.int64At(2));
            f.required = fs.int64At(3) != 0;
            fields->append(f);
        }
        if (fields->isEmpty())
            throw TableError(notATable);
        SqliteStatement is = db.prepare(
            QStringLiteral("SELECT name, fields, is_primary FROM lv_indexes ORDER BY pos"));
        while (is.step()) {
            IndexDef ix;
            ix.name = is.textAt(0);
            ix.fields = is.textAt(1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            ix.primary = is.int64At(2) != 0;
            indexes->append(ix);
        }
        // Fails here, not later, when the file's columns do not match its schema.
        QStringList cols;
        for (const FieldDef &f : *fields)
            cols << QuoteIdentifier(f.name);
        db.prepare(
            QStringLiteral("SELECT %1 FROM data LIMIT 0").arg(cols.join(QStringLiteral(", "))));
    } catch (const TableError &e) {
        if (e.message().startsWith(QLatin1String("Die Tabelle ist von einem anderen")))
            throw;
        throw TableError(notATable);
    }
}

void Table::loadSchema()
{
    ReadTableSchema(m_db, m_path, &m_fields, &m_indexes);
    m_keyField = -1;
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).type == FieldType::AutoInc)
            m_keyField = i;
    m_keyColumn =
        m_keyField >= 0 ? QuoteIdentifier(m_fields.at(m_keyField).name) : QStringLiteral("_rid");
}

void Table::buildStatements()
{
    QStringList cols, holders, sets, inIds;
    for (int i = 0; i < m_fields.size(); ++i) {
        const QString c = QuoteIdentifier(m_fields.at(i).name);
        cols << c;
        if (i != m_keyField) {
            holders << QStringLiteral("?");
            sets << c + QStringLiteral("=?");
        }
    }
    QStringList insertCols;
    for (int i = 0; i < m_fields.size(); ++i)
        if (i != m_keyField)
            insertCols << QuoteIdentifier(m_fields.at(i).name);
    for (int i = 0; i < kBlock; ++i)
        inIds << QStringLiteral("?");
    m_selectBlock = m_db.prepare(
        QStringLiteral("SELECT %1, %2 FROM data WHERE %1 IN (%3)")
            .arg(m_keyColumn, cols.join(QLatin1Char(',')), inIds.join(QLatin1Char(','))));
    if (insertCols.isEmpty())
        m_insert = m_db.prepare(QStringLiteral("INSERT INTO data DEFAULT VALUES"));
    else
        m_insert = m_db.prepare(
            QStringLiteral("INSERT INTO data(%1) VALUES (%2)")
                .arg(insertCols.join(QLatin1Char(',')), holders.join(QLatin1Char(','))));
    if (!sets.isEmpty())
        m_update = m_db.prepare(QStringLiteral("UPDATE data SET %1 WHERE %2=?")
                                    .arg(sets.join(QLatin1Char(',')), m_keyColumn));
    m_delete = m_db.prepare(QStringLiteral("DELETE FROM data WHERE %1=?").arg(m_keyColumn));
}

QList<int> Table::orderFields() const
{
    QList<int> result;
    const IndexDef *ix = nullptr;
    for (const IndexDef &i : m_indexes) {
        if (m_indexName.isEmpty() ? i.primary
                                  : i.name.compare(m_indexName, Qt::CaseInsensitive) == 0) {
            ix = &i;
            break;
        }
    }
    if (!ix)
        return result;
    for (const QString &name : ix->fields) {
        const int f = fieldIndex(name.trimmed());
        if (f >= 0 && f != m_keyField)
            result << f;
    }
    return result;
}

QStringList Table::orderColumns() const
{
    QStringList cols;
    for (int f : orderFields())
        cols << QuoteIdentifier(m_fields.at(f).name) + (isTextType(m_fields.at(f).type)
                                                            ? QStringLiteral(" COLLATE lv_sort")
                                                            : QString());
    cols << m_keyColumn;
    return cols;
}

void Table::reloadKeys(qint64 keepKey)
{
    QString sql = QStringLiteral("SELECT %1 FROM data").arg(m_keyColumn);
    if (!m_filterSql.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_filterSql;
    sql += QStringLiteral(" ORDER BY ") + orderColumns().join(QStringLiteral(", "));
    SqliteStatement st = m_db.prepare(sql);
    for (int i = 0; i < m_filterParams.size(); ++i)
        st.bind(i + 1, m_filterParams.at(i));
    std::vector<qint64> keys;
    keys.reserve(size_t(std::max(m_keys->size(), 1024)));
    while (st.step())
        keys.push_back(st.int64At(0));
    m_keys->assign(std::move(keys));
    m_cache.clear();
    m_dataVersion = m_db.dataVersion();
    if (!m_filterSql.isEmpty()) {
        m_filterCheck = m_db.prepare(
            QStringLiteral("SELECT 1 FROM data WHERE %1=? AND (%2)").arg(m_keyColumn, m_filterSql));
    } else {
        m_filterCheck = {};
    }
    const int n = m_keys->size();
    int pos = keepKey ? m_keys->indexOf(keepKey, m_pos) : -1;
    if (pos < 0)
        pos = n == 0 ? -1 : std::clamp(m_pos, 0, n - 1);
    m_pos = pos;
    m_eof = m_bof = n == 0;
}

void Table::rereadIfChanged()
{
    if (m_db.dataVersion() != m_dataVersion) {
        const int before = m_pos;
        reloadKeys(bookmark());
        Q_UNUSED(before);
        if (!controlsDisabled())
            emit recordsReset();
    }
}

void Table::refresh()
{
    requireOpen("refresh");
    checkBrowseMode();
    reloadKeys(bookmark());
    if (!controlsDisabled())
        emit recordsReset();
    emitScroll();
}

void Table::setIndexName(const QString &name)
{
    if (name.compare(m_indexName, Qt::CaseInsensitive) == 0 && name == m_indexName)
        return;
    if (isOpen()) {
        if (!name.isEmpty() &&
            std::none_of(m_indexes.begin(), m_indexes.end(), [&](const IndexDef &i) {
                return i.name.compare(name, Qt::CaseInsensitive) == 0;
            }))
            throw TableError(QStringLiteral("Den Index „%1“ gibt es nicht.").arg(name));
        checkBrowseMode();
        const Bookmark keep = bookmark();
        m_indexName = name;
        reloadKeys(keep);
        if (!controlsDisabled())
            emit recordsReset();
        emitScroll();
    } else {
        m_indexName = name;
    }
}

void Table::setFilter(const QString &text)
{
    if (isOpen() && m_filtered) {
        const CompiledCondition c = CompileCondition(text, ConditionDialect::Filter, m_fields);
        checkBrowseMode();
        m_filterText = text;
        m_filterSql = text.trimmed().isEmpty() ? QString() : c.sql;
        m_filterParams = c.params;
        reloadKeys(0);
        first();
        if (!controlsDisabled())
            emit recordsReset();
    } else {
        if (isOpen())
            CompileCondition(text, ConditionDialect::Filter, m_fields);
        m_filterText = text;
    }
}

void Table::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    if (!isOpen()) {
        m_filtered = on;
        return;
    }
    CompiledCondition c;
    if (on && !m_filterText.trimmed().isEmpty())
        c = CompileCondition(m_filterText, ConditionDialect::Filter, m_fields);
    checkBrowseMode();
    m_filtered = on;
    m_filterSql = on ? c.sql : QString();
    m_filterParams = on ? c.params : QVariantList();
    reloadKeys(0);
    first();
    if (!controlsDisabled())
        emit recordsReset();
}

// ---------------------------------------------------------------- cursor

int Table::recordCount() const
{
    return isOpen() ? m_keys->size() : 0;
}

void Table::emitScroll()
{
    if (!controlsDisabled())
        emit afterScroll();
}

void Table::checkBrowseMode()
{
    if (m_state == State::Edit || m_state == State::Insert)
        post();
}

void Table::first()
{
    requireOpen("first");
    checkBrowseMode();
    rereadIfChanged();
    const int n = m_keys->size();
    m_pos = n ? 0 : -1;
    m_bof = true;
    m_eof = n == 0;
    emitScroll();
}

void Table::last()
{
    requireOpen("last");
    checkBrowseMode();
    const int n = m_keys->size();
    m_pos = n - 1;
    m_eof = true;
    m_bof = n == 0;
    emitScroll();
}

void Table::next()
{
    moveBy(1);
}

void Table::prior()
{
    moveBy(-1);
}

int Table::moveBy(int distance)
{
    requireOpen("move");
    checkBrowseMode();
    const int n = m_keys->size();
    if (n == 0) {
        m_eof = m_bof = true;
        return 0;
    }
    const int target = m_pos + distance;
    int moved;
    if (target >= n) {
        moved = n - 1 - m_pos;
        m_pos = n - 1;
        m_eof = true;
        m_bof = false;
    } else if (target < 0) {
        moved = -m_pos;
        m_pos = 0;
        m_bof = true;
        m_eof = false;
    } else {
        moved = distance;
        m_pos = target;
        if (distance != 0)
            m_eof = m_bof = false;
    }
    if (moved != 0)
        emitScroll();
    return moved;
}

void Table::moveTo(int position)
{
    requireOpen("move");
    checkBrowseMode();
    const int n = m_keys->size();
    m_pos = n ? std::clamp(position, 0, n - 1) : -1;
    m_eof = m_bof = n == 0;
    emitScroll();
}

Bookmark Table::bookmark() const
{
    if (!isOpen() || m_pos < 0 || m_state == State::Insert)
        return 0;
    return m_keys->at(m_pos);
}

bool Table::bookmarkValid(Bookmark bookmark) const
{
    return isOpen() && bookmark != 0 && m_keys->indexOf(bookmark, m_pos) >= 0;
}

bool Table::gotoBookmark(Bookmark bookmark)
{
    requireOpen("bookmark");
    checkBrowseMode();
    const int pos = bookmark ? m_keys->indexOf(bookmark, m_pos) : -1;
    if (pos < 0)
        return false;
    m_pos = pos;
    m_eof = m_bof = false;
    emitScroll();
    return true;
}

void Table::disableControls()
{
    ++m_disabled;
}

void Table::enableControls()
{
    if (m_disabled > 0 && --m_disabled == 0) {
        emit recordsReset();
        emit afterScroll();
    }
}

qint64 Table::keyAt(int position) const
{
    return position >= 0 && position < m_keys->size() ? m_keys->at(position) : 0;
}

const Table::Row *Table::rowAt(int position)
{
    if (!isOpen() || position < 0 || position >= m_keys->size())
        return nullptr;
    const qint64 key = m_keys->at(position);
    auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd())
        return &*it;
    if (m_cache.size() > kCacheLimit)
        m_cache.clear();
    // Read the block the position falls in, so walks and views in either
    // direction hit the cache.
    const int n = m_keys->size();
    const int start = std::max(0, std::min(position - kBlock / 4, n - kBlock));
    const int end = std::min(n, start + kBlock);
    m_selectBlock.reset();
    for (int i = 0; i < kBlock; ++i) {
        if (start + i < end)
            m_selectBlock.bindInt64(i + 1, m_keys->at(start + i));
        else
            m_selectBlock.bind(i + 1, QVariant());
    }
    const int nf = int(m_fields.size());
    while (m_selectBlock.step()) {
        Row row(static_cast<size_t>(nf));
        for (int f = 0; f < nf; ++f)
            row[size_t(f)] = m_selectBlock.valueAt(f + 1);
        m_cache.insert(m_selectBlock.int64At(0), std::move(row));
    }
    m_selectBlock.reset();
    it = m_cache.constFind(key);
    if (it == m_cache.constEnd()) {
        // Deleted behind our back: show it empty rather than fail.
        m_cache.insert(key, Row(size_t(nf), QVariant()));
        it = m_cache.constFind(key);
    }
    return &*it;
}

const Table::Row &Table::currentRow()
{
    static const Row empty;
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer;
    const Row *r = rowAt(m_pos);
    return r ? *r : empty;
}

void Table::forgetRow(qint64 key)
{
    m_cache.remove(key);
}

QVariant Table::valueAt(int position, int field)
{
    if (field < 0 || field >= m_fields.size())
        return {};
    if ((m_state == State::Edit && position == m_pos) ||
        (m_state == State::Insert && position == m_pos))
        return m_buffer.at(size_t(field));
    const Row *r = rowAt(position);
    return r ? r->at(size_t(field)) : QVariant();
}

QString Table::textAt(int position, int field)
{
    if (field < 0 || field >= m_fields.size())
        return {};
    return textOf(m_fields.at(field), valueAt(position, field));
}

// ---------------------------------------------------------------- editing

void Table::setState(State s)
{
    if (m_state != s) {
        m_state = s;
        emit stateChanged();
    }
}

void Table::append()
{
    requireOpen("append");
    checkBrowseMode();
    m_buffer.assign(size_t(m_fields.size()), QVariant());
    m_editKey = 0;
    setState(State::Insert);
    m_eof = m_bof = false;
    if (!controlsDisabled())
        emit recordChanged(m_pos);
}

void Table::edit()
{
    requireOpen("edit");
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_pos < 0) {
        append();
        return;
    }
    m_buffer = *rowAt(m_pos);
    m_editKey = m_keys->at(m_pos);
    setState(State::Edit);
}

void Table::cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    const bool wasInsert = m_state == State::Insert;
    m_buffer.clear();
    m_editKey = 0;
    setState(State::Browse);
    m_eof = m_bof = m_keys->size() == 0;
    if (!controlsDisabled()) {
        if (wasInsert)
            emit recordsReset();
        else
            emit recordChanged(m_pos);
    }
}

bool Table::passesFilter(qint64 key)
{
    if (!m_filterCheck.isValid())
        return true;
    m_filterCheck.reset();
    m_filterCheck.bindInt64(1, key);
    for (int i = 0; i < m_filterParams.size(); ++i)
        m_filterCheck.bind(i + 2, m_filterParams.at(i));
    const bool ok = m_filterCheck.step();
    m_filterCheck.reset();
    return ok;
}

int Table::compareRows(const Row &a, qint64 keyA, const Row &b, qint64 keyB) const
{
    for (int f : orderFields()) {
        const QVariant &x = a.at(size_t(f));
        const QVariant &y = b.at(size_t(f));
        const bool xn = x.isNull(), yn = y.isNull();
        if (xn || yn) {
            if (xn != yn)
                return xn ? -1 : 1;
            continue;
        }
        int c = 0;
        if (isTextType(m_fields.at(f).type) || m_fields.at(f).type == FieldType::Date ||
            m_fields.at(f).type == FieldType::Time)
            c = CompareForSort(x.toString(), y.toString());
        else if (m_fields.at(f).type == FieldType::Float)
            c = x.toDouble() < y.toDouble() ? -1 : (x.toDouble() > y.toDouble() ? 1 : 0);
        else
            c = x.toLongLong() < y.toLongLong() ? -1 : (x.toLongLong() > y.toLongLong() ? 1 : 0);
        if (c)
            return c;
    }
    return keyA < keyB ? -1 : (keyA > keyB ? 1 : 0);
}

int Table::insertPosition(qint64 key, const Row &row)
{
    int lo = 0, hi = m_keys->size();
    const bool byKeyOnly = orderFields().isEmpty();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        const qint64 midKey = m_keys->at(mid);
        int c;
        if (byKeyOnly)
            c = key < midKey ? -1 : (key > midKey ? 1 : 0);
        else
            c = compareRows(row, key, *rowAt(mid), midKey);
        if (c < 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

void Table::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    for (int i = 0; i < m_fields.size(); ++i) {
        const FieldDef &f = m_fields.at(i);
        if (f.required && i != m_keyField && m_buffer.at(size_t(i)).isNull())
            throw TableError(QStringLiteral("Feld „%1“ muss einen Wert haben.").arg(f.name));
    }
    SqliteStatement &st = m_state == State::Insert ? m_insert : m_update;
    st.reset();
    int p = 1;
    for (int i = 0; i < m_fields.size(); ++i)
        if (i != m_keyField)
            st.bind(p++, m_buffer.at(size_t(i)));
    if (m_state == State::Edit)
        st.bindInt64(p, m_editKey);
    try {
        st.exec();
    } catch (const TableError &) {
        st.reset();
        throw;
    }
    st.reset();
    m_dataVersion = m_db.dataVersion();

    const bool inserted = m_state == State::Insert;
    const qint64 key = inserted ? m_db.lastInsertId() : m_editKey;
    Row row = std::move(m_buffer);
    m_buffer.clear();
    m_editKey = 0;
    if (m_keyField >= 0)
        row[size_t(m_keyField)] = QVariant(key);
    m_state = State::Browse;

    const bool visible = passesFilter(key);
    if (m_cache.size() > kCacheLimit)
        m_cache.clear(); // appending walks never read, so bound the cache here too
    if (inserted) {
        m_cache.insert(key, row);
        if (visible) {
            const int pos = insertPosition(key, row);
            m_keys->insert(pos, key);
            m_pos = pos;
            if (!controlsDisabled())
                emit recordInserted(pos);
        }
    } else {
        const int oldPos = m_keys->indexOf(key, m_pos);
        m_cache.insert(key, row);
        if (oldPos >= 0) {
            m_keys->erase(oldPos);
            if (visible) {
                const int pos = insertPosition(key, row);
                m_keys->insert(pos, key);
                m_pos = pos;
                if (!controlsDisabled()) {
                    if (pos == oldPos)
                        emit recordChanged(pos);
                    else
                        emit recordsReset();
                }
            } else {
                // It left the filter: the cursor stands on the record that followed.
                const int n = m_keys->size();
                m_pos = n == 0 ? -1 : std::min(oldPos, n - 1);
                if (!controlsDisabled())
                    emit recordRemoved(oldPos);
            }
        }
    }
    m_eof = m_bof = m_keys->size() == 0;
    emit stateChanged();
    emit afterPost();
    emitScroll();
}

void Table::deleteRecord()
{
    requireOpen("delete");
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    if (m_pos < 0)
        throw TableError(
            QStringLiteral("Die Tabelle ist leer; es gibt keinen Datensatz zum Löschen."));
    const qint64 key = m_keys->at(m_pos);
    m_delete.reset();
    m_delete.bindInt64(1, key);
    m_delete.exec();
    m_delete.reset();
    m_dataVersion = m_db.dataVersion();
    forgetRow(key);
    const int removed = m_pos;
    m_keys->erase(m_pos);
    const int n = m_keys->size();
    m_bof = false;
    m_eof = false;
    if (n == 0) {
        m_pos = -1;
        m_eof = m_bof = true;
    } else if (m_pos >= n) {
        // The last record went: stand on the new last one, at the end.
        m_pos = n - 1;
        m_eof = true;
    }
    if (!controlsDisabled()) {
        emit recordRemoved(removed);
        emit afterScroll();
    }
}

// ---------------------------------------------------------------- fields

int Table::fieldIndex(const QString &name) const
{
    for (int i = int(m_fields.size()) - 1; i >= 0; --i)
        if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field Table::field(int index)
{
    if (index < 0 || index >= m_fields.size())
        throw TableError(
            QStringLiteral("Feldindex %1 außerhalb des gültigen Bereichs.").arg(index));
    return Field(this, index);
}

Field Table::fieldByName(const QString &name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw TableError(QStringLiteral("Feld „%1“ nicht gefunden.").arg(name));
    return Field(this, i);
}

Field Table::findField(const QString &name)
{
    const int i = fieldIndex(name);
    return i < 0 ? Field() : Field(this, i);
}

QString Table::textOf(const FieldDef &def, const QVariant &v)
{
    if (v.isNull())
        return {};
    switch (def.type) {
    case FieldType::Boolean:
        return v.toLongLong() ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    case FieldType::Integer:
    case FieldType::AutoInc:
        return QString::number(v.toLongLong());
    case FieldType::Float:
        return QLocale().toString(v.toDouble(), 'g', 15);
    case FieldType::Currency: {
        const qint64 units = v.toLongLong();
        return QLocale().toString(double(units) / 10000.0, 'f', units % 100 ? 4 : 2);
    }
    case FieldType::Date:
        return QLocale().toString(QDate::fromString(v.toString(), Qt::ISODate),
                                  QLocale::ShortFormat);
    case FieldType::Time:
        return QLocale().toString(QTime::fromString(v.toString(), Qt::ISODate), timeFormat());
    default:
        return v.toString();
    }
}

QVariant Table::storedFromText(const FieldDef &def, const QString &text)
{
    if (text.isEmpty())
        return {};
    switch (def.type) {
    case FieldType::String:
        return text.left(def.size);
    case FieldType::Memo:
        return text;
    case FieldType::Boolean: {
        bool b = false;
        if (!ParseBooleanText(text, &b))
            throw TableError(
                QStringLiteral("„%1“ ist kein gültiger Wahrheitswert für das Feld „%2“.")
                    .arg(text, def.name));
        return QVariant(qint64(b ? 1 : 0));
    }
    case FieldType::Integer:
    case FieldType::AutoInc: {
        bool ok = false;
        const qint64 n = text.trimmed().toLongLong(&ok);
        if (!ok || n < INT32_MIN || n > INT32_MAX)
            throw TableError(QStringLiteral("„%1“ ist keine gültige Ganzzahl für das Feld „%2“.")
                                 .arg(text, def.name));
        return QVariant(n);
    }
    case FieldType::Float:
    case FieldType::Currency: {
        double d = 0;
        if (!ParseNumberText(text, &d))
            throw TableError(QStringLiteral("„%1“ ist keine gültige Zahl für das Feld „%2“.")
                                 .arg(text, def.name));
        if (def.type == FieldType::Float)
            return QVariant(d);
        return QVariant(qint64(std::llround(d * 10000.0)));
    }
    case FieldType::Date: {
        QDate d;
        if (!ParseDateText(text, &d))
            throw TableError(QStringLiteral("„%1“ ist kein gültiges Datum für das Feld „%2“.")
                                 .arg(text, def.name));
        return d.toString(Qt::ISODate);
    }
    case FieldType::Time: {
        QTime t;
        if (!ParseTimeText(text, &t))
            throw TableError(QStringLiteral("„%1“ ist keine gültige Uhrzeit für das Feld „%2“.")
                                 .arg(text, def.name));
        return t.toString(QStringLiteral("HH:mm:ss"));
    }
    }
    return text;
}

void Table::setCurrentValue(int field, const QVariant &stored)
{
    requireEditing();
    if (field == m_keyField)
        throw TableError(QStringLiteral("Das Zählerfeld „%1“ kann nicht geändert werden.")
                             .arg(m_fields.at(field).name));
    m_buffer[size_t(field)] = stored;
    if (!controlsDisabled())
        emit recordChanged(m_pos);
}

int FieldIndexOf(const QString &fieldName, const Table *table)
{
    if (!table)
        return -1;
    const QString wanted = AsciiUpper(fieldName);
    int found = -1;
    for (int i = 0; i < table->fieldCount(); ++i)
        if (AsciiUpper(table->fieldDefs().at(i).name) == wanted)
            found = i;
    return found;
}

// ---------------------------------------------------------------- Field

const FieldDef &Field::def() const
{
    return m_table->m_fields.at(m_index);
}

bool Field::isNull() const
{
    return value().isNull();
}

QVariant Field::value() const
{
    const auto &row = m_table->currentRow();
    return size_t(m_index) < row.size() ? row.at(size_t(m_index)) : QVariant();
}

QString Field::asString() const
{
    return Table::textOf(def(), value());
}

bool Field::asBoolean() const
{
    const QVariant v = value();
    if (v.isNull())
        return false;
    if (def().type == FieldType::Boolean)
        return v.toLongLong() != 0;
    bool b = false;
    return ParseBooleanText(asString(), &b) && b;
}

qint64 Field::asInteger() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    switch (def().type) {
    case FieldType::Currency:
        return std::llround(double(v.toLongLong()) / 10000.0);
    case FieldType::Float:
        return std::llround(v.toDouble());
    case FieldType::String:
    case FieldType::Memo: {
        bool ok = false;
        const qint64 n = v.toString().trimmed().toLongLong(&ok);
        if (!ok)
            throw TableError(QStringLiteral("„%1“ ist keine gültige Ganzzahl.").arg(v.toString()));
        return n;
    }
    default:
        return v.toLongLong();
    }
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (def().type == FieldType::Currency)
        return double(v.toLongLong()) / 10000.0;
    return v.toDouble();
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    if (def().type == FieldType::Date)
        return QDateTime(QDate::fromString(v.toString(), Qt::ISODate), QTime(0, 0));
    if (def().type == FieldType::Time)
        return QDateTime(QDate(1899, 12, 30), QTime::fromString(v.toString(), Qt::ISODate));
    QDate d;
    if (ParseDateText(v.toString(), &d))
        return QDateTime(d, QTime(0, 0));
    return {};
}

void Field::setAsString(const QString &text)
{
    m_table->setCurrentValue(m_index, m_table->storedFromText(def(), text));
}

void Field::setAsBoolean(bool value)
{
    if (def().type == FieldType::Boolean)
        m_table->setCurrentValue(m_index, QVariant(qint64(value ? 1 : 0)));
    else
        setAsString(value ? QStringLiteral("Wahr") : QStringLiteral("Falsch"));
}

void Field::setAsInteger(qint64 value)
{
    if (def().type == FieldType::Integer || def().type == FieldType::Boolean)
        m_table->setCurrentValue(m_index, QVariant(value));
    else
        setAsString(QString::number(value));
}

void Field::clear()
{
    m_table->setCurrentValue(m_index, QVariant());
}
