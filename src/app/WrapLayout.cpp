#include "app/WrapLayout.h"

#include <QWidget>

WrapLayout::WrapLayout(QWidget *parent, int spacing) : QLayout(parent), m_gap(spacing) {}

WrapLayout::~WrapLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void WrapLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *WrapLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

int WrapLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize WrapLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize WrapLayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += hint.width() + (width > 0 ? m_gap : 0);
        height = std::max(height, hint.height());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void WrapLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int WrapLayout::arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;
    for (QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        if (x > area.x() && x + hint.width() > area.right() + 1) {
            x = area.x();
            y += rowHeight + m_gap;
            rowHeight = 0;
        }
        if (place)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width() + m_gap;
        rowHeight = std::max(rowHeight, hint.height());
    }
    const QMargins m = contentsMargins();
    return y + rowHeight - rect.y() + m.bottom();
}
