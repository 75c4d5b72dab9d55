#pragma once

#include <QByteArray>
#include <QString>

struct NewCredentials {
    QString user;
    QString password;
    QString auth;
};

// The random bytes one set of credentials takes: 4 for the user name, 32 for
// the password and 16 for the salt.
inline constexpr qsizetype kSecureCredentialBytes = 4 + 32 + 16;

// Credentials made from kSecureCredentialBytes random bytes: "quorlin-" and 8
// hex digits, a password of 32 bytes in URL-safe base64 (44 characters), and
// the rpcauth line with a 16-byte hex salt, made as the test presets are.
NewCredentials makeSecureCredentials(const QByteArray& random);
