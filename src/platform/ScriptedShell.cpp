#include "platform/ScriptedShell.h"

bool ScriptedShell::open(const QString &target, const QString &parameters)
{
    const bool result = m_results.isEmpty() ? m_defaultResult : m_results.dequeue();
    m_calls.append({target, parameters, result});
    return result;
}
