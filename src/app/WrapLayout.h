#pragma once

#include <QLayout>
#include <QList>

// Lays its widgets out left to right and starts a new row where the next
// one would not fit, so a long button bar stays whole on a narrow screen.
class WrapLayout : public QLayout
{
public:
    explicit WrapLayout(QWidget *parent = nullptr, int spacing = 4);
    ~WrapLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Places the items inside rect (or only measures); returns the height used.
    int arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> m_items;
    int m_gap;
};
