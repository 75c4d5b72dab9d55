#include "node_settings.h"

namespace {

using namespace Qt::StringLiterals;

// The stored texts, in the order of NodeText.
const std::array<TextKey, 7> kTextKeys {
    TextKey { "CRYPTO_NAME_TEXTBOX"_L1 },
    TextKey { "QT_NAME_TEXTBOX"_L1 },
    TextKey { "CLI_NAME_TEXTBOX"_L1 },
    TextKey { "DAEMON_NAME_TEXTBOX"_L1 },
    TextKey { "KD_QT_COMMAND_TEXTBOX"_L1 },
    TextKey { "KD_D_COMMAND_TEXTBOX"_L1 },
    TextKey { "KDCLI_STOP_COMMAND_TEXTBOX"_L1 },
};
const TickKey kAlwaysOnTop { "AlwaysOnTop_TICKBOX"_L1, 1 };

std::size_t indexOf(NodeText field)
{
    return static_cast<std::size_t>(field);
}

std::size_t commandIndexOf(NodeText field)
{
    return indexOf(field) - indexOf(NodeText::QtCommand);
}

bool isCommand(NodeText field)
{
    return indexOf(field) >= indexOf(NodeText::QtCommand);
}

} // namespace

NodeSettings::NodeSettings(SettingsStore& store)
    : m_store(store)
    , m_alwaysOnTop(kAlwaysOnTop.defaultState)
{
}

const TextKey& NodeSettings::key(NodeText field)
{
    return kTextKeys[indexOf(field)];
}

const QString& NodeSettings::text(NodeText field) const
{
    return m_texts[indexOf(field)];
}

const CommandLine& NodeSettings::commandLine(NodeText field) const
{
    return m_commandLines[commandIndexOf(field)];
}

void NodeSettings::load()
{
    for (std::size_t i = 0; i < kTextKeys.size(); ++i)
        m_texts[i] = m_store.read(kTextKeys[i]);
    for (const NodeText field : { NodeText::QtCommand, NodeText::DaemonCommand, NodeText::StopCommand })
        m_commandLines[commandIndexOf(field)] = CommandLine(text(field));
    m_alwaysOnTop = m_store.read(kAlwaysOnTop);
    emit changed();
}

void NodeSettings::setText(NodeText field, const QString& value)
{
    m_store.write(key(field), value);
    QString& held = m_texts[indexOf(field)];
    if (held == value)
        return;
    held = value;
    if (isCommand(field))
        m_commandLines[commandIndexOf(field)] = CommandLine(value);
    emit changed();
}

void NodeSettings::setAlwaysOnTop(int state)
{
    m_store.write(kAlwaysOnTop, state);
    if (m_alwaysOnTop == state)
        return;
    m_alwaysOnTop = state;
    emit changed();
}

void NodeSettings::saveAlwaysOnTop()
{
    m_store.write(kAlwaysOnTop, m_alwaysOnTop);
}
