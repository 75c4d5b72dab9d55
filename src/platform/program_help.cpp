#include "program_help.h"

#include <QFileInfo>

namespace {

constexpr int kTimeLimitMs = 5000;

ProgramOutput outputOf(const ProcessAnswer& answer)
{
    if (!answer.failure.isEmpty())
        return { false, {}, answer.failure };
    return { true, answer.output, {} };
}

} // namespace

ProgramHelpReader::ProgramHelpReader(ProcessRunner& runner)
    : m_runner(runner)
{
}

void ProgramHelpReader::read(const QString& path, const QStringList& arguments, QObject* receiver, Done done)
{
    const QFileInfo file(path);
    const QStringList key = QStringList { file.absoluteFilePath() } + arguments;
    if (const auto kept = m_kept.constFind(key);
        kept != m_kept.cend() && kept->size == file.size() && kept->modified == file.lastModified()) {
        done({ true, kept->output, {} });
        return;
    }
    m_runner.run(path, arguments, kTimeLimitMs, ProcessRunner::Caller::Panel, receiver,
        [this, key, size = file.size(), modified = file.lastModified(), done](const ProcessAnswer& answer) {
            const ProgramOutput output = outputOf(answer);
            if (output.finished)
                m_kept.insert(key, { size, modified, output.output });
            done(output);
        });
}
