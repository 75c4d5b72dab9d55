// The command-line splitter takes any text the user typed into a command-line
// field. It must never crash, and where it accepts a line it splits it exactly
// as QProcess::splitCommand does, whose rules it follows.
#include "platform/command_line.h"

#include <QProcess>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QStringList> args = splitCommandLine(line);
    if (!args)
        return 0;
    if (*args != QProcess::splitCommand(line))
        std::abort();
    for (const QString& arg : *args)
        if (arg.isEmpty())
            std::abort();
    return 0;
}
