#include "TableModel.h"

#include "catalogue/Table.h"
#include "catalogue/TableError.h"

#include <QBrush>
#include <QFont>

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
                                     // The table has already dropped the record;
                                     // until the removal is announced the rows
                                     // after it are read one place further up.
                                     m_shiftFrom = pos + 1;
                                     m_shift = -1;
                                     beginRemoveRows({}, pos, pos);
                                     m_shift = 0;
                                     m_rows = m_table->recordCount();
                                     endRemoveRows();
                                 })
                      << connect(table, &Table::recordInserted, this,
                                 [this](int pos) {
                                     if (pos < 0 || pos > m_rows) {
                                         reset();
                                         return;
                                     }
                                     m_shiftFrom = pos;
                                     m_shift = 1;
                                     beginInsertRows({}, pos, pos);
                                     m_shift = 0;
                                     m_rows = m_table->recordCount();
                                     endInsertRows();
                                 })
                      << connect(table, &Table::recordChanged, this,
                                 [this](int pos) {
                                     if (pos >= 0 && pos < m_rows && m_columns > 0)
                                         emit dataChanged(index(pos, 0), index(pos, m_columns - 1));
                                 })
                      << connect(table, &Table::afterScroll, this,
                                 [this] { emit currentRecordChanged(m_table->position()); })
                      << connect(table, &Table::stateChanged, this,
                                 [this] { emit tableStateChanged(); });
    }
    m_titles.clear(); // titles belong to the table just bound
    m_marked.clear();
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
        m_marked = QList<bool>(columns, false);
    }
    endResetModel();
}

void TableModel::resetTitles()
{
    for (int i = 0; i < m_titles.size(); ++i)
        m_titles[i] = m_table->fieldDefs().at(i).name;
    m_marked = QList<bool>(m_titles.size(), false);
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

void TableModel::setTitleMarked(int column, bool marked)
{
    if (column < 0 || column >= m_marked.size() || m_marked.at(column) == marked)
        return;
    m_marked[column] = marked;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

bool TableModel::titleMarked(int column) const
{
    return m_marked.value(column, false);
}

void TableModel::clearTitleMarks()
{
    for (int i = 0; i < m_marked.size(); ++i)
        setTitleMarked(i, false);
}

void TableModel::setEditable(bool on)
{
    m_editable = on;
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_editable && m_table && index.column() < m_table->fieldCount() &&
        m_table->fieldDefs().at(index.column()).type != FieldType::AutoInc)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !m_table ||
        !m_table->isOpen() || index.row() >= m_rows || index.column() >= m_columns)
        return false;
    Table &t = *m_table;
    try {
        if (t.position() != index.row())
            t.moveTo(index.row());
        Field field = t.field(index.column());
        const QString text = value.toString();
        if (field.asString() == text) {
            // Nothing changed, nothing to write.
            if (t.state() == Table::State::Edit)
                t.cancel();
            return true;
        }
        t.edit();
        field.setAsString(text);
        t.post();
    } catch (const TableError &e) {
        // The record keeps its stored values; the user learns why.
        t.cancel();
        emit editRefused(e.message());
        return false;
    }
    return true;
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
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const int row =
            m_shift != 0 && index.row() >= m_shiftFrom ? index.row() + m_shift : index.row();
        return m_table->textAt(row, index.column());
    }
    return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_titles.at(section);
    case Qt::FontRole:
        if (titleMarked(section)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        if (titleMarked(section))
            return QBrush(Qt::red);
        return {};
    default:
        return {};
    }
}
