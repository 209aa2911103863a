#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A print that cannot go on: the text is shown to the operator as it is.
class PrintError : public std::exception {
public:
    explicit PrintError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
