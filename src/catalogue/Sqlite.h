#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// Thin RAII layer over the SQLite C API for the table store. Every failure
// becomes a TableError with a German message.
class SqliteStatement
{
public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3 *db, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement &operator=(SqliteStatement &&other) noexcept;
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool isValid() const { return m_stmt != nullptr; }
    void reset();
    void bind(int index, const QVariant &value); // 1-based
    void bindInt64(int index, qint64 value);
    bool step(); // true while a row is available
    void exec(); // steps to the end
    int columnCount() const;
    qint64 int64At(int column) const;
    QVariant valueAt(int column) const;
    QString textAt(int column) const;
    bool isNullAt(int column) const;

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

class SqliteConnection
{
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    // create = false refuses a missing file. Registers the store's functions
    // and collation and sets WAL mode.
    void open(const QString &path, bool create);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3 *handle() const { return m_db; }

    void exec(const QString &sql);
    SqliteStatement prepare(const QString &sql) const { return SqliteStatement(m_db, sql); }
    qint64 lastInsertId() const;
    int changes() const;
    qint64 dataVersion();

private:
    sqlite3 *m_db = nullptr;
    SqliteStatement m_dataVersion;
};

QString QuoteIdentifier(const QString &name);

// Lower-cases every letter, umlauts included; the store's case-insensitive
// comparisons fold both sides with it (SQL function lv_fold).
QString FoldCase(const QString &text);
// Order of text in indexes (collation lv_sort): letters compared without
// case and accents first, then exactly, so the order is stable and German
// names sort where a reader expects them.
int CompareForSort(const QString &a, const QString &b);
