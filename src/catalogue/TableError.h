#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The table store's only exception. Its message is German and meant for the
// user; each command catches it at one guard and shows it.
class TableError : public std::exception
{
public:
    explicit TableError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
