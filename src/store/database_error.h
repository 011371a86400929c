#pragma once

#include <QString>

#include <exception>

// A failure of the database engine passed to the caller of a record access or query.
class DatabaseError : public std::exception
{
public:
    explicit DatabaseError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
