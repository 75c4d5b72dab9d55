#include "child_group.h"

#include <QProcess>

#include <windows.h>

#include <tlhelp32.h>

namespace {

// A job whose processes all end when its last handle is closed; nullptr
// when none can be made.
HANDLE createKillOnCloseJob()
{
    const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job && !::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        ::CloseHandle(job);
        return nullptr;
    }
    return job;
}

// Lets the threads of a process created suspended run; false when the
// thread list cannot be read or no thread of the process could be resumed.
bool resumeThreads(DWORD pid)
{
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    bool resumed = false;
    THREADENTRY32 entry {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != pid)
            continue;
        if (const HANDLE thread = ::OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
            resumed = ::ResumeThread(thread) != static_cast<DWORD>(-1) || resumed;
            ::CloseHandle(thread);
        }
    }
    ::CloseHandle(snapshot);
    return resumed;
}

} // namespace

// The program is created suspended, so that it is in the job before it can
// start anything; what it starts then joins the job by itself.
struct ChildGroup::Members {
    QProcess& process;
    HANDLE job; // nullptr when none could be made: the group is the program alone
    QMetaObject::Connection started;
};

ChildGroup::ChildGroup(QProcess& process)
    : m(std::make_unique<Members>(Members { process, createKillOnCloseJob(), {} }))
{
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* arguments) { arguments->flags |= CREATE_SUSPENDED; });
    m->started = QObject::connect(&process, &QProcess::started, [members = m.get()] {
        const DWORD pid = static_cast<DWORD>(members->process.processId());
        if (members->job) {
            const HANDLE program = ::OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, pid);
            if (program) {
                ::AssignProcessToJobObject(members->job, program);
                ::CloseHandle(program);
            }
        }
        // A program that cannot be let run would hang the run until its
        // limit, or for ever: it is ended at once instead.
        if (!resumeThreads(pid))
            members->process.kill();
    });
}

// Closing the job's handle also ends what is left of the group once its
// program has ended.
ChildGroup::~ChildGroup()
{
    QObject::disconnect(m->started);
    end();
    if (m->job)
        ::CloseHandle(m->job);
}

void ChildGroup::end()
{
    if (m->process.state() == QProcess::NotRunning)
        return;
    m->process.kill();
    if (m->job)
        ::TerminateJobObject(m->job, 1);
}

qint64 ChildGroup::id() const
{
    return static_cast<qint64>(reinterpret_cast<quintptr>(m->job));
}
