#include "child_program.h"

#include <thread>

ChildProgram::ChildProgram(Os os)
    : m_os(std::move(os))
{
}

std::shared_ptr<ChildProgram> ChildProgram::follow(Os os, std::unique_ptr<BoundedLog> log)
{
    auto program = std::make_shared<ChildProgram>(std::move(os));
    std::thread([program] {
        ProcessEnd end = program->m_os.waitForEnd();
        const std::lock_guard lock(program->m_mutex);
        program->m_end = std::move(end);
    }).detach();
    if (log) {
        program->m_copying = true;
        std::thread([program, log = std::move(log)] { program->copyOutput(*log); }).detach();
    }
    return program;
}

void ChildProgram::copyOutput(BoundedLog& log)
{
    constexpr qint64 kChunk = 64 * 1024;
    char buffer[kChunk];
    bool copying = true;
    for (qint64 got; (got = m_os.readOutput(buffer, kChunk)) > 0;) {
        if (copying && !log.append(buffer, got)) {
            copying = false;
            const std::lock_guard lock(m_mutex);
            m_problem = log.error();
        }
    }
    const std::lock_guard lock(m_mutex);
    m_copying = false;
}

std::optional<ProcessEnd> ChildProgram::end() const
{
    const std::lock_guard lock(m_mutex);
    return m_end;
}

bool ChildProgram::groupRunning() const
{
    return m_os.groupRunning();
}

QString ChildProgram::takeOutputProblem()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_problem, QString());
}

bool ChildProgram::finished() const
{
    const std::lock_guard lock(m_mutex);
    return m_end && !m_copying;
}
