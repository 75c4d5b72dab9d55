#pragma once

#include "core/app_context.h"
#include "core/form_window.h"
#include "node_status_reader.h"
#include "platform/command_line.h"

#include <QTimer>

#include <functional>
#include <memory>

namespace Ui {
class QUORLIN_NODE_STATUS;
}

// Asks the running node how it is (state, chain, sync, peers, version, disk)
// through the user's own command-line client, every 2 s while the window is
// open. One call at a time: the next refresh waits for the previous answer,
// and a call that hangs is ended after 10 s. Not modal; it belongs to the main
// window, which keeps working while a call runs.
class QUORLIN_NODE_STATUS : public FormWindow {
    Q_OBJECT

public:
    static constexpr int kCallTimeoutMs = 10000;

    // Where the window reads the coin's name and the stop command line, afresh
    // at every refresh, so a saved change takes effect at once.
    struct Source {
        std::function<QString()> coinName;
        std::function<CommandLine()> stopCommandLine;
    };

    QUORLIN_NODE_STATUS(AppContext& context, Source source, QWidget* owner);
    ~QUORLIN_NODE_STATUS() override;

private slots:
    void Form_Load();
    void Form_Unload() override;
    void REFRESH_TIMER_Timer();
    void CLOSE_BUTTON_Click();

private:
    void ask(const QString& call, ProcessRunner::Done done);
    void display(const NodeStatusView& view);

    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_NODE_STATUS> ui;
    // A child of the window, named as it is here.
    QTimer REFRESH_TIMER { this };
    Source m_source;
    CommandLine m_stopLine; // the stop line of the refresh under way
    bool m_asking = false;
};
