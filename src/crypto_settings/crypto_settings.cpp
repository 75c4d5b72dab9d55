#include "crypto_settings.h"

#include "core/overloaded.h"

#include <variant>

namespace {

using namespace Qt::StringLiterals;

// A stored text: the window's own key, or a name the node settings hold.
using TextField = std::variant<TextKey, NodeText>;

const TextField kTexts[] = {
    NodeText::CryptoName,
    TextKey { "BLOCKCHAIN_HOME_TEXTBOX"_L1 },
    TextKey { "QT_LOCATION_TEXTBOX"_L1 },
    NodeText::QtName,
    TextKey { "DAEMON_CLI_LOCATION_TEXTBOX"_L1 },
    NodeText::CliName,
    NodeText::DaemonName,
};

const TickKey kTicks[] = {
    { "QT_WALLET_TICKBOX"_L1, 0 },
    { "QT_DISABLE_WALLET_TICKBOX"_L1, 0 },
    { "DAEMON_WALLET_TICKBOX"_L1, 0 },
    { "DAEMON_DISABLE_WALLET_TICKBOX"_L1, 0 },
    { "CLI_DAEMON_TICKBOX"_L1, 0 },
    { "DISABLE_DAEMON_TICKBOX"_L1, 0 },
};

static_assert(std::size(kTexts) == CryptoSettings::kTextCount);
static_assert(std::size(kTicks) == CryptoSettings::kTickCount);

} // namespace

QString CryptoSettings::textControl(std::size_t field)
{
    return std::visit(Overloaded { [](const TextKey& own) { return QString(own.name); },
                          [](NodeText shared) { return QString(NodeSettings::key(shared).name); } },
        kTexts[field]);
}

QString CryptoSettings::tickControl(std::size_t box)
{
    return kTicks[box].name;
}

CryptoSettings::CryptoSettings(SettingsStore& store, NodeSettings& node)
    : m_store(store)
    , m_node(node)
{
}

CryptoSettings::Values CryptoSettings::load() const
{
    Values values;
    for (std::size_t i = 0; i < kTextCount; ++i)
        values.texts[i] = std::visit(Overloaded { [this](const TextKey& own) { return m_store.read(own); },
                                         [this](NodeText shared) { return m_node.text(shared); } },
            kTexts[i]);
    for (std::size_t i = 0; i < kTickCount; ++i)
        values.ticks[i] = m_store.read(kTicks[i]);
    return values;
}

void CryptoSettings::save(const Values& values, const CommandLines& commands)
{
    const SettingsStore::Batch batch(m_store);
    for (std::size_t i = 0; i < kTextCount; ++i)
        std::visit(Overloaded { [&](const TextKey& own) { m_store.write(own, values.texts[i]); },
                       [&](NodeText shared) { m_node.setText(shared, values.texts[i]); } },
            kTexts[i]);
    for (std::size_t i = 0; i < kTickCount; ++i)
        m_store.write(kTicks[i], values.ticks[i]);
    m_node.setText(NodeText::QtCommand, commands.qt);
    m_node.setText(NodeText::DaemonCommand, commands.daemon);
    m_node.setText(NodeText::StopCommand, commands.stop);
}
