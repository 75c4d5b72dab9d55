#include "child_group.h"

#include <QProcess>

#include <csignal>
#include <unistd.h>

// The child makes itself the leader of a new process group before it execs
// the program; what the program starts inherits the group, and the group's
// id is the program's pid.
struct ChildGroup::Members {
    QProcess& process;
};

ChildGroup::ChildGroup(QProcess& process)
    : m(std::make_unique<Members>(Members { process }))
{
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

ChildGroup::~ChildGroup()
{
    end();
}

// Only while QProcess has not reaped the program: its pid, and with it the
// group's id, cannot have been handed to another process meanwhile.
void ChildGroup::end()
{
    if (m->process.state() == QProcess::NotRunning)
        return;
    if (const qint64 pid = m->process.processId(); pid > 0)
        ::kill(static_cast<pid_t>(-pid), SIGKILL);
    // Also the program itself, should it not have made its group yet.
    m->process.kill();
}

qint64 ChildGroup::id() const
{
    return m->process.processId();
}
