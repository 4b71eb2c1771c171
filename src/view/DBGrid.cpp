#include "view/DBGrid.h"

#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "platform/UserInterface.h"
#include "view/TableModel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QWheelEvent>

namespace {

constexpr int IndicatorWidth = 14;
constexpr int WheelNotch = 120; // angle delta of one notch

} // namespace

// ---------------------------------------------------------------- titles

TDBGridTitles::TDBGridTitles(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("DBGridTitles"));
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false); // bold titles are the sort mark only
    setSectionResizeMode(QHeaderView::Interactive);
    setStretchLastSection(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The hot title follows the mouse without a button held.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

QFont TDBGridTitles::titleFont(int logicalIndex) const
{
    QFont f = font();
    if (model()) {
        const QVariant v = model()->headerData(logicalIndex, orientation(), Qt::FontRole);
        if (v.canConvert<QFont>())
            f = v.value<QFont>().resolve(f);
    }
    return f;
}

void TDBGridTitles::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    initStyleOptionForIndex(&opt, logicalIndex);
    opt.rect = rect;
    // The states come from this grid's own tracking, not the header's.
    opt.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On);
    if (m_titlePressed && logicalIndex == m_pressedColumn)
        opt.state |= QStyle::State_Sunken;
    else if (logicalIndex == m_hotColumn && isEnabled())
        opt.state |= QStyle::State_MouseOver;
    if (model()) {
        const QVariant fg = model()->headerData(logicalIndex, orientation(), Qt::ForegroundRole);
        if (fg.canConvert<QBrush>()) {
            opt.palette.setBrush(QPalette::ButtonText, fg.value<QBrush>());
            opt.palette.setBrush(QPalette::WindowText, fg.value<QBrush>());
        }
    }
    painter->save();
    painter->setFont(titleFont(logicalIndex));
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    // Not every style shows hot and pressed header items (Fusion does not);
    // a light tint makes both visible everywhere. The style may leave an
    // empty clip region behind.
    painter->setClipRect(rect);
    if (opt.state & QStyle::State_Sunken)
        painter->fillRect(rect, QColor(0, 0, 0, 40));
    else if (opt.state & QStyle::State_MouseOver) {
        QColor tint = palette().color(QPalette::Highlight);
        tint.setAlpha(45);
        painter->fillRect(rect, tint);
    }
    painter->restore();
}

QSize TDBGridTitles::sectionSizeFromContents(int logicalIndex) const
{
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    initStyleOptionForIndex(&opt, logicalIndex);
    const QFont f = titleFont(logicalIndex);
    opt.fontMetrics = QFontMetrics(f);
    QSize size = style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), this);
    size.setHeight(std::max(size.height(), opt.fontMetrics.height() + 6));
    return size;
}

bool TDBGridTitles::onBorder(int x) const
{
    const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    const int visual = visualIndexAt(x);
    if (visual < 0)
        return false;
    const int logical = logicalIndex(visual);
    const int start = sectionViewportPosition(logical);
    const int end = start + sectionSize(logical);
    return (x - start < grip && visual > 0) || end - x <= grip;
}

void TDBGridTitles::repaintSection(int logicalIndex)
{
    if (logicalIndex < 0 || logicalIndex >= count())
        return;
    viewport()->update(
        QRect(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex), height()));
}

void TDBGridTitles::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    m_sizing = onBorder(pos.x());
    if (!m_sizing) {
        const int previous = m_pressedColumn;
        const int hot = m_hotColumn;
        m_pressedColumn = -1;
        m_titlePressed = false;
        m_hotColumn = -1;
        if (event->button() == Qt::LeftButton) {
            const int column = logicalIndexAt(pos);
            if (column >= 0) {
                m_titlePressed = true;
                m_pressedColumn = column;
            }
        }
        repaintSection(previous);
        repaintSection(hot);
        repaintSection(m_pressedColumn);
    }
    m_pressPoint = pos;
    QHeaderView::mousePressEvent(event);
}

