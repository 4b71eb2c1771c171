#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class SpecialFolders;
class Table;
class UserInterface;

// The data source of the letter, label and envelope documents: a header of
// field names and one line per marked record, every column followed by "|",
// Windows-1252, CR LF.

// "C:\MyLetters\Serienbrief.txt" on Windows, "~/MyLetters/Serienbrief.txt"
// elsewhere; the documents refer to that path.
QString MergeDataFilePath(SpecialFolders &folders);

// Shown when the folder or the file cannot be written.
QString MergeDataFileWriteFailure();

// The field names of the definition lines from the seventh on (the sixth
// field on; line 1 is the file's header), each followed by "|".
QString MergeHeaderLine(const QStringList &fieldDefinitionLines);

// Appends one column: " |" for a value that is empty or blank, else the
// untrimmed value and "|". The file has no escape, so a "|" in the value is
// written as "/" and each line break (CR LF, CR or LF) as one blank: every
// record keeps its line and its number of columns.
void AppendMergeColumn(QString &line, const QString &value);

// Walks the marked records of the table and builds the file's contents.
class MergeDataFile
{
public:
    enum class Result { Built, GreetingsUnreadable };

    // greetingFilePath: read once per build, when the first marked record
    // needs a greeting.
    MergeDataFile(Table &table, QStringList fieldDefinitionLines, QString greetingFilePath);

    // Replaces the table's filter by "Selected='True'" for the walk. However
    // it ends, also by a store error, the table is unfiltered, on its first
    // record, and displayed again.
    Result build();

    // Valid after Built: the whole file.
    const QByteArray &bytes() const { return m_bytes; }
    int recordLines() const { return m_recordLines; }

    // Creates the folder and replaces the file in one step; on failure the
    // old file stays as it was. A file that is not writable is not replaced.
    static bool save(const QString &path, const QByteArray &bytes, QString *error = nullptr);

private:
    Table &m_table;
    QStringList m_definitionLines;
    QString m_greetingFilePath;
    QByteArray m_bytes;
    int m_recordLines = 0;
};

// The whole command with its messages: wait cursor, walk, write. An
// unreadable greeting file or a file that cannot be written is reported and
// gives false; the data file is then left as it was.
bool WriteMergeDataFile(Table &table, const QStringList &fieldDefinitionLines,
                        const QString &programFolder, const QString &filePath, UserInterface &ui);

// The number of marked records, counted through the mark filter. The table
// ends unfiltered, on the record it was on.
int CountMarkedRecords(Table &table);
