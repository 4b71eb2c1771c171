#include "Measurements.h"

#include "catalogue/LocalSql.h"
#include "catalogue/Sqlite.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "letters/MergeDataFile.h"
#include "platform/ScriptedUserInterface.h"
#include "search/RecordSearch.h"
#include "util/LineFile.h"
#include "view/Marking.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextStream>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

const QString kTableFile = QStringLiteral("Adressen.DB");
constexpr int kBudgetSize = 100000;
constexpr int kBatch = 1000;             // records generated ahead of each timed stretch
constexpr double kGrowthAllowance = 1.2; // growth factor 12 for ten times the records
constexpr double kGrowthFloor = 0.02;    // seconds at the smaller size before growth is judged

// Bytes this process handed to write calls so far (Linux /proc/self/io),
// or -1 when the kernel does not tell.
qint64 bytesWritten()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("wchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// CPU time (user and system) this process has used so far, in nanoseconds.
qint64 cpuNanoseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](const timeval &t) {
        return qint64(t.tv_sec) * 1000000000 + t.tv_usec * 1000;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

// Wall time, CPU time and bytes written over one or more timed stretches.
// Wall time well above CPU time is time spent waiting for the disk.
class Stopwatch
{
public:
    void start()
    {
        m_writtenAtStart = bytesWritten();
        m_cpuAtStart = cpuNanoseconds();
        m_timer.start();
    }
    void stop()
    {
        m_nanoseconds += m_timer.nsecsElapsed();
        m_cpu += cpuNanoseconds() - m_cpuAtStart;
        const qint64 now = bytesWritten();
        if (now >= 0 && m_writtenAtStart >= 0)
            m_written += now - m_writtenAtStart;
    }
    double seconds() const { return double(m_nanoseconds) / 1e9; }
    double cpuSeconds() const { return double(m_cpu) / 1e9; }
    qint64 written() const { return m_written; }

private:
    QElapsedTimer m_timer;
    qint64 m_nanoseconds = 0;
    qint64 m_cpuAtStart = 0;
    qint64 m_cpu = 0;
    qint64 m_writtenAtStart = 0;
    qint64 m_written = 0;
};

QString tablePath(const QString &folder)
{
    return folder + QLatin1Char('/') + kTableFile;
}

QString updateStatement(const QString &rest)
{
    return QStringLiteral("UPDATE '%1' SET Selected='true'").arg(kTableFile) + rest;
}

// A table opened on its file, closed on every way out.
class OpenTable
{
public:
    explicit OpenTable(const QString &folder)
    {
        m_table.setTableName(tablePath(folder));
        m_table.open();
    }
    Table &operator*() { return m_table; }
    Table *operator->() { return &m_table; }

private:
    Table m_table;
};

BenchResult result(const Stopwatch &watch, bool correct, const QString &note)
{
    BenchResult r;
    r.seconds = watch.seconds();
    r.cpuSeconds = watch.cpuSeconds();
    r.written = watch.written();
    r.correct = correct;
    r.note = note;
    return r;
}

} // namespace

const QList<BenchOperation> &BenchOperations()
{
    using K = BenchOperation::Kind;
    static const QList<BenchOperation> ops = {
        {"append-posts", K::Budget, 5.0, false},
        {"raw-sqlite-commits", K::Reference, 0, false},
        {"raw-sqlite-batched", K::Reference, 0, false},
        {"open-count", K::Budget, 0.3, true},
        {"walk-read-all", K::Aim, 1.5, true},
        {"mark-all-sql", K::Budget, 0.5, true},
        {"prefix-filter", K::Budget, 0.2, true},
        {"sort-by-title", K::Aim, 0.3, true},
        {"mark-filtered-sql", K::Budget, 0.5, true},
        {"delete-marked-walk", K::Aim, 1.5, true},
        {"mark-by-wording", K::Budget, 1.5, true},
        {"delete-marked", K::Aim, 1.5, true},
        {"search-exact-miss", K::Budget, 1.0, true},
        {"search-fuzzy-miss", K::Budget, 2.0, true},
        {"merge-data-file", K::Budget, 1.5, true},
    };
    return ops;
}

