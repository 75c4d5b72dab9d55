#include "secure_credentials.h"

#include <QMessageAuthenticationCode>

NewCredentials makeSecureCredentials(const QByteArray& random)
{
    const QString user = QStringLiteral("quorlin-") + QString::fromLatin1(random.first(4).toHex());
    const QByteArray password = random.sliced(4, 32).toBase64(QByteArray::Base64UrlEncoding);
    const QByteArray salt = random.sliced(36, 16).toHex();
    const QByteArray hash
        = QMessageAuthenticationCode::hash(password, salt, QCryptographicHash::Sha256).toHex();
    return { user, QString::fromLatin1(password),
        user + u':' + QString::fromLatin1(salt) + u'$' + QString::fromLatin1(hash) };
}
