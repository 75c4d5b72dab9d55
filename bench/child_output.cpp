// What one run of a flooding or hanging child program costs the panel: the
// seconds until its answer, the panel's peak memory (VmHWM) and how many of
// the processes it started still run afterwards. One case per run, so that
// each peak is its own:
//
//   bench_child_output yes|line|script-yes|script-hang|help-yes
//
// yes: a client that is `exec yes`; line: a client that prints one 10 MB
// line (of NUL bytes) and exits; script-yes, script-hang: a client that is a script running
// a flooding or hanging child without exec (10 s limit); help-yes: a daemon
// whose -help prints without end (the conf check's run).

#include "platform/process_query_linux.h"
#include "platform/process_runner_qprocess.h"
#include "platform/program_help.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// A script that runs a copy of sh named qrl-bench-child with `childScript`.
QString writeScript(const QTemporaryDir& dir, const QString& childScript)
{
    const QString child = dir.filePath(QStringLiteral("qrl-bench-child"));
    QFile::copy(QStringLiteral("/bin/sh"), child);
    QFile script(dir.filePath(QStringLiteral("client")));
    script.open(QIODevice::WriteOnly);
    script.write(QStringLiteral("#!/bin/sh\n'%1' -c '%2'\necho after\n").arg(child, childScript).toUtf8());
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return script.fileName();
}

QString clientLine(const QString& which, const QTemporaryDir& dir)
{
    if (which == u"yes")
        return QStringLiteral("/usr/bin/yes");
    if (which == u"line")
        return QStringLiteral("/usr/bin/head -c 10000000 /dev/zero");
    if (which == u"script-yes")
        return writeScript(dir, QStringLiteral("trap \"\" PIPE; while :; do head -c 100000 /dev/zero; done"));
    return writeScript(dir, QStringLiteral("sleep 60; :"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    QString answer;
    QProcessRunner runner;
    QEventLoop loop;
    if (which == u"help-yes") {
        ProgramHelpReader(runner).read(
            QStringLiteral("/usr/bin/yes"), {}, &loop, [&](const ProgramOutput& a) {
                answer = a.error;
                loop.quit();
            });
        loop.exec();
    } else if (QStringList { u"yes"_qs, u"line"_qs, u"script-yes"_qs, u"script-hang"_qs }.contains(which)) {
        runCommandLine(runner, CommandLine(clientLine(which, dir)), 10000, ProcessRunner::Caller::Panel,
            &loop, [&](const ProcessAnswer& a) {
                if (a.outcome == ProcessAnswer::Outcome::TimedOut)
                    answer = QStringLiteral("timed out");
                else
                    answer = a.errorOutput.isEmpty() ? QStringLiteral("%1 bytes").arg(a.output.size())
                                                     : a.errorOutput;
                loop.quit();
            });
        loop.exec();
    } else {
        std::fprintf(stderr, "usage: bench_child_output yes|line|script-yes|script-hang|help-yes\n");
        return 2;
    }
    const double seconds = static_cast<double>(clock.elapsed()) / 1000;
    QThread::msleep(500);
    const int left = LinuxProcessQuery()
                         .countProcesses({ QStringLiteral("qrl-bench-child") })
                         .value_or(QList { -1 })
                         .first();
    std::printf("%s: \"%s\" after %.2f s, peak RSS %.1f MB, %d of its processes left running\n",
        qPrintable(which), qPrintable(answer.left(60)), seconds, static_cast<double>(peakKilobytes()) / 1024,
        left);
    return 0;
}