double SyncLatencyMicroseconds(const QString &folder, int rounds)
{
    QTemporaryFile file(folder + QStringLiteral("/sync-probe-XXXXXX"));
    if (!file.open())
        return -1;
    const QByteArray page(4096, 'x');
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        file.seek(qint64(i) * page.size());
        if (file.write(page) != page.size() || !file.flush() || fdatasync(file.handle()) != 0)
            return -1;
    }
    return double(timer.nsecsElapsed()) / 1000.0 / rounds;
}

qint64 PeakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024; // Linux reports kilobytes
}

Measurements::Measurements(const BenchOptions &options, const AddressSchema &schema,
                           QTextStream &out)
    : m_options(options), m_schema(schema), m_out(out)
{
}

bool Measurements::selected(const char *op) const
{
    return m_options.only.isEmpty() || m_options.only.contains(QLatin1String(op));
}

bool Measurements::run()
{
    QTemporaryDir temp(m_options.workFolder + QStringLiteral("/lorvane-bench-XXXXXX"));
    if (!temp.isValid()) {
        m_out << "cannot create a temporary folder in " << m_options.workFolder << ": "
              << temp.errorString() << Qt::endl;
        return false;
    }
    for (int size : m_options.sizes) {
        const QString base = temp.path() + QStringLiteral("/%1/base").arg(size);
        QDir().mkpath(base);
        Expected expected;
        for (const BenchOperation &op : BenchOperations()) {
            const QString name = QString::fromLatin1(op.name);
            // The appended table is what every other operation works on.
            if (name == QLatin1String("append-posts")) {
                const BenchResult appended = appendPosts(base, size, &expected);
                if (selected(op.name))
                    report(op, size, {appended});
                continue;
            }
            if (!selected(op.name))
                continue;
            QList<BenchResult> runs;
            for (int r = 0; r < (op.repeated ? m_options.repeat : 1); ++r) {
                runs << runOperation(name, base, expected);
                removeCopies(base);
            }
            report(op, size, runs);
        }
        // The next size starts from a clean disk.
        QDir(temp.path() + QStringLiteral("/%1").arg(size)).removeRecursively();
    }
    return true;
}

BenchResult Measurements::runOperation(const QString &name, const QString &base,
                                       const Expected &expected)
{
    if (name == QLatin1String("raw-sqlite-commits"))
        return rawInserts(base, expected, 1);
    if (name == QLatin1String("raw-sqlite-batched"))
        return rawInserts(base, expected, kBatch);
    if (name == QLatin1String("open-count"))
        return openCount(base, expected);
    if (name == QLatin1String("walk-read-all"))
        return walkReadAll(base, expected);
    if (name == QLatin1String("mark-all-sql"))
        return markAllSql(base, expected);
    if (name == QLatin1String("prefix-filter"))
        return prefixFilter(base, expected);
    if (name == QLatin1String("sort-by-title"))
        return sortByTitle(base, expected);
    if (name == QLatin1String("mark-filtered-sql"))
        return markFilteredSql(base, expected);
    if (name == QLatin1String("delete-marked-walk"))
        return deleteMarkedWalk(base, expected);
    if (name == QLatin1String("mark-by-wording"))
        return markByWording(base, expected);
    if (name == QLatin1String("delete-marked"))
        return deleteMarked(base, expected);
    if (name == QLatin1String("search-exact-miss"))
        return searchMiss(base, expected, false);
    if (name == QLatin1String("search-fuzzy-miss"))
        return searchMiss(base, expected, true);
    if (name == QLatin1String("merge-data-file"))
        return mergeDataFile(base, expected);
    throw TableError(QStringLiteral("unknown operation %1").arg(name));
}

