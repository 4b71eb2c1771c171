#pragma once

#include "platform/Clipboard.h"

// The system clipboard through QGuiApplication.
class QtClipboard : public Clipboard
{
public:
    void setText(const QString &text) override;
    QString text() override;
};
