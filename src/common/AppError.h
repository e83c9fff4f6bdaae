#pragma once
#include <QString>
#include <stdexcept>

// The one kind of failure the logic raises: it carries a message a user can read.
// Handlers never let it escape; the application's error handler shows the message.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A data file could not be read: names the file and the reason.
class DataFileError : public AppError {
public:
    DataFileError(const QString &file, const QString &reason)
        : AppError(QStringLiteral("%1: %2").arg(file, reason)), m_file(file), m_reason(reason) {}
    const QString &file() const { return m_file; }
    const QString &reason() const { return m_reason; }

private:
    QString m_file;
    QString m_reason;
};