void Measurements::removeCopies(const QString &base)
{
    QDir sizeFolder(base + QStringLiteral("/.."));
    for (const QString &entry : sizeFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry != QLatin1String("base"))
            QDir(sizeFolder.filePath(entry)).removeRecursively();
    }
}

QString Measurements::freshCopy(const QString &base, const QString &label)
{
    const QString folder = base + QStringLiteral("/../%1-%2").arg(label).arg(++m_copies);
    QDir().mkpath(folder);
    for (const QString &suffix : {QString(), QStringLiteral("-wal")}) {
        const QString from = tablePath(base) + suffix;
        if (QFile::exists(from) && !QFile::copy(from, tablePath(folder) + suffix))
            throw TableError(QStringLiteral("cannot copy %1").arg(from));
    }
    return QDir::cleanPath(folder);
}

// ---------------------------------------------------------------- operations

template <typename TimedBatch>
void Measurements::generate(int count, Expected *expected, TimedBatch timed)
{
    // Records are made a batch at a time outside the clock, so only the
    // store's work is timed.
    std::vector<AddressGenerator::Record> batch;
    batch.reserve(kBatch);
    *expected = Expected();
    for (int start = 0; start < count; start += kBatch) {
        batch.clear();
        for (int i = start; i < std::min(count, start + kBatch); ++i) {
            batch.push_back(m_generator.record(i));
            const AddressGenerator::Record &r = batch.back();
            if (r[AddressGenerator::Ort].startsWith(QLatin1String("berlin"), Qt::CaseInsensitive))
                ++expected->berlin;
            if (r[AddressGenerator::Kategorie] == QLatin1String("Kunde"))
                ++expected->kunde;
        }
        timed(batch);
    }
    expected->records = count;
}

BenchResult Measurements::appendPosts(const QString &folder, int count, Expected *expected)
{
    Table::create(tablePath(folder), m_schema.fields, m_schema.indexes);
    OpenTable table(folder);
    int column[AddressGenerator::FieldCount];
    for (int f = 0; f < AddressGenerator::FieldCount; ++f) {
        column[f] = table->fieldIndex(AddressGenerator::fieldName(f));
        if (column[f] < 0)
            throw TableError(
                QStringLiteral("the table has no field %1").arg(AddressGenerator::fieldName(f)));
    }
    Stopwatch watch;
    table->disableControls();
    generate(count, expected, [&](const std::vector<AddressGenerator::Record> &batch) {
        watch.start();
        for (const AddressGenerator::Record &r : batch) {
            table->append();
            for (int f = 0; f < AddressGenerator::FieldCount; ++f)
                table->field(column[f]).setAsString(r[size_t(f)]);
            table->post();
        }
        watch.stop();
    });
    table->enableControls();
    return result(watch, table->recordCount() == count,
                  QStringLiteral("%1 Berlin, %2 Kunde").arg(expected->berlin).arg(expected->kunde));
}

