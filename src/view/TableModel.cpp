#include "TableModel.h"

#include "catalogue/Table.h"

TableModel::TableModel(QObject *parent) : QAbstractTableModel(parent) {}

Table *TableModel::table() const
{
    return m_table;
}

void TableModel::setTable(Table *table)
{
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_table = table;
    if (table) {
        m_connections << connect(table, &Table::recordsReset, this, &TableModel::reset)
                      << connect(table, &Table::recordRemoved, this,
                                 [this](int pos) {
                                     if (pos < 0 || pos >= m_rows) {
                                         reset();
                                         return;
                                     }
                                     beginRemoveRows({}, pos, pos);
                                     m_rows = m_table->recordCount();
                                     endRemoveRows();
                                 })
                      << connect(table, &Table::recordInserted, this,
                                 [this](int pos) {
                                     if (pos < 0 || pos > m_rows) {
                                         reset();
                                         return;
                                     }
                                     beginInsertRows({}, pos, pos);
                                     m_rows = m_table->recordCount();
                                     endInsertRows();
                                 })
                      << connect(table, &Table::recordChanged, this, [this](int pos) {
                             if (pos >= 0 && pos < m_rows && m_columns > 0)
                                 emit dataChanged(index(pos, 0), index(pos, m_columns - 1));
                         });
    }
    m_titles.clear(); // titles belong to the table just bound
    reset();
}

void TableModel::reset()
{
    beginResetModel();
    const bool open = m_table && m_table->isOpen();
    m_rows = open ? m_table->recordCount() : 0;
    const int columns = m_table ? m_table->fieldCount() : 0;
    if (columns != m_columns || m_titles.size() != columns) {
        m_columns = columns;
        m_titles.clear();
        for (int i = 0; i < columns; ++i)
            m_titles << m_table->fieldDefs().at(i).name;
    }
    endResetModel();
}

void TableModel::resetTitles()
{
    for (int i = 0; i < m_titles.size(); ++i)
        m_titles[i] = m_table->fieldDefs().at(i).name;
    if (m_columns > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}

void TableModel::setTitle(int column, const QString &title)
{
    if (column < 0 || column >= m_titles.size())
        return;
    m_titles[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString TableModel::title(int column) const
{
    return m_titles.value(column);
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_table || index.row() >= m_rows || index.column() >= m_columns)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_table->textAt(index.row(), index.column());
    return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_titles.value(section);
    return {};
}
