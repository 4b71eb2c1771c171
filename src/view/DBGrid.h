#pragma once

#include <QHeaderView>
#include <QPoint>
#include <QStyledItemDelegate>
#include <QTableView>

class QKeyEvent;
class Table;
class TableModel;
class TDBGrid;
class UserInterface;

// The title row of TDBGrid: header items drawn by the platform style in the
// states normal, hot (mouse over) and pressed, the sort mark's bold red
// font taken from the model.
class TDBGridTitles : public QHeaderView
{
    Q_OBJECT
public:
    explicit TDBGridTitles(QWidget *parent = nullptr);

    int hotTitleColumn() const { return m_hotColumn; }
    bool titlePressed() const { return m_titlePressed; }
    int pressedTitleColumn() const { return m_pressedColumn; }
    bool sizing() const { return m_sizing; }
    bool dragging() const { return m_dragging; }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QFont titleFont(int logicalIndex) const;
    bool onBorder(int x) const;
    void repaintSection(int logicalIndex);

    int m_hotColumn = -1;
    bool m_titlePressed = false;
    int m_pressedColumn = -1;
    bool m_sizing = false;
    bool m_dragging = false;
    QPoint m_pressPoint;
};

// The indicator column of TDBGrid: for the current record an arrow in
// browse state, an edit mark in edit state and an insert mark in insert
// state; other records show the multi-selection mark when selected.
class TDBGridIndicator : public QHeaderView
{
    Q_OBJECT
public:
    enum class Mark { None, Arrow, Edit, Insert, MultiSelected };

    explicit TDBGridIndicator(TDBGrid *grid);

    Mark markFor(int row) const;
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    TDBGrid *m_grid;
};

// Draws the cells as the standard delegate does and then lets the grid's
// owner draw over them (drawColumnCell).
class TDBGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit TDBGridDelegate(TDBGrid *grid);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    TDBGrid *m_grid;
};

// The data-aware grid (TDBGrid of the themed grid unit) over a TableModel:
// its current row follows the table's current record and moves it, the
// wheel moves the table by records, titles and indicator are themed, and
// in-place editing is off unless switched on.
class TDBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TDBGrid(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    TableModel *tableModel() const;
    Table *table() const;

    // Messages of the grid itself (a refused value, the delete question).
    void setUserInterface(UserInterface *ui) { m_ui = ui; }

    // In-place editing of cells; while off, cells are read-only.
    void setInPlaceEditing(bool on);
    bool inPlaceEditing() const { return m_inPlaceEditing; }
    // An in-place editor is open.
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The colour of the cell text.
    void setFontColor(const QColor &color);
    QColor fontColor() const;

    // The field (model column) of the current cell; -1 when none.
    int currentColumn() const;
    // Makes the column at the given display place current (0 = leftmost shown).
    void setCurrentDisplayColumn(int visual);
    // Data rows that fit completely into the grid.
    int visibleRowCount() const;

    // Records one wheel notch moves the table: 2; 1 with Shift; a page (the
    // visible rows less one) with Ctrl. Downwards Ctrl wins over Shift,
    // upwards the page needs Ctrl alone and Ctrl+Shift moves 1.
    static int WheelStep(bool down, Qt::KeyboardModifiers modifiers, int visibleRows);
    // One wheel notch (DoMouseWheelDown / DoMouseWheelUp); true when the
    // table moved.
    bool DoMouseWheel(bool down, Qt::KeyboardModifiers modifiers);

    TDBGridTitles *titles() const { return m_titles; }
    TDBGridIndicator *indicator() const { return m_indicator; }

signals:
    // After a data cell was drawn (OnDrawColumnCell).
    void drawColumnCell(QPainter *painter, const QStyleOptionViewItem &option,
                        const QModelIndex &index);
    // A click on the title of a column (model column).
    void titleClick(int column);
    // A double click in the grid (OnDblClick).
    void dblClick();
    // A key press before the grid handles it (OnKeyDown); a receiver that
    // uses the key accepts the event, which then ends there.
    void keyDown(QKeyEvent *event);

public slots:
    void keyboardSearch(const QString &search) override;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void syncToTable();
    // True when the turn was taken to move the table.
    bool moveByWheel(QWheelEvent *event);
    void cancelPendingEdit();
    void deleteCurrentRecord();
    void showError(const QString &message);
    void updateRowHeight();

    TDBGridTitles *m_titles;
    TDBGridIndicator *m_indicator;
    UserInterface *m_ui = nullptr;
    QList<QMetaObject::Connection> m_modelConnections;
    bool m_inPlaceEditing = false;
    bool m_syncing = false;
    bool m_inWheel = false;
    int m_modelChanging = 0;
    int m_wheelRemainder = 0;
    int m_lastColumn = -1;
};
