#pragma once

#include "client_runner.h"

#include <QObject>

class QProcess;

// Runs clients as child processes of the panel with QProcess: the command line
// is split by the same rules as the launcher's, the program gets no standard
// input, and both output streams are collected.
class QProcessClientRunner final : public QObject, public ClientRunner {
    Q_OBJECT

public:
    void run(const QString& commandLine, int timeoutMs, Caller caller, QObject* receiver, Done done) override;
    QList<qint64> panelPids() const override;

private:
    QList<QProcess*> m_panelRuns;
};
