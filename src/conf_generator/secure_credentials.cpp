#include "secure_credentials.h"

#include <QByteArray>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace {

QByteArray randomBytes(qsizetype count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), count / 4);
    return bytes;
}

} // namespace

NewCredentials makeSecureCredentials()
{
    const QString user = QStringLiteral("quorlin-") + QString::fromLatin1(randomBytes(4).toHex());
    const QByteArray password = randomBytes(32).toBase64(QByteArray::Base64UrlEncoding);
    const QByteArray salt = randomBytes(16).toHex();
    const QByteArray hash
        = QMessageAuthenticationCode::hash(password, salt, QCryptographicHash::Sha256).toHex();
    return { user, QString::fromLatin1(password),
        user + u':' + QString::fromLatin1(salt) + u'$' + QString::fromLatin1(hash) };
}
