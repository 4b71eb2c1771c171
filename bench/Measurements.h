#pragma once

#include "AddressGenerator.h"
#include "AddressSchema.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QTextStream;

struct BenchOptions
{
    QList<int> sizes;   // ascending
    QStringList only;   // operation names; empty = all
    int repeat = 3;     // runs per operation after the append; the median counts
    QString workFolder; // where the temporary folder goes
};

// One benchmark operation and its limit at 100,000 records.
struct BenchOperation
{
    enum class Kind {
        Budget,   // a limit the program must keep
        Aim,      // a goal without a fixed budget
        Reference // shown for comparison only
    };
    const char *name;
    Kind kind;
    double limitSeconds;
    bool repeated; // run --repeat times; the slow bulk loads run once
};

const QList<BenchOperation> &BenchOperations();

// One timed run of an operation.
struct BenchResult
{
    double seconds = 0;    // wall time
    double cpuSeconds = 0; // user and system time of this process
    qint64 written = -1;   // bytes handed to write calls while timed; -1 unknown
    QString note;
    bool correct = true; // the outcome matched the generated data
};

// Generates the tables and times every operation at every size through the
// store's own classes, printing one line per operation and size.
class Measurements
{
public:
    Measurements(const BenchOptions &options, const AddressSchema &schema, QTextStream &out);

    // False when the temporary folder cannot be made. Throws TableError.
    bool run();
    // Every result matched what the generator put into the table.
    bool allCorrect() const { return m_correct; }
    // Budgets and aims exceeded, and growth above linear.
    const QStringList &overLimits() const { return m_over; }

private:
    struct Expected
    {
        int records = 0;
        int berlin = 0; // Ort beginning with "Berlin", any case
        int kunde = 0;  // Kategorie "Kunde"
    };
    bool selected(const char *op) const;
    // Generates count records in batches and hands each batch to timed.
    template <typename TimedBatch> void generate(int count, Expected *expected, TimedBatch timed);
    BenchResult appendPosts(const QString &folder, int count, Expected *expected);
    BenchResult runOperation(const QString &name, const QString &base, const Expected &expected);
    // Plain SQLite inserts of the same rows, for comparison.
    BenchResult rawInserts(const QString &base, const Expected &e, int rowsPerCommit);
    BenchResult openCount(const QString &folder, const Expected &e);
    BenchResult walkReadAll(const QString &folder, const Expected &e);
    BenchResult markAllSql(const QString &folder, const Expected &e);
    BenchResult prefixFilter(const QString &folder, const Expected &e);
    BenchResult sortByTitle(const QString &folder, const Expected &e);
    BenchResult markFilteredSql(const QString &folder, const Expected &e);
    BenchResult deleteMarkedWalk(const QString &folder, const Expected &e);
    BenchResult markByWording(const QString &base, const Expected &e);
    BenchResult deleteMarked(const QString &base, const Expected &e);
    BenchResult searchMiss(const QString &folder, const Expected &e, bool fuzzy);
    BenchResult mergeDataFile(const QString &base, const Expected &e);

    // A copy of the base table in a folder of its own, for operations that change it.
    QString freshCopy(const QString &base, const QString &label);
    void removeCopies(const QString &base);
    void report(const BenchOperation &op, int size, const QList<BenchResult> &runs);

    BenchOptions m_options;
    AddressSchema m_schema;
    AddressGenerator m_generator;
    QTextStream &m_out;
    QMap<QString, QMap<int, double>> m_seconds; // operation -> size -> median
    int m_copies = 0;
    bool m_correct = true;
    QStringList m_over;
};

// Mean time of one 4 KB write made durable with fdatasync in folder, in
// microseconds; -1 when the probe fails. Other processes writing to the same
// disk raise it, and with it every operation that commits.
double SyncLatencyMicroseconds(const QString &folder, int rounds = 200);

// Peak resident memory of this process so far, in bytes.
qint64 PeakResidentBytes();
