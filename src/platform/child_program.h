#pragma once

#include "bounded_log.h"
#include "process_launcher.h"

#include <functional>
#include <memory>
#include <mutex>

// A started program followed by two threads of its own, so that nothing about
// it ever waits in the panel's event loop: one waits for the started process
// to end, the other copies its output into the log until every process
// holding the output's write end has ended. When the log cannot be written
// any more, the copy goes on reading and drops the output, so the program
// never blocks on a full pipe. The threads share the object with the panel;
// whichever lets go last ends it.
class ChildProgram final : public StartedProgram {
public:
    // What the OS side gives: each call may block.
    struct Os {
        std::function<ProcessEnd()> waitForEnd;
        std::function<bool()> groupRunning;
        // Reads up to `size` bytes of output into `buffer`; 0 or less at its end.
        std::function<qint64(char* buffer, qint64 size)> readOutput;
    };

    // Starts following; `log` is null when the output is not copied.
    static std::shared_ptr<ChildProgram> follow(Os os, std::unique_ptr<BoundedLog> log);

    std::optional<ProcessEnd> end() const override;
    bool groupRunning() const override;
    QString takeOutputProblem() override;
    bool finished() const override;

    explicit ChildProgram(Os os);

private:
    void copyOutput(BoundedLog& log);

    Os m_os;
    mutable std::mutex m_mutex;
    std::optional<ProcessEnd> m_end;
    bool m_copying = false;
    QString m_problem;
};
