#include "Sqlite.h"

#include "TableError.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstring>

namespace {

[[noreturn]] void fail(sqlite3 *db, const QString &what)
{
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    const int code = db ? sqlite3_errcode(db) : SQLITE_ERROR;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        throw TableError(
            QStringLiteral("Die Tabelle ist von einem anderen Vorgang gesperrt (%1).").arg(detail));
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        throw TableError(QStringLiteral("Die Tabellendatei ist beschädigt oder keine Tabelle (%1).")
                             .arg(detail));
    if (code == SQLITE_CONSTRAINT)
        throw TableError(QStringLiteral(
            "Schlüsselverletzung: Ein Datensatz mit diesem Schlüssel ist schon vorhanden."));
    if (code == SQLITE_FULL)
        throw TableError(QStringLiteral("Der Datenträger ist voll."));
    throw TableError(QStringLiteral("%1: %2").arg(what, detail));
}

bool isAsciiLowerCase(const unsigned char *s, int n)
{
    for (int i = 0; i < n; ++i)
        if (s[i] >= 0x80 || (s[i] >= 'A' && s[i] <= 'Z'))
            return false;
    return true;
}

void foldFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *text = sqlite3_value_text(argv[0]);
    const int n = sqlite3_value_bytes(argv[0]);
    if (isAsciiLowerCase(text, n)) {
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    bool ascii = true;
    for (int i = 0; i < n && ascii; ++i)
        ascii = text[i] < 0x80;
    if (ascii) {
        char buf[512];
        char *out = n <= int(sizeof buf) ? buf : static_cast<char *>(sqlite3_malloc(n));
        for (int i = 0; i < n; ++i)
            out[i] = (text[i] >= 'A' && text[i] <= 'Z') ? char(text[i] + 32) : char(text[i]);
        sqlite3_result_text(ctx, out, n, out == buf ? SQLITE_TRANSIENT : sqlite3_free);
        return;
    }
    const QByteArray folded =
        FoldCase(QString::fromUtf8(reinterpret_cast<const char *>(text), n)).toUtf8();
    sqlite3_result_text(ctx, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

int sortCollation(void *, int n1, const void *p1, int n2, const void *p2)
{
    const auto *a = static_cast<const unsigned char *>(p1);
    const auto *b = static_cast<const unsigned char *>(p2);
    const int n = std::min(n1, n2);
    // ASCII fast path: letters without case first, exact bytes to break ties.
    int exact = 0;
    for (int i = 0; i < n; ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 0x80 || y >= 0x80)
            return CompareForSort(QString::fromUtf8(reinterpret_cast<const char *>(a), n1),
                                  QString::fromUtf8(reinterpret_cast<const char *>(b), n2));
        if (exact == 0 && x != y)
            exact = x < y ? -1 : 1;
        if (x >= 'A' && x <= 'Z')
            x += 32;
        if (y >= 'A' && y <= 'Z')
            y += 32;
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (n1 != n2) {
        // The longer may still hold non-ASCII bytes; they sort after its prefix anyway.
        return n1 < n2 ? -1 : 1;
    }
    return exact;
}

// Base letter of a character for sorting: accents dropped, lower case.
void appendSortBase(QString &out, QChar c)
{
    if (c.unicode() < 0x80) {
        out.append(c.toLower());
        return;
    }
    if (c.unicode() == 0xDF) { // ß sorts as ss
        out.append(QLatin1String("ss"));
        return;
    }
    if (c.decompositionTag() == QChar::Canonical) {
        const QString d = c.decomposition();
        if (!d.isEmpty()) {
            out.append(d.at(0).toLower());
            return;
        }
    }
    out.append(c.toLower());
}

} // namespace

QString QuoteIdentifier(const QString &name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString FoldCase(const QString &text)
{
    return text.toLower();
}

int CompareForSort(const QString &a, const QString &b)
{
    QString ka, kb;
    ka.reserve(a.size());
    kb.reserve(b.size());
    for (QChar c : a)
        appendSortBase(ka, c);
    for (QChar c : b)
        appendSortBase(kb, c);
    int r = ka.compare(kb);
    if (r == 0)
        r = FoldCase(a).compare(FoldCase(b));
    if (r == 0)
        r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

SqliteStatement::SqliteStatement(sqlite3 *db, const QString &sql) : m_db(db)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                           &m_stmt, nullptr) != SQLITE_OK)
        fail(db, QStringLiteral("Ungültige Abfrage"));
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt)
{
    other.m_stmt = nullptr;
}

SqliteStatement &SqliteStatement::operator=(SqliteStatement &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void SqliteStatement::bind(int index, const QVariant &value)
{
    int rc;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()),
                                   SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(m_db, QStringLiteral("Wert kann nicht übergeben werden"));
}

void SqliteStatement::bindInt64(int index, qint64 value)
{
    if (sqlite3_bind_int64(m_stmt, index, value) != SQLITE_OK)
        fail(m_db, QStringLiteral("Wert kann nicht übergeben werden"));
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    fail(m_db, QStringLiteral("Fehler beim Zugriff auf die Tabelle"));
}

void SqliteStatement::exec()
{
    while (step()) {
    }
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

qint64 SqliteStatement::int64At(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

bool SqliteStatement::isNullAt(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QString SqliteStatement::textAt(int column) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, column)) : QString();
}

QVariant SqliteStatement::valueAt(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(textAt(column));
    }
}

SqliteConnection::~SqliteConnection()
{
    close();
}

void SqliteConnection::open(const QString &path, bool create)
{
    close();
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    const QByteArray p = QFileInfo(path).absoluteFilePath().toUtf8();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(p.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        sqlite3_close(db);
        throw TableError(QStringLiteral("Die Tabelle %1 kann nicht geöffnet werden (%2).")
                             .arg(QDir::toNativeSeparators(path), detail));
    }
    m_db = db;
    sqlite3_busy_timeout(m_db, 2000);
    sqlite3_create_function_v2(m_db, "lv_fold", 1,
                               SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                               foldFunction, nullptr, nullptr, nullptr);
    sqlite3_create_collation_v2(m_db, "lv_sort", SQLITE_UTF8, nullptr, sortCollation, nullptr);
}

void SqliteConnection::close()
{
    m_dataVersion = SqliteStatement();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void SqliteConnection::exec(const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        sqlite3_free(err);
        fail(m_db, QStringLiteral("Fehler beim Zugriff auf die Tabelle"));
    }
}

qint64 SqliteConnection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int SqliteConnection::changes() const
{
    return sqlite3_changes(m_db);
}

qint64 SqliteConnection::dataVersion()
{
    if (!m_dataVersion.isValid())
        m_dataVersion = prepare(QStringLiteral("PRAGMA data_version"));
    m_dataVersion.reset();
    qint64 v = 0;
    if (m_dataVersion.step())
        v = m_dataVersion.int64At(0);
    m_dataVersion.reset();
    return v;
}
