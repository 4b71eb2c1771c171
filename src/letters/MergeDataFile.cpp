#include "letters/MergeDataFile.h"

#include "catalogue/Table.h"
#include "letters/Greeting.h"
#include "platform/SpecialFolders.h"
#include "platform/UserInterface.h"
#include "util/Cp1252.h"
#include "util/TextCase.h"
#include "util/Words.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace {

const QString MarkFilter = QStringLiteral("Selected='True'");
constexpr int FirstMergeField = 5;      // the first five fields never go out
constexpr int FirstMergeDefinition = 6; // definition line 1 is a header

bool isBlank(const QString &value)
{
    for (const QChar c : value) {
        if (c.unicode() > 32)
            return false;
    }
    return true;
}

bool needsCleaning(const QString &value)
{
    for (const QChar c : value) {
        if (c == u'|' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

// Suspends the grid for the walk and brings the table back however the walk
// ends: unfiltered, on its first record, displayed.
class WalkGuard
{
public:
    explicit WalkGuard(Table &table) : m_table(table) { m_table.disableControls(); }
    WalkGuard(const WalkGuard &) = delete;
    WalkGuard &operator=(const WalkGuard &) = delete;
    ~WalkGuard()
    {
        if (m_done)
            return;
        // Unwinding already: a second store error must not end the program.
        try {
            restore();
        } catch (...) {
            m_table.enableControls();
        }
    }
    void finish()
    {
        m_done = true;
        restore();
    }

private:
    void restore()
    {
        struct Resume
        {
            Table &table;
            ~Resume() { table.enableControls(); }
        } resume{m_table};
        m_table.setFiltered(false);
        m_table.first();
    }

    Table &m_table;
    bool m_done = false;
};

} // namespace

QString MergeDataFilePath(SpecialFolders &folders)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folders);
    return QStringLiteral("C:\\MyLetters\\Serienbrief.txt");
#else
    return folders.home() + QStringLiteral("/MyLetters/Serienbrief.txt");
#endif
}

QString MergeDataFileWriteFailure()
{
    return QStringLiteral("Neue Serienbrief-Datenbank kann nicht erzeugt werden, da diese "
                          "momentan von Word verwendet wird. Bitte schließen Sie Word und "
                          "starten den Vorgang nochmal!");
}

QString MergeHeaderLine(const QStringList &fieldDefinitionLines)
{
    QString header;
    for (qsizetype i = FirstMergeDefinition; i < fieldDefinitionLines.size(); ++i)
        header += FieldAt(fieldDefinitionLines.at(i), 1) + QLatin1Char('|');
    return header;
}

void AppendMergeColumn(QString &line, const QString &value)
{
    if (isBlank(value)) {
        line += QLatin1String(" |");
        return;
    }
    if (!needsCleaning(value)) {
        line += value;
        line += QLatin1Char('|');
        return;
    }
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = value.at(i);
        if (c == u'|') {
            line += QLatin1Char('/');
        } else if (c == u'\r' || c == u'\n') {
            line += QLatin1Char(' ');
            if (c == u'\r' && i + 1 < n && value.at(i + 1) == u'\n')
                ++i;
        } else {
            line += c;
        }
    }
    line += QLatin1Char('|');
}

MergeDataFile::MergeDataFile(Table &table, QStringList fieldDefinitionLines,
                             QString greetingFilePath)
    : m_table(table), m_definitionLines(std::move(fieldDefinitionLines)),
      m_greetingFilePath(std::move(greetingFilePath))
{
}

MergeDataFile::Result MergeDataFile::build()
{
    m_bytes.clear();
    m_recordLines = 0;

    WalkGuard guard(m_table);
    m_table.first();

    QString text = MergeHeaderLine(m_definitionLines);
    text += QLatin1String("\r\n");

    m_table.setFilter(MarkFilter);
    m_table.setFiltered(true);

    struct Column
    {
        Field field;
        bool greeting;
    };
    std::vector<Column> columns;
    for (int i = FirstMergeField; i < m_table.fieldCount(); ++i) {
        const Field f = m_table.field(i);
        columns.push_back({f, AsciiUpper(f.name()) == QLatin1String("ANREDE")});
    }

    std::optional<GreetingRules> rules;
    const int count = m_table.recordCount();
    for (int r = 0; r < count; ++r) {
        for (const Column &column : columns) {
            if (!column.greeting) {
                AppendMergeColumn(text, column.field.asString());
                continue;
            }
            if (!rules) {
                rules = GreetingRules::read(m_greetingFilePath);
                if (!rules) {
                    guard.finish();
                    return Result::GreetingsUnreadable;
                }
            }
            AppendMergeColumn(text, rules->lookup(column.field.asString()));
        }
        text += QLatin1String("\r\n");
        m_table.next();
    }
    m_recordLines = count;
    guard.finish();

    m_bytes = ToCp1252(text);
    return Result::Built;
}

bool MergeDataFile::save(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.")
                         .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // Written aside and renamed over the old file, so a failure never leaves
    // half a file for the word processor.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool WriteMergeDataFile(Table &table, const QStringList &fieldDefinitionLines,
                        const QString &programFolder, const QString &filePath, UserInterface &ui)
{
    WaitCursor wait(ui);
    const QString greetingFile = GreetingFilePath(programFolder);
    MergeDataFile file(table, fieldDefinitionLines, greetingFile);
    if (file.build() == MergeDataFile::Result::GreetingsUnreadable) {
        ui.error(GreetingFileUnreadableMessage(greetingFile));
        return false;
    }
    if (!MergeDataFile::save(filePath, file.bytes())) {
        ui.error(MergeDataFileWriteFailure());
        return false;
    }
    return true;
}

int CountMarkedRecords(Table &table)
{
    const Bookmark current = table.bookmark();
    const SuspendedControls suspended(table);
    int count = 0;
    try {
        table.setFilter(MarkFilter);
        table.setFiltered(true);
        count = table.recordCount();
        table.setFiltered(false);
        table.gotoBookmark(current);
    } catch (...) {
        try {
            table.setFiltered(false);
            table.gotoBookmark(current);
        } catch (...) {
            // The first error is the one the user needs to see.
        }
        throw;
    }
    return count;
}
