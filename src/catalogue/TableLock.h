#pragma once

#include <QString>

#include <memory>

class LockFile;

// The store's lock mark in a Data folder, shared by every open table there:
// taken by the first table that opens and released by the last that closes.
class TableLock
{
public:
    explicit TableLock(const QString &dataFolder);
    ~TableLock();
    TableLock(const TableLock &) = delete;
    TableLock &operator=(const TableLock &) = delete;

    bool acquire();
    void release();
    int users() const { return m_users; }

private:
    QString m_folder;
    std::unique_ptr<LockFile> m_file;
    int m_users = 0;
};
