#pragma once

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// Some cases need what a test run as root cannot see (a normal user's permissions) or may not do (mount a
// file system of its own). Such a test function runs itself again in an isolated child copy of this test
// executable, and passes when the child passes (POSIX only: its tests are registered NOT_ON_WINDOWS):
//
//     QUORLIN_RUN_ISOLATED(Isolation::NormalUser);
enum class Isolation {
    NormalUser, // a user without privileges, owning the files it creates
    OwnMounts, // a mount namespace in which the child may mount a tmpfs
};

// Runs the current test function (and data row) in an isolated child, the first way this system allows;
// nullopt when there is none, else whether the child passed, and what it printed.
inline std::optional<std::pair<bool, QByteArray>> runIsolatedChild(Isolation isolation)
{
    // A copy any user may run: the isolated user may not reach the build folder (a clone in root's home).
    static QTemporaryDir folder;
    const QString copy = folder.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (!QFile::exists(copy) && QFile::copy(QCoreApplication::applicationFilePath(), copy))
        ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    const bool normalUser = isolation == Isolation::NormalUser;
    QList<QStringList> ways { normalUser
            ? QStringList { "unshare", "--user", "--map-user=1000", "--map-group=1000", "--" }
            : QStringList { "unshare", "--user", "--map-root-user", "--mount", "--" } };
    if (::geteuid() == 0)
        ways << (normalUser
                ? QStringList { "setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--" }
                : QStringList { "unshare", "--mount", "--" });
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        function += ':' + QString::fromLatin1(QTest::currentDataTag());
    for (const QStringList& way : ways) {
        const auto run = [&](const QString& argument, int timeoutMs) {
            QProcess child;
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(
                way.first(), way.mid(1) + QStringList { "env", "QUORLIN_ISOLATED_CHILD=1", copy, argument });
            const bool finished = child.waitForFinished(timeoutMs);
            return std::pair(finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                child.readAll());
        };
        // The way is tried first with a run that only lists the test functions.
        if (run("-functions", 10000).first)
            return run(function, 60000);
    }
    return std::nullopt;
}

#define QUORLIN_RUN_ISOLATED(isolation)                                                                      \
    if (!qEnvironmentVariableIsSet("QUORLIN_ISOLATED_CHILD")) {                                              \
        const auto run = runIsolatedChild(isolation);                                                        \
        if (!run)                                                                                            \
            QSKIP("Neither a user namespace nor root's rights are available to isolate this case.");         \
        QVERIFY2(run->first, run->second.constData());                                                       \
        return;                                                                                              \
    }
