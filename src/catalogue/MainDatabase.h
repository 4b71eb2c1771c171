#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QTableView;
class Table;
class TableLock;
class TableModel;
struct Platform;

// The open database of the main window: catalogue lines, descriptor, the
// table objects, the companion lists and the grid layout, with the open
// sequence that switches from one database to another.
class MainDatabase : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QTableView *grid = nullptr;      // DBGrid1
        QLabel *databaseLabel = nullptr; // DatabaseLabel
        QLabel *statusPanel = nullptr;   // StatusPanel
        QComboBox *presetBox = nullptr;  // ComboBox1
    };

    // programFolder and dataFolder end with a separator.
    MainDatabase(Platform &platform, const QString &programFolder, const QString &dataFolder,
                 Widgets widgets, QObject *parent = nullptr);
    ~MainDatabase() override;

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
    void SaveGridLayout(const QString &path);
    void LoadGridLayout(const QString &path);
    void ApplyDisplayNames();
    // Saves the layout of the open database to its ".grd" file (close sequence).
    void SaveOpenLayout();

    // The open database; null before the first successful open.
    Table *table() const;
    bool hasTable() const { return table() != nullptr; }
    QString descriptorName() const { return m_descriptorName; }
    QString displayName() const { return m_displayName; }
    QString tableName() const { return m_tableName; }
    QString tablePath() const { return m_tablePath; }
    const QStringList &descriptorLines() const { return m_descriptor; }
    const QStringList &presetLines() const { return m_presets; }
    const QStringList &comboLines() const { return m_combos; }
    const QStringList &fieldDefinitionLines() const { return m_fieldDefs; }
    TableModel *model() const { return m_model; }

    // Writes "LastopenDB.inc" with one line; an empty name is not written.
    void WriteLastOpened(const QString &descriptorName);

signals:
    void databaseOpened();
    void recordCountChanged(int count);

private:
    void showRecordCount();
    QString layoutPath(const QString &descriptorName) const;

    Platform &m_platform;
    QString m_programFolder;
    QString m_dataFolder;
    Widgets m_w;
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
    TableModel *m_model = nullptr;
};
