#pragma once

#include "platform/Shell.h"

#include <QList>
#include <QQueue>

// Shell double: records each call; answers from a queue, then the default.
class ScriptedShell : public Shell
{
public:
    struct Call
    {
        QString target;
        QString parameters;
        bool result;
        bool operator==(const Call &other) const = default;
    };

    bool open(const QString &target, const QString &parameters = {}) override;

    void queueResult(bool success) { m_results.enqueue(success); }
    void setDefaultResult(bool success) { m_defaultResult = success; }
    const QList<Call> &calls() const { return m_calls; }
    void clear()
    {
        m_calls.clear();
        m_results.clear();
    }

private:
    QList<Call> m_calls;
    QQueue<bool> m_results;
    bool m_defaultResult = true;
};
