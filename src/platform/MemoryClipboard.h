#pragma once

#include "platform/Clipboard.h"

// Clipboard double.
class MemoryClipboard : public Clipboard
{
public:
    void setText(const QString &text) override { m_text = text; }
    QString text() override { return m_text; }

private:
    QString m_text;
};
