#include "node_settings.h"

namespace {

const std::array<TextKey, 7> kTextKeys { keys::kCryptoName, keys::kQtName, keys::kCliName, keys::kDaemonName,
    keys::kQtCommand, keys::kDaemonCommand, keys::kStopCommand };

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
    m_alwaysOnTop = m_store.read(keys::kAlwaysOnTop);
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
    m_store.write(keys::kAlwaysOnTop, state);
    if (m_alwaysOnTop == state)
        return;
    m_alwaysOnTop = state;
    emit changed();
}

void NodeSettings::saveAlwaysOnTop()
{
    m_store.write(keys::kAlwaysOnTop, m_alwaysOnTop);
}
