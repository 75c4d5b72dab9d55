#pragma once

#include <QString>

// What the "Use" buttons of the crypto settings fill in: where a Bitcoin Core
// installation keeps its programs on this system, and their file names.
struct ProgramExamples {
    QString qtFolder;
    QString qtName;
    QString daemonFolder;
    QString cliName;
    QString daemonName;
};

#ifdef _WIN32
inline const ProgramExamples kProgramExamples { QStringLiteral("C:\\Program Files\\Bitcoin"),
    QStringLiteral("bitcoin-qt.exe"), QStringLiteral("C:\\Program Files\\Bitcoin\\Daemon"),
    QStringLiteral("bitcoin-cli.exe"), QStringLiteral("bitcoind.exe") };
#else
// Distribution packages put the node's programs in /usr/bin, without an extension.
inline const ProgramExamples kProgramExamples { QStringLiteral("/usr/bin"), QStringLiteral("bitcoin-qt"),
    QStringLiteral("/usr/bin"), QStringLiteral("bitcoin-cli"), QStringLiteral("bitcoind") };
#endif
