#pragma once

#include "platform/SpecialFolders.h"

// SpecialFolders double: returns what the test set.
class FixedSpecialFolders : public SpecialFolders
{
public:
    QString documents() override { return m_documents; }
    QString applicationData() override { return m_applicationData; }
    QString home() override { return m_home; }
    QString programFiles() override { return m_programFiles; }
    QString temp() override { return m_temp; }

    void setDocuments(const QString &path) { m_documents = path; }
    void setApplicationData(const QString &path) { m_applicationData = path; }
    void setHome(const QString &path) { m_home = path; }
    void setProgramFiles(const QString &path) { m_programFiles = path; }
    void setTemp(const QString &path) { m_temp = path; }

private:
    QString m_documents;
    QString m_applicationData;
    QString m_home;
    QString m_programFiles;
    QString m_temp;
};