void TDBGridTitles::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!m_sizing && !m_dragging) {
        if (m_titlePressed && (event->buttons() & Qt::LeftButton) && sectionsMovable() &&
            (pos - m_pressPoint).manhattanLength() >= QApplication::startDragDistance())
            m_dragging = true;
        const int hot = event->buttons() == Qt::NoButton ? logicalIndexAt(pos) : -1;
        if (hot != m_hotColumn) {
            const int previous = m_hotColumn;
            m_hotColumn = hot;
            repaintSection(previous);
            repaintSection(hot);
        }
    }
    QHeaderView::mouseMoveEvent(event);
}

void TDBGridTitles::mouseReleaseEvent(QMouseEvent *event)
{
    // The click itself (and with it the grid's title click) runs in here.
    QHeaderView::mouseReleaseEvent(event);
    m_sizing = false;
    m_dragging = false;
    m_titlePressed = false;
    m_pressedColumn = -1;
    viewport()->update();
}

void TDBGridTitles::leaveEvent(QEvent *event)
{
    const int hot = m_hotColumn;
    const int pressed = m_pressedColumn;
    m_hotColumn = -1;
    m_pressedColumn = -1;
    m_titlePressed = false;
    repaintSection(hot);
    repaintSection(pressed);
    QHeaderView::leaveEvent(event);
}

// ---------------------------------------------------------------- indicator

TDBGridIndicator::TDBGridIndicator(TDBGrid *grid) : QHeaderView(Qt::Vertical, grid), m_grid(grid)
{
    setObjectName(QStringLiteral("DBGridIndicator"));
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    // Column widths from contents look at the rows on screen only.
    setResizeContentsPrecision(0);
}

QSize TDBGridIndicator::sizeHint() const
{
    return QSize(IndicatorWidth, length());
}

TDBGridIndicator::Mark TDBGridIndicator::markFor(int row) const
{
    const Table *t = m_grid->table();
    if (!t || !t->isOpen() || row < 0)
        return Mark::None;
    if (row == t->position()) {
        switch (t->state()) {
        case Table::State::Edit:
            return Mark::Edit;
        case Table::State::Insert:
            return Mark::Insert;
        default:
            return Mark::Arrow;
        }
    }
    const auto mode = m_grid->selectionMode();
    if ((mode == QAbstractItemView::MultiSelection ||
         mode == QAbstractItemView::ExtendedSelection) &&
        m_grid->selectionModel() && m_grid->selectionModel()->isRowSelected(row, {}))
        return Mark::MultiSelected;
    return Mark::None;
}

void TDBGridIndicator::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logicalIndex;
    opt.position = QStyleOptionHeader::Middle;
    opt.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On);
    style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);

    const Mark mark = markFor(logicalIndex);
    if (mark == Mark::None)
        return;
    painter->save();
    const QColor ink = palette().color(QPalette::ButtonText);
    const int cx = rect.left() + rect.width() / 2;
    const int cy = rect.top() + rect.height() / 2;
    switch (mark) {
    case Mark::Arrow: {
        // A filled triangle, drawn white one pixel to the right first so it
        // stands out on any header colour.
        const int x = rect.left() + (rect.width() - 6) / 2;
        const int y = rect.top() + (rect.height() - 11) / 2;
        const QPolygon triangle({QPoint(0, 0), QPoint(5, 5), QPoint(0, 10)});
        painter->setPen(Qt::white);
        painter->setBrush(Qt::white);
        painter->drawPolygon(triangle.translated(x + 1, y));
        painter->setPen(ink);
        painter->setBrush(ink);
        painter->drawPolygon(triangle.translated(x, y));
        break;
    }
    case Mark::Edit: // an I-beam, as for text being typed
        painter->setPen(QPen(ink, 1));
        painter->drawLine(cx, cy - 5, cx, cy + 5);
        painter->drawLine(cx - 2, cy - 5, cx + 2, cy - 5);
        painter->drawLine(cx - 2, cy + 5, cx + 2, cy + 5);
        break;
    case Mark::Insert: // an asterisk
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(ink, 1.5));
        painter->drawLine(QPointF(cx, cy - 4), QPointF(cx, cy + 4));
        painter->drawLine(QPointF(cx - 3.5, cy - 2), QPointF(cx + 3.5, cy + 2));
        painter->drawLine(QPointF(cx - 3.5, cy + 2), QPointF(cx + 3.5, cy - 2));
        break;
    case Mark::MultiSelected:
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(ink);
        painter->drawEllipse(QPointF(cx + 0.5, cy + 0.5), 3, 3);
        break;
    case Mark::None:
        break;
    }
    painter->restore();
}

