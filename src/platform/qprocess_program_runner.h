#pragma once

#include "program_runner.h"

class QProcessProgramRunner final : public ProgramRunner {
public:
    ProgramOutput run(const QString& program, const QStringList& arguments) override;
    QList<qint64> panelGroups() const override;

private:
    QList<qint64> m_running;
};
