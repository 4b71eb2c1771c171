// Times the bulk operations of the address table store on generated German
// address tables and compares them with their budgets.

#include "AddressSchema.h"
#include "Measurements.h"

#include "catalogue/TableError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>

namespace {

constexpr qint64 kMemoryBudget = 300LL * 1024 * 1024;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList opNames;
    for (const BenchOperation &op : BenchOperations())
        opNames << QString::fromLatin1(op.name);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the table store's bulk operations on generated address tables."));
    parser.addHelpOption();
    const QCommandLineOption sizesOption(QStringLiteral("sizes"),
                                         QStringLiteral("Comma-separated record counts."),
                                         QStringLiteral("list"), QStringLiteral("10000,100000"));
    const QCommandLineOption largeOption(QStringLiteral("large"),
                                         QStringLiteral("Add 1,000,000 records to the sizes."));
    const QCommandLineOption onlyOption(
        QStringLiteral("only"),
        QStringLiteral("Run only these operations (comma-separated): %1.")
            .arg(opNames.join(QStringLiteral(", "))),
        QStringLiteral("op"));
    const QCommandLineOption repeatOption(
        QStringLiteral("repeat"),
        QStringLiteral("Runs of each operation other than append-posts and raw-sqlite-*; the "
                       "median is shown."),
        QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption schemaOption(
        QStringLiteral("schema"), QStringLiteral("Field definition file the tables are made from."),
        QStringLiteral("file"), QStringLiteral(LORVANE_BENCH_SCHEMA));
    const QCommandLineOption dirOption(
        QStringLiteral("dir"), QStringLiteral("Folder for the temporary tables (default: TMPDIR)."),
        QStringLiteral("folder"), QDir::tempPath());
    const QCommandLineOption sampleOption(
        QStringLiteral("sample"),
        QStringLiteral("Print the first n generated records (fields separated by |) and stop."),
        QStringLiteral("n"));
    parser.addOptions({sizesOption, largeOption, onlyOption, repeatOption, schemaOption, dirOption,
                       sampleOption});
    parser.process(app);

    if (parser.isSet(sampleOption)) {
        const AddressGenerator generator;
        QStringList names;
        for (int f = 0; f < AddressGenerator::FieldCount; ++f)
            names << AddressGenerator::fieldName(f);
        out << names.join(QLatin1Char('|')) << Qt::endl;
        const int n = parser.value(sampleOption).toInt();
        for (int i = 0; i < n; ++i) {
            const AddressGenerator::Record r = generator.record(i);
            out << QStringList(r.begin(), r.end()).join(QLatin1Char('|')) << Qt::endl;
        }
        return 0;
    }

    BenchOptions options;
    for (const QString &s : parser.value(sizesOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = s.trimmed().toInt(&ok);
        if (!ok || n < 1) {
            err << "bad size: " << s << Qt::endl;
            return 2;
        }
        options.sizes << n;
    }
    if (parser.isSet(largeOption) && !options.sizes.contains(1000000))
        options.sizes << 1000000;
    std::sort(options.sizes.begin(), options.sizes.end());
    options.sizes.erase(std::unique(options.sizes.begin(), options.sizes.end()),
                        options.sizes.end());
    if (options.sizes.isEmpty()) {
        err << "no sizes given" << Qt::endl;
        return 2;
    }
    for (const QString &s : parser.value(onlyOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!opNames.contains(s.trimmed())) {
            err << "unknown operation: " << s << " (known: " << opNames.join(QStringLiteral(", "))
                << ")" << Qt::endl;
            return 2;
        }
        options.only << s.trimmed();
    }
    bool ok = false;
    options.repeat = parser.value(repeatOption).toInt(&ok);
    if (!ok || options.repeat < 1) {
        err << "bad repeat count: " << parser.value(repeatOption) << Qt::endl;
        return 2;
    }
    options.workFolder = parser.value(dirOption);

    AddressSchema schema;
    QString schemaError;
    if (!ReadAddressSchema(parser.value(schemaOption), &schema, &schemaError)) {
        err << schemaError << Qt::endl;
        return 2;
    }

    out << "lorvane_bench: Qt " << qVersion() << ", SQLite " << sqlite3_libversion() << ", "
        << QThread::idealThreadCount() << " cores, tables in " << options.workFolder << Qt::endl;
    out << "median of " << options.repeat
        << " runs per operation (append-posts and raw-sqlite-*: one run);"
           " budgets apply at 100000 records"
        << Qt::endl;

    const auto syncLine = [&](const char *when) {
        out << "disk: 4 KB write + fdatasync " << when << ": "
            << QString::number(SyncLatencyMicroseconds(options.workFolder), 'f', 0) << " us"
            << Qt::endl;
    };
    syncLine("before");

    Measurements bench(options, schema, out);
    try {
        if (!bench.run())
            return 2;
    } catch (const TableError &e) {
        err << "table store error: " << e.message() << Qt::endl;
        return 2;
    }

    syncLine("after");
    const qint64 peak = PeakResidentBytes();
    const bool memoryOver = peak > kMemoryBudget;
    out << QStringLiteral("%1 %2 %3 MB          budget %4 MB  %5")
               .arg(QStringLiteral("peak-rss"), -20)
               .arg(options.sizes.last(), 8)
               .arg(double(peak) / (1024.0 * 1024.0), 6, 'f', 1)
               .arg(kMemoryBudget / (1024 * 1024))
               .arg(memoryOver ? QStringLiteral("OVER") : QStringLiteral("OK"))
        << Qt::endl;

    QStringList over = bench.overLimits();
    if (memoryOver)
        over << QStringLiteral("peak-rss");
    if (!options.sizes.contains(100000))
        out << "(no run at 100000 records: the time budgets were not checked)" << Qt::endl;
    out << (over.isEmpty() ? QStringLiteral("all within budget")
                           : QStringLiteral("over: ") + over.join(QStringLiteral(", ")))
        << Qt::endl;

    if (!bench.allCorrect()) {
        err << "some operation gave a wrong result" << Qt::endl;
        return 1;
    }
    return 0;
}
