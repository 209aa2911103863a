#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A failure of a shared service (a device, a file) with a text for the operator.
class ServiceError : public std::exception {
public:
    explicit ServiceError(QString message)
        : message_(std::move(message)), utf8_(message_.toUtf8()) {}

    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
