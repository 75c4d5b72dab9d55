#include "node_sandbox.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

static QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

NodeSandbox::NodeSandbox()
    : m_root(QDir::tempPath() + u"/quorlin node-XXXXXX"_s) // a blank, as in real folders
    , m_savedHome(qgetenv("HOME"))
{
    QDir root(m_root.path());
    QFile conf(confPath());
    if (!m_root.isValid() || !root.mkpath(u"home"_s) || !root.mkpath(u"data"_s)
        || !conf.open(QIODevice::WriteOnly))
        return;
    conf.write("regtest=1\nserver=1\nrpcuser=quorlin\nrpcpassword="
        + QByteArray::number(QRandomGenerator::system()->generate64(), 36) + '\n');
    qputenv("HOME", QFile::encodeName(root.filePath(u"home"_s)));
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
    for (const QByteArray& line : readFile(u"/proc/net/dev"_s).split('\n'))
        if (line.contains(':'))
            interfaces << QString::fromLatin1(line.left(line.indexOf(':')).trimmed());
    return interfaces == QStringList { u"lo"_s }
        ? QString()
        : u"the network here is more than loopback; run this test through CTest."_s;
}

QString NodeSandbox::programFolder()
{
    return QFileInfo(QStandardPaths::findExecutable(u"litecoind"_s)).path();
}

QList<pid_t> NodeSandbox::processes(const QString& program) const
{
    QList<pid_t> found;
    for (const QString& entry : QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const pid_t pid = entry.toInt();
        const QString dir = u"/proc/"_s + entry;
        const QByteArray stat = readFile(dir + u"/stat"_s);
        if (pid > 0 && pid != ::getpid() && m_root.isValid()
            && readFile(dir + u"/cmdline"_s).contains(QFile::encodeName(root()))
            && stat.mid(stat.lastIndexOf(')') + 2, 1) != "Z"
            && (program.isEmpty() || QFileInfo(QFile::symLinkTarget(dir + u"/exe"_s)).fileName() == program))
            found.append(pid);
    }
    return found;
}

int NodeSandbox::cli(const QStringList& arguments, QString* error) const
{
    QProcess cli;
    cli.start(QStandardPaths::findExecutable(u"litecoin-cli"_s),
        QStringList { u"-datadir="_s + dataFolder() } + arguments);
    if (!cli.waitForFinished(10000) || cli.exitStatus() != QProcess::NormalExit)
        return -1;
    if (error)
        *error = QString::fromUtf8(cli.readAllStandardError());
    return cli.exitCode();
}
