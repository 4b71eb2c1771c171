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

    // The sort mark: a marked title is drawn bold and red. Titles lose
    // their marks when the table or the titles are set anew.
    void setTitleMarked(int column, bool marked);
    bool titleMarked(int column) const;
    void clearTitleMarks();

    // In-place editing: cells become editable (except the counter field)
    // and a new value is stored with edit, set and post on the record.
    void setEditable(bool on);
    bool isEditable() const { return m_editable; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // The table's current record moved (not sent while its controls are
    // disabled); position is -1 for an empty table.
    void currentRecordChanged(int position);
    // Browse, edit or insert state of the table changed.
    void tableStateChanged();
    // The store refused a value or the post of an in-place edit.
    void editRefused(const QString &message);

private:
    void reset();

    QPointer<Table> m_table;
    QList<QMetaObject::Connection> m_connections;
    QStringList m_titles;
    QList<bool> m_marked;
    bool m_editable = false;
    int m_rows = 0;
    int m_columns = 0;
    // While a removal or insertion the table has already made is being
    // announced, rows from m_shiftFrom on are read m_shift places away.
    int m_shiftFrom = 0;
    int m_shift = 0;
};