// ---------------------------------------------------------------- delegate

TDBGridDelegate::TDBGridDelegate(TDBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void TDBGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    emit m_grid->drawColumnCell(painter, option, index);
    painter->restore();
}

// ---------------------------------------------------------------- grid

TDBGrid::TDBGrid(QWidget *parent)
    : QTableView(parent), m_titles(new TDBGridTitles(this)), m_indicator(new TDBGridIndicator(this))
{
    setHorizontalHeader(m_titles);
    setVerticalHeader(m_indicator);
    setItemDelegate(new TDBGridDelegate(this));
    // One current cell, as a data grid has; no column or row ranges.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    updateRowHeight();

    connect(m_titles, &QHeaderView::sectionClicked, this, &TDBGrid::titleClick);
    // A click on the indicator makes that record current.
    connect(m_indicator, &QHeaderView::sectionPressed, this, [this](int row) {
        if (!model() || row < 0 || row >= model()->rowCount())
            return;
        int column = currentColumn();
        if (column < 0)
            column = m_titles->logicalIndex(0);
        setCurrentIndex(model()->index(row, std::max(column, 0)));
    });
    // The wheel over the scroll bar moves the records as well.
    verticalScrollBar()->installEventFilter(this);
}

TableModel *TDBGrid::tableModel() const
{
    return qobject_cast<TableModel *>(model());
}

Table *TDBGrid::table() const
{
    const TableModel *m = tableModel();
    return m ? m->table() : nullptr;
}

void TDBGrid::setModel(QAbstractItemModel *newModel)
{
    for (const auto &c : std::as_const(m_modelConnections))
        disconnect(c);
    m_modelConnections.clear();
    m_modelChanging = 0;
    // While rows come and go the view moves its current cell by its own
    // rules (and to the first cell when the focus comes back from a released
    // editor). The table keeps its own cursor then, and the grid follows it
    // once the change has been announced. The "about to" notices must reach
    // this grid before the view's own handlers, the final ones after them.
    if (qobject_cast<TableModel *>(newModel)) {
        const auto changing = [this] { ++m_modelChanging; };
        m_modelConnections
            << connect(newModel, &QAbstractItemModel::modelAboutToBeReset, this, changing)
            << connect(newModel, &QAbstractItemModel::rowsAboutToBeRemoved, this, changing)
            << connect(newModel, &QAbstractItemModel::rowsAboutToBeInserted, this, changing);
    }
    QTableView::setModel(newModel);
    TableModel *m = tableModel();
    if (!m)
        return;
    m->setEditable(m_inPlaceEditing);
    const auto changed = [this] {
        m_modelChanging = std::max(m_modelChanging - 1, 0);
        syncToTable();
    };
    m_modelConnections << connect(m, &QAbstractItemModel::modelReset, this, changed)
                       << connect(m, &QAbstractItemModel::rowsRemoved, this, changed)
                       << connect(m, &QAbstractItemModel::rowsInserted, this, changed)
                       << connect(m, &TableModel::currentRecordChanged, this, &TDBGrid::syncToTable)
                       << connect(m, &TableModel::tableStateChanged, this,
                                  [this] {
                                      const Table *t = table();
                                      if (t && !t->controlsDisabled())
                                          m_indicator->viewport()->update();
                                  })
                       << connect(m, &TableModel::editRefused, this, &TDBGrid::showError);
    syncToTable();
}

void TDBGrid::setInPlaceEditing(bool on)
{
    m_inPlaceEditing = on;
    if (TableModel *m = tableModel())
        m->setEditable(on);
    // A double click belongs to the grid's owner (mark or editor), so the
    // editor opens by typing, F2 or a click on the current cell.
    setEditTriggers(on ? QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed
                       : QAbstractItemView::NoEditTriggers);
}