BenchResult Measurements::rawInserts(const QString &base, const Expected &e, int rowsPerCommit)
{
    // The same rows into a file of the same schema through plain prepared
    // statements, without the Table class. One row per commit is as durable
    // as a post and so the floor a post can reach on this disk.
    const QString folder = QDir::cleanPath(base + QStringLiteral("/../raw-%1").arg(++m_copies));
    QDir().mkpath(folder);
    Table::create(tablePath(folder), m_schema.fields, m_schema.indexes);
    SqliteConnection db;
    db.open(tablePath(folder), false);
    db.exec(QStringLiteral("PRAGMA synchronous = NORMAL")); // as a post commits
    QStringList columns, holders;
    QList<FieldDef> defs;
    for (int f = 0; f < AddressGenerator::FieldCount; ++f) {
        const QString name = AddressGenerator::fieldName(f);
        const auto def = std::find_if(m_schema.fields.begin(), m_schema.fields.end(),
                                      [&](const FieldDef &d) { return d.name == name; });
        if (def == m_schema.fields.end())
            throw TableError(QStringLiteral("the table has no field %1").arg(name));
        defs << *def;
        columns << QuoteIdentifier(name);
        holders << QStringLiteral("?");
    }
    SqliteStatement insert =
        db.prepare(QStringLiteral("INSERT INTO data(%1) VALUES (%2)")
                       .arg(columns.join(QLatin1Char(',')), holders.join(QLatin1Char(','))));
    Stopwatch watch;
    Expected seen;
    generate(e.records, &seen, [&](const std::vector<AddressGenerator::Record> &batch) {
        watch.start();
        int inTransaction = 0;
        for (const AddressGenerator::Record &r : batch) {
            if (rowsPerCommit > 1 && inTransaction == 0)
                db.exec(QStringLiteral("BEGIN"));
            insert.reset();
            for (int f = 0; f < AddressGenerator::FieldCount; ++f)
                insert.bind(f + 1, Table::storedFromText(defs.at(f), r[size_t(f)]));
            insert.exec();
            if (rowsPerCommit > 1 && ++inTransaction == rowsPerCommit) {
                db.exec(QStringLiteral("COMMIT"));
                inTransaction = 0;
            }
        }
        if (inTransaction > 0)
            db.exec(QStringLiteral("COMMIT"));
        watch.stop();
    });
    insert = SqliteStatement();
    db.close();
    return result(watch, seen.records == e.records,
                  QStringLiteral("plain SQLite, %1 row(s) per commit").arg(rowsPerCommit));
}

BenchResult Measurements::openCount(const QString &folder, const Expected &e)
{
    Table table;
    Stopwatch watch;
    watch.start();
    table.setTableName(tablePath(folder));
    table.open();
    table.last();
    const int count = table.recordCount();
    watch.stop();
    table.close();
    return result(watch, count == e.records, QStringLiteral("%1 records").arg(count));
}

BenchResult Measurements::walkReadAll(const QString &folder, const Expected &e)
{
    OpenTable table(folder);
    const int fields = table->fieldCount();
    qint64 characters = 0;
    int records = 0;
    Stopwatch watch;
    watch.start();
    table->first();
    while (!table->eof()) {
        for (int f = 0; f < fields; ++f)
            characters += table->field(f).asString().size();
        ++records;
        table->next();
    }
    watch.stop();
    return result(watch, records == e.records,
                  QStringLiteral("%1 records, %2 characters").arg(records).arg(characters));
}

BenchResult Measurements::markAllSql(const QString &base, const Expected &e)
{
    const QString folder = freshCopy(base, QStringLiteral("mark-all"));
    OpenTable table(folder);
    Stopwatch watch;
    watch.start();
    const int changed = ExecuteLocalSql(folder, updateStatement(QString()));
    table->first();
    watch.stop();
    const bool correct = changed == e.records && table->recordCount() == e.records &&
                         table->fieldByName(QStringLiteral("Selected")).asBoolean();
    return result(watch, correct, QStringLiteral("%1 marked").arg(changed));
}

BenchResult Measurements::prefixFilter(const QString &folder, const Expected &e)
{
    OpenTable table(folder);
    Stopwatch watch;
    watch.start();
    table->setFilter(QStringLiteral("Ort = 'BERLIN*'"));
    table->setFiltered(true);
    const int count = table->recordCount();
    watch.stop();
    return result(watch, count == e.berlin, QStringLiteral("%1 of %2").arg(count).arg(e.records));
}

BenchResult Measurements::sortByTitle(const QString &folder, const Expected &e)
{
    // A click on the title "Name": the records in that index's order.
    OpenTable table(folder);
    Stopwatch watch;
    watch.start();
    table->setIndexName(QStringLiteral("Name"));
    const int count = table->recordCount();
    watch.stop();
    const int name = table->fieldIndex(QStringLiteral("Name"));
    bool ordered = count == e.records;
    for (int i = 1; ordered && i < std::min(count, 2000); ++i)
        ordered = CompareForSort(table->textAt(i - 1, name), table->textAt(i, name)) <= 0;
    return result(watch, ordered, QStringLiteral("%1 records by Name").arg(count));
}

