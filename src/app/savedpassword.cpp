#include "app/savedpassword.h"

#include <QByteArray>

namespace {

const QLatin1String kPrefix("zs1:");
const QByteArray kKey("k7Qz!pW3vN9#xR2m");

QByteArray mixed(QByteArray bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(bytes[i] ^ kKey[i % kKey.size()] ^ static_cast<char>(i * 31));
    }
    return bytes;
}

}  // namespace

namespace SavedPassword {

QString scramble(const QString& password) {
    return kPrefix + QString::fromLatin1(mixed(password.toUtf8()).toBase64());
}

QString unscramble(const QString& saved) {
    if (!saved.startsWith(kPrefix)) {
        return saved;
    }
    return QString::fromUtf8(mixed(QByteArray::fromBase64(saved.mid(kPrefix.size()).toLatin1())));
}

}  // namespace SavedPassword