void TDBGrid::setFontColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
    viewport()->update();
}

QColor TDBGrid::fontColor() const
{
    return palette().color(QPalette::Text);
}

int TDBGrid::currentColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : -1;
}

void TDBGrid::setCurrentDisplayColumn(int visual)
{
    const int column = m_titles->logicalIndex(visual);
    const QModelIndex current = currentIndex();
    if (column < 0 || !current.isValid())
        return;
    setCurrentIndex(model()->index(current.row(), column));
}

int TDBGrid::visibleRowCount() const
{
    const int rowHeight = m_indicator->defaultSectionSize();
    return rowHeight > 0 ? viewport()->height() / rowHeight : 0;
}

void TDBGrid::updateRowHeight()
{
    // Fixed, equal rows: the view never asks a hundred thousand records
    // for their height.
    const int height = fontMetrics().height() + 4;
    m_indicator->setMinimumSectionSize(std::min(height, m_indicator->minimumSectionSize()));
    m_indicator->setDefaultSectionSize(height);
}

void TDBGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateRowHeight();
}

void TDBGrid::syncToTable()
{
    m_indicator->viewport()->update();
    const Table *t = table();
    const TableModel *m = tableModel();
    if (!t || !m || !t->isOpen() || t->controlsDisabled() || m_modelChanging > 0)
        return;
    const int row = t->position();
    if (row < 0 || row >= m->rowCount())
        return;
    const QModelIndex current = currentIndex();
    // A re-read of the records loses the current cell, but not its column.
    int column = m_lastColumn >= 0 ? m_lastColumn : current.column();
    if (column >= m->columnCount() || (column >= 0 && m_titles->isSectionHidden(column)))
        column = -1;
    for (int visual = 0; column < 0 && visual < m_titles->count(); ++visual)
        if (!m_titles->isSectionHidden(m_titles->logicalIndex(visual)))
            column = m_titles->logicalIndex(visual);
    if (column < 0 || (current.row() == row && current.column() == column))
        return;
    const QScopedValueRollback guard(m_syncing, true);
    setCurrentIndex(m->index(row, column));
}

void TDBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    m_indicator->viewport()->update();
    if (!current.isValid())
        return;
    if (m_modelChanging > 0)
        return;
    m_lastColumn = current.column();
    if (m_syncing)
        return;
    Table *t = table();
    if (!t || !t->isOpen() || t->controlsDisabled() || current.row() == t->position())
        return;
    const QScopedValueRollback guard(m_syncing, true);
    try {
        t->moveTo(current.row());
    } catch (const TableError &e) {
        // A pending record that cannot be stored keeps the cursor where it is.
        showError(e.message());
        QMetaObject::invokeMethod(this, &TDBGrid::syncToTable, Qt::QueuedConnection);
    }
}

bool TDBGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool wasEditing = state() == QAbstractItemView::EditingState;
    const bool result = QTableView::edit(index, trigger, event);
    if (result && !wasEditing && state() == QAbstractItemView::EditingState) {
        // The in-place editor is up: the record is pending from now on.
        Table *t = table();
        if (t && t->isOpen() && t->state() == Table::State::Browse &&
            index.row() == t->position()) {
            try {
                t->edit();
            } catch (const TableError &e) {
                showError(e.message());
            }
        }
    }
    return result;
}

void TDBGrid::commitData(QWidget *editor)
{
    // A stored value can move its record (a sorted or filtered table); the
    // re-read then releases the editor, which hides it. Its late commit and
    // close requests have nothing left to do.
    if (editor && editor->isHidden())
        return;
    QTableView::commitData(editor);
}

void TDBGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor && editor->isHidden())
        return;
    // Still pending here means the value was not committed (Esc).
    if (Table *t = table(); t && t->state() == Table::State::Edit)
        t->cancel();
    QTableView::closeEditor(editor, hint);
}

