#include "TableLock.h"

#include "platform/LockFile.h"

TableLock::TableLock(const QString &dataFolder) : m_folder(dataFolder) {}

TableLock::~TableLock()
{
    if (m_file)
        m_file->release();
}

bool TableLock::acquire()
{
    if (m_users == 0) {
        if (!m_file)
            m_file = std::make_unique<LockFile>();
        if (!m_file->acquire(m_folder))
            return false;
    }
    ++m_users;
    return true;
}

void TableLock::release()
{
    if (m_users > 0 && --m_users == 0 && m_file)
        m_file->release();
}
