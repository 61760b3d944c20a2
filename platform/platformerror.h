#pragma once

#include <QString>

#include <stdexcept>

// Thrown by the platform stand-ins when the platform itself fails (a settings write, a printer),
// so that the standard error display can show the failure's own words.
class PlatformError : public std::runtime_error
{
public:
    explicit PlatformError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }

    QString message() const { return m_message; }

private:
    QString m_message;
};
