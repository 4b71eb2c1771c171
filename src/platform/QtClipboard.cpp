#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboard::text()
{
    return QGuiApplication::clipboard()->text();
}