BenchResult Measurements::markFilteredSql(const QString &base, const Expected &e)
{
    const QString folder = freshCopy(base, QStringLiteral("mark-filtered"));
    OpenTable table(folder);
    Stopwatch watch;
    watch.start();
    const int changed =
        ExecuteLocalSql(folder, updateStatement(QStringLiteral(" WHERE Ort LIKE 'BERLIN%'")));
    table->first();
    watch.stop();
    return result(watch, changed == e.berlin, QStringLiteral("%1 marked").arg(changed));
}

BenchResult Measurements::deleteMarkedWalk(const QString &base, const Expected &e)
{
    const QString folder = freshCopy(base, QStringLiteral("delete-marked"));
    const int marked =
        ExecuteLocalSql(folder, updateStatement(QStringLiteral(" WHERE Kategorie = 'Kunde'")));
    OpenTable table(folder);
    table->setFilter(QStringLiteral("Selected='True'"));
    table->setFiltered(true);
    const int visible = table->recordCount();
    int deleted = 0;
    Stopwatch watch;
    watch.start();
    table->disableControls();
    table->first();
    while (table->recordCount() > 0) {
        table->deleteRecord();
        ++deleted;
    }
    table->enableControls();
    watch.stop();
    table->setFiltered(false);
    const bool correct = marked == e.kunde && visible == marked && deleted == marked &&
                         table->recordCount() == e.records - marked;
    return result(watch, correct, QStringLiteral("%1 deleted").arg(deleted));
}

BenchResult Measurements::markByWording(const QString &base, const Expected &e)
{
    const QString folder = freshCopy(base, QStringLiteral("mark-wording"));
    OpenTable table(folder);
    Stopwatch watch;
    watch.start();
    table->first();
    const int matches = MarkMatchingRecords(*table, QStringLiteral("berlin"));
    watch.stop();
    // Streets such as "Berliner Str." hold the wording too, so the Berlin
    // records are a lower bound; every match must now be marked.
    table->setFilter(QStringLiteral("Selected='True'"));
    table->setFiltered(true);
    const bool correct = matches >= e.berlin && table->recordCount() == matches;
    return result(watch, correct, QStringLiteral("%1 marked").arg(matches));
}

BenchResult Measurements::deleteMarked(const QString &base, const Expected &e)
{
    const QString folder = freshCopy(base, QStringLiteral("delete-program"));
    const int marked =
        ExecuteLocalSql(folder, updateStatement(QStringLiteral(" WHERE Kategorie = 'Kunde'")));
    OpenTable table(folder);
    Stopwatch watch;
    watch.start();
    const int deleted = DeleteMarkedRecords(*table);
    watch.stop();
    const bool correct =
        marked == e.kunde && deleted == marked && table->recordCount() == e.records - marked;
    return result(watch, correct, QStringLiteral("%1 deleted").arg(deleted));
}

// ---------------------------------------------------------------- output

