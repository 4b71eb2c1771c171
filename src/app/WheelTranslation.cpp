#include "app/WheelTranslation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

WheelTranslation::WheelTranslation(QObject *parent) : QObject(parent) {}

WheelTranslation::~WheelTranslation()
{
    remove();
}

void WheelTranslation::install()
{
    if (m_installed || !qApp)
        return;
    qApp->installEventFilter(this);
    m_installed = true;
}

void WheelTranslation::remove()
{
    if (!m_installed)
        return;
    if (qApp)
        qApp->removeEventFilter(this);
    m_installed = false;
}

std::optional<int> WheelTranslation::KeyFor(const QWheelEvent &event)
{
    const QPoint delta = event.angleDelta();
    if (delta.y() == 0 && delta.x() != 0)
        return std::nullopt;
    if (event.phase() == Qt::ScrollBegin || event.phase() == Qt::ScrollEnd)
        return std::nullopt;
    return delta.y() > 0 ? Qt::Key_Up : Qt::Key_Down;
}

bool WheelTranslation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel)
        return AppMessage(watched, event);
    return QObject::eventFilter(watched, event);
}

bool WheelTranslation::AppMessage(QObject *, QEvent *event)
{
    const auto key = KeyFor(*static_cast<QWheelEvent *>(event));
    QWidget *target = QApplication::focusWidget();
    if (!key || !target)
        return false;
    QKeyEvent press(QEvent::KeyPress, *key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    event->accept();
    return true;
}

ModalWindowRule::ModalWindowRule(WheelTranslation &translation)
    : m_translation(translation), m_wasInstalled(translation.isInstalled())
{
    m_translation.remove();
}

ModalWindowRule::~ModalWindowRule()
{
    if (m_wasInstalled)
        m_translation.install();
}