void TDBGrid::cancelPendingEdit()
{
    if (state() == QAbstractItemView::EditingState) {
        QWidget *editor = QApplication::focusWidget();
        if (editor && editor != this && viewport()->isAncestorOf(editor))
            closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
    Table *t = table();
    if (t && (t->state() == Table::State::Edit || t->state() == Table::State::Insert))
        t->cancel();
}

int TDBGrid::WheelStep(bool down, Qt::KeyboardModifiers modifiers, int visibleRows)
{
    const Qt::KeyboardModifiers keys =
        modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    const int page = std::max(visibleRows - 1, 0);
    if (down ? keys.testFlag(Qt::ControlModifier) : keys == Qt::ControlModifier)
        return page;
    if (keys.testFlag(Qt::ShiftModifier))
        return 1;
    return 2;
}

bool TDBGrid::DoMouseWheel(bool down, Qt::KeyboardModifiers modifiers)
{
    Table *t = table();
    if (!t || !t->isOpen())
        return false;
    if (!isVisible() || !isEnabled())
        return false; // the grid cannot take the focus
    setFocus(Qt::MouseFocusReason);
    const int step = WheelStep(down, modifiers, visibleRowCount());
    try {
        return t->moveBy(down ? step : -step) != 0;
    } catch (const TableError &e) {
        showError(e.message());
        return false;
    }
}

bool TDBGrid::moveByWheel(QWheelEvent *event)
{
    int delta = event->angleDelta().y();
    // Some systems turn a wheel with Shift or Alt held sideways.
    if (delta == 0 && (event->modifiers() & (Qt::ShiftModifier | Qt::AltModifier)))
        delta = event->angleDelta().x();
    const Table *t = table();
    if (!t || !t->isOpen() || delta == 0)
        return false;
    cancelPendingEdit();
    m_wheelRemainder += delta;
    while (std::abs(m_wheelRemainder) >= WheelNotch) {
        const bool down = m_wheelRemainder < 0;
        m_wheelRemainder += down ? WheelNotch : -WheelNotch;
        DoMouseWheel(down, event->modifiers());
    }
    event->accept();
    return true;
}

void TDBGrid::wheelEvent(QWheelEvent *event)
{
    const QScopedValueRollback guard(m_inWheel, true);
    if (!moveByWheel(event))
        QTableView::wheelEvent(event);
}

bool TDBGrid::eventFilter(QObject *watched, QEvent *event)
{
    // The scroll area hands the viewport's wheel on to the scroll bar; only
    // a turn over the scroll bar itself is taken here.
    if (watched == verticalScrollBar() && event->type() == QEvent::Wheel && !m_inWheel) {
        const QScopedValueRollback guard(m_inWheel, true);
        if (moveByWheel(static_cast<QWheelEvent *>(event)))
            return true;
    }
    return QTableView::eventFilter(watched, event);
}

void TDBGrid::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
    emit keyDown(event);
    if (event->isAccepted())
        return;
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        deleteCurrentRecord();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex TDBGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Ctrl+Home and Ctrl+End go to the first and last record and keep the
    // column; Home and End alone move between the columns.
    const QModelIndex current = currentIndex();
    if ((action == MoveHome || action == MoveEnd) && (modifiers & Qt::ControlModifier) &&
        current.isValid() && model() && model()->rowCount() > 0) {
        const int row = action == MoveHome ? 0 : model()->rowCount() - 1;
        return model()->index(row, current.column());
    }
    return QTableView::moveCursor(action, modifiers);
}

void TDBGrid::keyboardSearch(const QString &)
{
    // Typing jumps nowhere: a search by first letters would read the
    // whole table, and letters start the in-place editor when it is on.
}

void TDBGrid::deleteCurrentRecord()
{
    Table *t = table();
    if (!t || !t->isOpen() || t->isEmpty() || !m_ui)
        return;
    if (!m_ui->confirm(QStringLiteral("Datensatz löschen?")))
        return;
    try {
        t->deleteRecord();
    } catch (const TableError &e) {
        showError(e.message());
    }
}

void TDBGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit dblClick();
}

void TDBGrid::showError(const QString &message)
{
    if (m_ui)
        m_ui->error(message);
}
