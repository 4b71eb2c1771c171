#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

class Table;

// The grid's model over the open table: one row per record that passes the
// filter, in the table's order, one column per field. Rows are read by
// position through the table's block cache, so the model holds no copies.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TableModel(QObject *parent = nullptr);

    // Null unbinds the grid.
    void setTable(Table *table);
    Table *table() const;

    // Column titles; they start as the field names.
    void setTitle(int column, const QString &title);
    QString title(int column) const;
    void resetTitles();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void reset();

    QPointer<Table> m_table;
    QList<QMetaObject::Connection> m_connections;
    QStringList m_titles;
    int m_rows = 0;
    int m_columns = 0;
};
