#include "QUORLIN_NODE_STATUS.h"
#include "ui_QUORLIN_NODE_STATUS.h"

#include "client_call_line.h"

QUORLIN_NODE_STATUS::QUORLIN_NODE_STATUS(AppContext& context, Source source, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kNodeStatus)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_NODE_STATUS>())
    , m_source(std::move(source))
{
    ui->setupUi(this);
    REFRESH_TIMER.setObjectName(QStringLiteral("REFRESH_TIMER"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCancelButton(ui->CLOSE_BUTTON);
    connect(ui->CLOSE_BUTTON, &QPushButton::clicked, this, &QUORLIN_NODE_STATUS::CLOSE_BUTTON_Click);
    connect(&REFRESH_TIMER, &QTimer::timeout, this, &QUORLIN_NODE_STATUS::REFRESH_TIMER_Timer);
    Form_Load();
}

QUORLIN_NODE_STATUS::~QUORLIN_NODE_STATUS() = default;

void QUORLIN_NODE_STATUS::Form_Load()
{
    restorePlacement();
    setWindowTitle(QStringLiteral("QUORLIN - NODE STATUS - ") + m_source.coinName());
    REFRESH_TIMER.setInterval(2000);
    REFRESH_TIMER.start();
    REFRESH_TIMER_Timer();
}

void QUORLIN_NODE_STATUS::Form_Unload()
{
    REFRESH_TIMER.stop();
}

void QUORLIN_NODE_STATUS::CLOSE_BUTTON_Click()
{
    unload();
}

void QUORLIN_NODE_STATUS::ask(const QString& call, ProcessRunner::Done done)
{
    runCommandLine(m_context.platform.runner, m_stopLine.withLastArgument(call), kCallTimeoutMs,
        ProcessRunner::Caller::Panel, this, std::move(done));
}

void QUORLIN_NODE_STATUS::REFRESH_TIMER_Timer()
{
    if (m_asking)
        return;
    setWindowTitle(QStringLiteral("QUORLIN - NODE STATUS - ") + m_source.coinName());
    m_stopLine = m_source.stopCommandLine();
    if (const QString problem = clientCallProblem(m_stopLine); !problem.isEmpty()) {
        display({ .state = problem });
        return;
    }
    // getnetworkinfo follows getblockchaininfo, and only when the node answered.
    m_asking = true;
    ask(QStringLiteral("getblockchaininfo"), [this](const ProcessAnswer& blockchain) {
        if (blockchain.outcome != ProcessAnswer::Outcome::Finished || blockchain.exitCode != 0) {
            m_asking = false;
            display(readNodeStatus(blockchain, std::nullopt, QDateTime::currentDateTimeUtc()));
            return;
        }
        ask(QStringLiteral("getnetworkinfo"), [this, blockchain](const ProcessAnswer& network) {
            m_asking = false;
            display(readNodeStatus(blockchain, network, QDateTime::currentDateTimeUtc()));
        });
    });
}

void QUORLIN_NODE_STATUS::display(const NodeStatusView& view)
{
    const std::pair<QLabel*, const QString&> texts[] = {
        { ui->STATE_LABEL, view.state },
        { ui->CHAIN_LABEL, view.chain },
        { ui->BLOCKS_LABEL, view.blocks },
        { ui->HEADERS_LABEL, view.headers },
        { ui->PROGRESS_LABEL, view.progress },
        { ui->IBD_LABEL, view.initialDownload },
        { ui->BEST_BLOCK_LABEL, view.bestBlockTime },
        { ui->PEERS_LABEL, view.peers },
        { ui->VERSION_LABEL, view.version },
        { ui->DISK_LABEL, view.disk },
        { ui->WARNINGS_LABEL, view.warnings },
    };
    for (const auto& [label, text] : texts)
        label->setText(text);
    ui->PROGRESS_BAR->setValue(view.progressHundredths);
}
