#include "platform/ScriptedUserInterface.h"

void ScriptedUserInterface::record(Kind kind, const QString &text, const QStringList &details,
                                   const QString &answer)
{
    m_entries.append({kind, text, details, answer, m_waitDepth});
}

QString ScriptedUserInterface::take(QQueue<QString> &queue)
{
    if (queue.isEmpty()) {
        m_ranDry = true;
        return {};
    }
    return queue.dequeue();
}

void ScriptedUserInterface::information(const QString &text)
{
    record(Kind::Information, text);
}

bool ScriptedUserInterface::confirm(const QString &text)
{
    bool yes = false;
    if (m_confirms.isEmpty())
        m_ranDry = true;
    else
        yes = m_confirms.dequeue();
    record(Kind::Confirm, text, {}, yes ? QStringLiteral("Ja") : QStringLiteral("Nein"));
    return yes;
}

void ScriptedUserInterface::error(const QString &text)
{
    record(Kind::Error, text);
}

void ScriptedUserInterface::plainMessage(const QString &text)
{
    record(Kind::Plain, text);
}

QString ScriptedUserInterface::openFileName(const QString &caption, const QString &folder,
                                            const QString &filter)
{
    const QString path = take(m_openFileNames);
    record(Kind::OpenFile, caption, {folder, filter}, path);
    return path;
}

QString ScriptedUserInterface::saveFileName(const QString &caption, const QString &folder,
                                            const QString &filter, const QString &defaultSuffix)
{
    const QString path = take(m_saveFileNames);
    record(Kind::SaveFile, caption, {folder, filter, defaultSuffix}, path);
    return path;
}

QString ScriptedUserInterface::folder(const QString &caption, const QString &start)
{
    const QString path = take(m_folders);
    record(Kind::Folder, caption, {start}, path);
    return path;
}

void ScriptedUserInterface::endWait()
{
    if (m_waitDepth > 0)
        --m_waitDepth;
}

QStringList ScriptedUserInterface::texts() const
{
    QStringList result;
    for (const Entry &e : m_entries)
        result << e.text;
    return result;
}

QStringList ScriptedUserInterface::texts(Kind kind) const
{
    QStringList result;
    for (const Entry &e : m_entries) {
        if (e.kind == kind)
            result << e.text;
    }
    return result;
}

qsizetype ScriptedUserInterface::pendingAnswers() const
{
    return m_confirms.size() + m_openFileNames.size() + m_saveFileNames.size() + m_folders.size();
}

void ScriptedUserInterface::clear()
{
    m_entries.clear();
    m_confirms.clear();
    m_openFileNames.clear();
    m_saveFileNames.clear();
    m_folders.clear();
    m_ranDry = false;
}
