#pragma once

#include <QString>

struct NewCredentials {
    QString user;
    QString password;
    QString auth;
};

// Fresh credentials from the system's secure generator: "quorlin-" and 8 hex
// digits, a password of 32 random bytes in URL-safe base64 (44 characters),
// and the rpcauth line with a 16-byte hex salt, made as the test presets are.
NewCredentials makeSecureCredentials();
