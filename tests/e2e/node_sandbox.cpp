#include "node_sandbox.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <unistd.h>

static QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

NodeSandbox::NodeSandbox()
    : m_root(QDir::tempPath() + QStringLiteral("/quorlin node-XXXXXX")) // a blank, as in real folders
    , m_savedHome(qgetenv("HOME"))
{
    QDir root(m_root.path());
    QFile conf(confPath());
    if (!m_root.isValid() || !root.mkpath(QStringLiteral("home")) || !root.mkpath(QStringLiteral("data"))
        || !conf.open(QIODevice::WriteOnly))
        return;
    conf.write("regtest=1\nserver=1\nrpcuser=quorlin\nrpcpassword="
        + QByteArray::number(QRandomGenerator::system()->generate64(), 36) + '\n');
    qputenv("HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
}

NodeSandbox::~NodeSandbox()
{
    for (const pid_t pid : processes())
        ::kill(pid, SIGKILL);
    const QDeadlineTimer deadline(10000);
    while (!processes().isEmpty() && !deadline.hasExpired())
        QThread::msleep(20);
    qputenv("HOME", m_savedHome);
}

QString NodeSandbox::unavailableReason()
{
    QStringList interfaces; // of this process's network namespace
    for (const QByteArray& line : readFile(QStringLiteral("/proc/net/dev")).split('\n')) {
        if (line.contains(':'))
            interfaces << QString::fromLatin1(line.left(line.indexOf(':')).trimmed());
    }
    if (interfaces != QStringList { QStringLiteral("lo") })
        return QStringLiteral("the network here is more than loopback; run this test through CTest.");
    return {};
}

QString NodeSandbox::programFolder()
{
    return QFileInfo(QStandardPaths::findExecutable(QStringLiteral("litecoind"))).path();
}

QList<pid_t> NodeSandbox::processes() const
{
    QList<pid_t> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const pid_t pid = entry.toInt(&isPid);
        const QString dir = QStringLiteral("/proc/") + entry;
        const QByteArray stat = readFile(dir + QStringLiteral("/stat"));
        if (isPid && pid != ::getpid() && m_root.isValid()
            && readFile(dir + QStringLiteral("/cmdline")).contains(QFile::encodeName(root()))
            && stat.mid(stat.lastIndexOf(')') + 2, 1) != "Z")
            found.append(pid);
    }
    return found;
}

bool NodeSandbox::runs(const QString& program) const
{
    const QList<pid_t> pids = processes();
    return std::any_of(pids.begin(), pids.end(), [&](pid_t pid) {
        return readFile(QStringLiteral("/proc/%1/comm").arg(pid)).trimmed() == QFile::encodeName(program);
    });
}

int NodeSandbox::cli(const QStringList& arguments, QString* error) const
{
    QProcess cli;
    cli.start(QStandardPaths::findExecutable(QStringLiteral("litecoin-cli")),
        QStringList { QStringLiteral("-datadir=") + dataFolder() } + arguments);
    if (!cli.waitForFinished(10000) || cli.exitStatus() != QProcess::NormalExit)
        return -1;
    if (error)
        *error = QString::fromUtf8(cli.readAllStandardError());
    return cli.exitCode();
}
