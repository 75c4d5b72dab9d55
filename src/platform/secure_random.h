#pragma once

#include <QByteArray>
#include <QString>

struct RandomBytes {
    QByteArray bytes; // what was asked for, or empty when the generator failed
    QString error; // why the generator failed, else ""
};

// The operating system's own random generator, for secrets: getrandom(2) on
// Linux, BCryptGenRandom on Windows. Never a weaker source in its place.
class SecureRandom {
public:
    virtual ~SecureRandom() = default;

    // `count` bytes from the generator, or none and the reason.
    virtual RandomBytes read(qsizetype count) = 0;
};
