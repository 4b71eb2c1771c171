#pragma once

#include "platform/UserInterface.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// UserInterface double for tests: records every call and answers from
// queues the test fills. An empty queue answers "Nein" or "" (cancelled) and
// sets ranDry(), so a test notices an unexpected question.
class ScriptedUserInterface : public UserInterface
{
public:
    enum class Kind { Information, Confirm, Error, Plain, OpenFile, SaveFile, Folder };

    struct Entry
    {
        Kind kind;
        QString text;        // the message, or the chooser's caption
        QStringList details; // choosers: folder/start, filter, default suffix
        QString answer;      // confirm: "Ja"/"Nein"; choosers: the path given
        int waitDepth;       // wait cursor depth when the call came
    };

    void information(const QString &text) override;
    bool confirm(const QString &text) override;
    void error(const QString &text) override;
    void plainMessage(const QString &text) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter,
                         const QString &defaultSuffix = {}) override;
    QString folder(const QString &caption, const QString &start) override;
    void beginWait() override { ++m_waitDepth; }
    void endWait() override;

    void queueConfirm(bool yes) { m_confirms.enqueue(yes); }
    void queueOpenFileName(const QString &path) { m_openFileNames.enqueue(path); }
    void queueSaveFileName(const QString &path) { m_saveFileNames.enqueue(path); }
    void queueFolder(const QString &path) { m_folders.enqueue(path); }

    const QList<Entry> &entries() const { return m_entries; }
    // The texts of all calls, or of the calls of one kind, in order.
    QStringList texts() const;
    QStringList texts(Kind kind) const;
    // True once a question or chooser found its queue empty.
    bool ranDry() const { return m_ranDry; }
    // Queued answers nobody asked for.
    qsizetype pendingAnswers() const;
    int waitDepth() const { return m_waitDepth; }
    // Forgets entries, answers and the ran-dry flag; keeps the wait depth.
    void clear();

private:
    QString take(QQueue<QString> &queue);
    void record(Kind kind, const QString &text, const QStringList &details = {},
                const QString &answer = {});

    QList<Entry> m_entries;
    QQueue<bool> m_confirms;
    QQueue<QString> m_openFileNames;
    QQueue<QString> m_saveFileNames;
    QQueue<QString> m_folders;
    bool m_ranDry = false;
    int m_waitDepth = 0;
};
