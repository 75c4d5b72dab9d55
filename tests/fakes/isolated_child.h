#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// Some cases need what a test run as root cannot see (a normal user's
// permissions) or may not do (mount a file system of its own). Such a test
// function runs itself again in a child copy of this test executable, started
// isolated, and passes when the child passes:
//
//     QUORLIN_RUN_ISOLATED(Isolation::NormalUser);
enum class Isolation {
    NormalUser, // a user without privileges, owning the files it creates
    OwnMounts, // a mount namespace in which the child may mount a tmpfs
};

inline bool inIsolatedChild()
{
    return qEnvironmentVariableIsSet("QUORLIN_ISOLATED_CHILD");
}

// A copy of this test executable that any user may run: the isolated user may
// not reach the build folder (a clone in root's home).
inline QString isolatedExecutable()
{
    static QTemporaryDir folder;
    static const QString copy = [] {
        const QString original = QCoreApplication::applicationFilePath();
        const QString path = folder.filePath(QFileInfo(original).fileName());
        QFile::copy(original, path);
        QFile::setPermissions(folder.path(),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
        return path;
    }();
    return copy;
}

// The first way of isolating that this system allows, as a program and the
// arguments before the command it starts; empty when there is none.
inline QStringList isolatingCommand(Isolation isolation)
{
    const bool root = ::geteuid() == 0;
    const QList<QStringList> ways = isolation == Isolation::NormalUser
        ? QList<QStringList> { { "unshare", "--user", "--map-user=1000", "--map-group=1000", "--" },
              root ? QStringList { "setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--" }
                   : QStringList() }
        : QList<QStringList> { { "unshare", "--user", "--map-root-user", "--mount", "--" },
              root ? QStringList { "unshare", "--mount", "--" } : QStringList() };
    for (const QStringList& way : ways) {
        if (way.isEmpty())
            continue;
        QProcess probe;
        probe.start(way.first(), way.mid(1) + QStringList { isolatedExecutable(), "-functions" });
        if (probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit
            && probe.exitCode() == 0)
            return way;
    }
    return {};
}

struct IsolatedRun {
    bool available = false; // false when this system cannot isolate a child
    bool passed = false;
    QByteArray output;
};

// Runs the current test function (and data row) in an isolated child.
inline IsolatedRun runIsolatedChild(Isolation isolation)
{
    const QStringList way = isolatingCommand(isolation);
    if (way.isEmpty())
        return {};
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        function += ':' + QString::fromLatin1(QTest::currentDataTag());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUORLIN_ISOLATED_CHILD", "1");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(way.first(), way.mid(1) + QStringList { isolatedExecutable(), function });
    const bool finished = child.waitForFinished(60000);
    return { true, finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
        child.readAll() };
}

#define QUORLIN_RUN_ISOLATED(isolation)                                                                      \
    if (!inIsolatedChild()) {                                                                                \
        const IsolatedRun run = runIsolatedChild(isolation);                                                 \
        if (!run.available)                                                                                  \
            QSKIP("Neither a user namespace nor root's rights are available to isolate this case.");         \
        QVERIFY2(run.passed, run.output.constData());                                                        \
        return;                                                                                              \
    }
