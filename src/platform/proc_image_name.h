#pragma once

#include <optional>
#include <string>
#include <vector>

// Reads the image name of one process below an open /proc folder: the file
// name of its executable (<pid>/exe, a replaced binary's " (deleted)" mark
// dropped); where that link cannot be read (another user's process) the file
// name of argv[0], then the kernel's short name (comm, cut at 15 characters and
// renamed by some daemons while they shut down, so only the last resort).
class ProcImageNames {
public:
    explicit ProcImageNames(int procFd);

    // nullopt for a process that is gone, a zombie or a kernel thread: none of
    // them runs a program.
    std::optional<std::string> read(const char* pid);

private:
    bool isKernelThread(int pid);

    int m_procFd;
    std::optional<std::vector<int>> m_kernelThreads; // sorted; read when first needed
};
