#include "node_sandbox.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace {

QByteArray readProcFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Interface names of the network namespace this process lives in.
QSet<QString> networkInterfaces()
{
    QSet<QString> names;
    const QList<QByteArray> lines = readProcFile(QStringLiteral("/proc/net/dev")).split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            names.insert(QString::fromLatin1(line.left(colon).trimmed()));
    }
    return names;
}

bool isZombie(const QByteArray& stat)
{
    const qsizetype close = stat.lastIndexOf(')');
    return close < 0 || stat.mid(close + 2, 1) == "Z";
}

QString rpcPassword()
{
    return QString::number(QRandomGenerator::system()->generate64(), 36);
}

} // namespace

NodeSandbox::NodeSandbox()
    : m_root(QDir::tempPath() + QStringLiteral("/quorlin node-XXXXXX")) // a blank, as in real folders
    , m_savedHome(qgetenv("HOME"))
    , m_hadHome(qEnvironmentVariableIsSet("HOME"))
{
    if (!m_root.isValid())
        return;
    QDir root(m_root.path());
    root.mkpath(QStringLiteral("home"));
    root.mkpath(QStringLiteral("data"));
    QFile conf(confPath());
    if (conf.open(QIODevice::WriteOnly)) {
        conf.write(QStringLiteral("regtest=1\nserver=1\nrpcuser=quorlin\nrpcpassword=%1\n")
                       .arg(rpcPassword())
                       .toUtf8());
    }
    qputenv("HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
}

NodeSandbox::~NodeSandbox()
{
    killProcesses();
    if (m_hadHome)
        qputenv("HOME", m_savedHome);
    else
        qunsetenv("HOME");
}

QString NodeSandbox::unavailableReason()
{
    for (const char* program : { "litecoind", "litecoin-cli" }) {
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            return QStringLiteral("%1 is not installed.").arg(QLatin1String(program));
    }
    if (networkInterfaces() != QSet<QString> { QStringLiteral("lo") })
        return QStringLiteral("the network here is more than loopback; run this test through CTest, "
                              "which starts it in a namespace of its own.");
    return {};
}

QString NodeSandbox::programFolder()
{
    return QFileInfo(QStandardPaths::findExecutable(QStringLiteral("litecoind"))).path();
}

bool NodeSandbox::isValid() const
{
    return m_root.isValid() && QFile::exists(confPath());
}

QString NodeSandbox::root() const
{
    return m_root.path();
}

QString NodeSandbox::dataFolder() const
{
    return m_root.filePath(QStringLiteral("data"));
}

QString NodeSandbox::confPath() const
{
    return m_root.filePath(QStringLiteral("node.conf"));
}

QString NodeSandbox::settingsRoot() const
{
    return m_root.filePath(QStringLiteral("config"));
}

QList<pid_t> NodeSandbox::processes() const
{
    if (!m_root.isValid())
        return {};
    const QByteArray rootName = QFile::encodeName(root());
    const pid_t self = ::getpid();
    QList<pid_t> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const pid_t pid = entry.toInt(&isPid);
        if (!isPid || pid == self)
            continue;
        const QString dir = QStringLiteral("/proc/") + entry;
        if (readProcFile(dir + QStringLiteral("/cmdline")).contains(rootName)
            && !isZombie(readProcFile(dir + QStringLiteral("/stat"))))
            found.append(pid);
    }
    return found;
}

bool NodeSandbox::nodeAnswers() const
{
    QProcess cli;
    cli.setProgram(QStandardPaths::findExecutable(QStringLiteral("litecoin-cli")));
    cli.setArguments({ QStringLiteral("-conf=") + confPath(), QStringLiteral("getblockcount") });
    cli.start();
    return cli.waitForFinished(10000) && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
}

void NodeSandbox::killProcesses()
{
    for (const pid_t pid : processes())
        ::kill(pid, SIGKILL);
    const QDeadlineTimer deadline(10000);
    while (!processes().isEmpty() && !deadline.hasExpired())
        QThread::msleep(20);
}
