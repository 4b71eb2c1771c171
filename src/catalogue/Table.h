#pragma once

#include "FieldDef.h"
#include "Sqlite.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QVariant>

#include <memory>
#include <vector>

class Table;
class TableLock;

// A handle on one field of a table; reads and writes go to the table's
// current record (the edit buffer while editing).
class Field
{
public:
    Field() = default;
    Field(Table *table, int index) : m_table(table), m_index(index) {}

    bool isValid() const { return m_table != nullptr && m_index >= 0; }
    int index() const { return m_index; }
    const FieldDef &def() const;
    QString name() const { return def().name; }
    FieldType type() const { return def().type; }
    int size() const { return def().size; }

    bool isNull() const;
    // Stored value: text, qint64 (booleans 0/1, money in 1/10000), double, ISO date/time text.
    QVariant value() const;
    // "Wahr"/"Falsch", dates and times in the user's locale, empty field = "".
    QString asString() const;
    bool asBoolean() const;
    qint64 asInteger() const;
    double asFloat() const;
    QDateTime asDateTime() const;

    void setAsString(const QString &text); // empty text clears; text is cut to the size
    void setAsBoolean(bool value);
    void setAsInteger(qint64 value);
    void clear();

private:
    Table *m_table = nullptr;
    int m_index = -1;
};

using Bookmark = qint64; // the record's key; 0 is no bookmark

// One table of the store: an SQLite file holding the records and its own
// field and index definitions. The cursor runs over the ordered keys of the
// records that pass the filter, in the order of the chosen index; records are
// read in blocks by key, so large tables open and scroll at once.
class Table : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Table(QObject *parent = nullptr);
    ~Table() override;

    // Creates the file, replacing an existing one. Refused definitions throw
    // and leave no file behind.
    static void create(const QString &path, const QList<FieldDef> &fields,
                       const QList<IndexDef> &indexes);

    void setTableName(const QString &path); // only while closed
    QString tableName() const { return m_path; }
    // Taken while the table is open so a second instance can see it.
    void setLock(TableLock *lock) { m_lock = lock; }

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    // Re-reads the records, keeping the current one where it still passes.
    void refresh();

    // Empty = primary-key order.
    void setIndexName(const QString &name);
    QString indexName() const { return m_indexName; }
    // A text that does not parse throws; the previous filter stays in force.
    void setFilter(const QString &text);
    QString filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool isFiltered() const { return m_filtered; }

    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);  // returns the distance actually moved
    void moveTo(int position); // 0-based; clamped
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    int position() const { return m_pos; } // 0-based, -1 when there is no record
    int recNo() const { return m_pos + 1; }

    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bookmark);
    bool bookmarkValid(Bookmark bookmark) const;

    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();

    int fieldCount() const { return int(m_fields.size()); }
    const QList<FieldDef> &fieldDefs() const { return m_fields; }
    const QList<IndexDef> &indexDefs() const { return m_indexes; }
    Field field(int index);
    Field fieldByName(const QString &name); // unknown name throws
    Field findField(const QString &name);   // unknown name gives an invalid field
    int fieldIndex(const QString &name) const;

    // Reading by position without moving the cursor (for views).
    QVariant valueAt(int position, int field);
    QString textAt(int position, int field);
    qint64 keyAt(int position) const;

    static QString textOf(const FieldDef &def, const QVariant &stored);
    // Text to stored value by the field's type; bad text throws.
    static QVariant storedFromText(const FieldDef &def, const QString &text);

signals:
    void afterOpen();
    void afterClose();
    void afterPost();
    void afterScroll();  // the current record changed
    void recordsReset(); // the whole record list may have changed
    void recordRemoved(int position);
    void recordInserted(int position);
    void recordChanged(int position);
    void stateChanged();

private:
    friend class Field;
    using Row = std::vector<QVariant>;

    class KeyList;

    void requireOpen(const char *what) const;
    void requireEditing() const;
    void checkBrowseMode();
    void loadSchema();
    void buildStatements();
    void reloadKeys(qint64 keepKey);
    void rereadIfChanged();
    const Row *rowAt(int position);
    const Row &currentRow();
    void forgetRow(qint64 key);
    int insertPosition(qint64 key, const Row &row);
    bool passesFilter(qint64 key);
    QStringList orderColumns() const;
    QList<int> orderFields() const;
    int compareRows(const Row &a, qint64 keyA, const Row &b, qint64 keyB) const;
    void setCurrentValue(int field, const QVariant &stored);
    void emitScroll();
    void setState(State s);

    QString m_path;
    TableLock *m_lock = nullptr;
    bool m_lockTaken = false;
    SqliteConnection m_db;
    State m_state = State::Inactive;
    QList<FieldDef> m_fields;
    QList<IndexDef> m_indexes;
    int m_keyField = -1; // the auto-increment field serving as key, or -1 for a hidden key
    QString m_keyColumn;
    QString m_indexName;
    QString m_filterText;
    bool m_filtered = false;
    QString m_filterSql; // compiled condition, empty = none
    QVariantList m_filterParams;

    std::unique_ptr<KeyList> m_keys;
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;
    int m_disabled = 0;
    qint64 m_dataVersion = 0;

    QHash<qint64, Row> m_cache;
    Row m_buffer; // the record being edited or inserted
    qint64 m_editKey = 0;

    SqliteStatement m_selectBlock;
    SqliteStatement m_insert;
    SqliteStatement m_update;
    SqliteStatement m_delete;
    SqliteStatement m_filterCheck;
};

// Keeps the table's bound controls suspended for its lifetime, so a walk
// does not make the grid re-read once per record; an error leaving the
// scope resumes them as well.
class SuspendedControls
{
public:
    explicit SuspendedControls(Table &table) : m_table(table) { m_table.disableControls(); }
    ~SuspendedControls() { m_table.enableControls(); }
    SuspendedControls(const SuspendedControls &) = delete;
    SuspendedControls &operator=(const SuspendedControls &) = delete;

private:
    Table &m_table;
};

// Reads the field and index definitions kept in a table file; a file that is
// not a table throws.
void ReadTableSchema(SqliteConnection &db, const QString &path, QList<FieldDef> *fields,
                     QList<IndexDef> *indexes);

// Index (from 0) of the table's field with that name, compared upper-cased;
// the last of several; -1 for none or no table.
int FieldIndexOf(const QString &fieldName, const Table *table);
