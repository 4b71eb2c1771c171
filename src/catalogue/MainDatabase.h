#pragma once

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class Table;
class TableLock;
class UserInterface;

// The open database of the main window: catalogue lines, descriptor, the
// table objects, the companion lists, and the open sequence that switches
// from one database to another. What the grid shows of it is the business
// of DatabaseView, which follows the signals.
class MainDatabase : public QObject
{
    Q_OBJECT
public:
    // programFolder and dataFolder end with a separator.
    MainDatabase(UserInterface &ui, const QString &programFolder, const QString &dataFolder,
                 QObject *parent = nullptr);
    ~MainDatabase() override;

    QString programFolder() const { return m_programFolder; }
    QString dataFolder() const { return m_dataFolder; }

    // "Buttons.ini", read whole; read again after a database is created or deleted.
    void ReadCatalogue();
    const QStringList &catalogueLines() const { return m_catalogue; }

    void OpenDatabase(const QString &descriptorName);
    void CloseTables();
    void SelectTable(int number);
    // Deletes the database with that descriptor (both questions, stock refusal).
    void DeleteDatabase(const QString &descriptorName);

    void LoadCompanionLists(const QString &tableName);
    void ReleaseCompanionLists();
    // Asks the views to save the layout of the open database (close sequence).
    void SaveOpenLayout();

    // The current table; null before the first successful open.
    Table *table() const { return m_current; }
    // The current table when it is open, else null.
    Table *openTable() const;
    bool hasTable() const { return table() != nullptr; }
    QString descriptorName() const { return m_descriptorName; }
    QString displayName() const { return m_displayName; }
    QString tableName() const { return m_tableName; }
    QString tablePath() const { return m_tablePath; }
    const QStringList &descriptorLines() const { return m_descriptor; }
    const QStringList &presetLines() const { return m_presets; }
    const QStringList &comboLines() const { return m_combos; }
    const QStringList &fieldDefinitionLines() const { return m_fieldDefs; }
    int recordCount() const;

    // The grid layout file of a database: descriptor base name + ".grd".
    QString layoutPath(const QString &descriptorName) const;

    // Writes "LastopenDB.inc" with one line; an empty name is not written.
    void WriteLastOpened(const QString &descriptorName);

signals:
    // The grid layout of the open database is to be written to layoutPath now
    // (before it is left, and in the close sequence).
    void saveLayoutRequested(const QString &layoutPath);
    // The current table object changes (null while none); the table is not open yet.
    void tableChanged(Table *table);
    // The filter presets of the new table were read.
    void presetsLoaded(const QStringList &presetLines);
    // The open sequence ended; layoutPath names the grid layout file to apply.
    void databaseOpened(const QString &layoutPath);
    void recordCountChanged(int count);

private:
    void showRecordCount();

    UserInterface &m_ui;
    QString m_programFolder;
    QString m_dataFolder;
    QStringList m_catalogue;
    QStringList m_descriptor;
    QString m_descriptorName;
    QString m_displayName;
    QString m_tableName;
    QString m_tablePath;
    QStringList m_presets;
    QStringList m_combos;
    QStringList m_fieldDefs;
    std::unique_ptr<TableLock> m_lock;
    std::vector<std::unique_ptr<Table>> m_tables; // "Table1", "Table2", ...
    Table *m_current = nullptr;
};