void Measurements::report(const BenchOperation &op, int size, const QList<BenchResult> &runs)
{
    std::vector<double> times;
    bool correct = true;
    for (const BenchResult &r : runs) {
        times.push_back(r.seconds);
        correct = correct && r.correct;
    }
    std::sort(times.begin(), times.end());
    const double median = times.at(times.size() / 2);
    const QString name = QString::fromLatin1(op.name);
    m_seconds[name][size] = median;

    QString line = QStringLiteral("%1 %2 %3 s").arg(name, -20).arg(size, 8).arg(median, 8, 'f', 3);

    // Growth against the next smaller size that was measured.
    const QMap<int, double> &bySize = m_seconds.value(name);
    auto it = bySize.find(size);
    QString growth;
    bool growthOver = false;
    if (it != bySize.begin()) {
        const auto previous = std::prev(it);
        const double factor = previous.value() > 0 ? median / previous.value() : 0;
        const double sizeRatio = double(size) / double(previous.key());
        growth = QStringLiteral("x%1").arg(factor, 0, 'f', 1);
        // Below a few hundredths of a second the factor is mostly noise.
        growthOver = factor > sizeRatio * kGrowthAllowance && previous.value() >= kGrowthFloor &&
                     op.kind != BenchOperation::Kind::Reference;
    }
    line += QStringLiteral("  %1").arg(growth, -6);

    QString verdict;
    if (op.kind == BenchOperation::Kind::Reference) {
        verdict = QStringLiteral("reference");
    } else if (size == kBudgetSize) {
        const bool over = median > op.limitSeconds;
        verdict = QStringLiteral("%1 %2 s")
                      .arg(op.kind == BenchOperation::Kind::Budget ? QStringLiteral("budget")
                                                                   : QStringLiteral("aim   "))
                      .arg(op.limitSeconds, 0, 'f', 1);
        verdict += over ? QStringLiteral("  OVER") : QStringLiteral("  OK  ");
        if (over)
            m_over << QStringLiteral("%1 at %2").arg(name).arg(size);
    }
    if (growthOver) {
        verdict += QStringLiteral("  growth OVER");
        m_over << QStringLiteral("%1 growth to %2").arg(name).arg(size);
    }
    line += QStringLiteral("  %1").arg(verdict, -20);
    if (!correct) {
        line += QStringLiteral("  WRONG RESULT");
        m_correct = false;
    }
    // Details of the median run.
    const BenchResult &typical = *std::find_if(
        runs.begin(), runs.end(), [&](const BenchResult &r) { return r.seconds == median; });
    QString note = typical.note;
    note += QStringLiteral(", cpu %1 s").arg(typical.cpuSeconds, 0, 'f', 3);
    if (typical.written >= 0)
        note += QStringLiteral(", %1 MB written")
                    .arg(double(typical.written) / (1024.0 * 1024.0), 0, 'f', 1);
    line += QStringLiteral("  (%1)").arg(note);
    m_out << line << Qt::endl;
}

BenchResult Measurements::searchMiss(const QString &folder, const Expected &e, bool fuzzy)
{
    // A word in no record: the search walks every field of every record.
    OpenTable table(folder);
    ScriptedUserInterface ui;
    RecordSearch search(ui);
    search.setSearchText(QStringLiteral("Xqzwvjk"));
    Stopwatch watch;
    watch.start();
    search.Reset(*table, false);
    const RecordSearch::Result r =
        fuzzy ? search.SearchFuzzy(*table, false) : search.SearchExact(*table, false);
    watch.stop();
    return result(watch, r.outcome == RecordSearch::Outcome::NoHit && ui.waitDepth() == 0,
                  QStringLiteral("%1 records, no hit").arg(e.records));
}

BenchResult Measurements::mergeDataFile(const QString &base, const Expected &e)
{
    // Every record marked; the greeting rules of the installation data.
    const QString folder = freshCopy(base, QStringLiteral("merge"));
    ExecuteLocalSql(folder, updateStatement(QString()));
    OpenTable table(folder);
    ScriptedUserInterface ui;
    const QString file = folder + QStringLiteral("/Serienbrief.txt");
    Stopwatch watch;
    watch.start();
    const bool written = WriteMergeDataFile(*table, m_schema.lines,
                                            QStringLiteral(LORVANE_BENCH_PROGRAM_FOLDER), file, ui);
    watch.stop();
    const int lines = int(ReadLineFile(file).size());
    return result(watch, written && lines == e.records + 1,
                  QStringLiteral("%1 lines written").arg(lines));
}
