#pragma once

#include "catalogue/Companion.h"

#include <QList>
#include <QObject>
#include <QPointer>

class MainDatabase;
class QComboBox;
class QLabel;
class QTableView;
class TableModel;

// What the main window shows of the open database: the grid's model and
// column layout (loaded from and saved to the ".grd" file, display names
// as titles), the database label, the record count and the preset box.
class DatabaseView : public QObject
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

    DatabaseView(MainDatabase &database, Widgets widgets, QObject *parent = nullptr);
    ~DatabaseView() override;

    TableModel *model() const { return m_model; }

    // The grid's columns in display order: field, title, width, visibility.
    QList<GridColumn> columns() const;
    void SaveGridLayout(const QString &path);
    void LoadGridLayout(const QString &path);
    void ApplyDisplayNames();
    // Writes the count + " Datensätze" into StatusPanel.
    void ShowRecordCount(int count);

private:
    void fillPresetBox(const QStringList &presetLines);
    void showDatabaseName();

    MainDatabase &m_database;
    Widgets m_w;
    TableModel *m_model = nullptr;
};
