#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A failure with a text for the operator. Each layer throws its own kind so
// that callers can tell them apart; the text is what the window shows.
class AppError : public std::exception {
public:
    explicit AppError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
