#pragma once

#include "platform/command_line.h"
#include "settings_store.h"

#include <QObject>
#include <QString>

#include <array>

// The texts of the node settings, in the order they are read.
enum class NodeText { CryptoName, QtName, CliName, DaemonName, QtCommand, DaemonCommand, StopCommand };

// What several windows share about the node: the coin's name, the three
// program names, the three command lines and always-on-top. The crypto
// settings, the main settings and the conf generator change it; the main
// window and the output commands window follow `changed`. Every change is
// stored at once, so the store and the model never differ.
class NodeSettings : public QObject {
    Q_OBJECT

public:
    explicit NodeSettings(SettingsStore& store);

    // The key a text is stored under: the name of the control that shows it.
    static const TextKey& key(NodeText field);

    const QString& text(NodeText field) const;
    // The command line of QtCommand, DaemonCommand or StopCommand, split once
    // when its text was read or set.
    const CommandLine& commandLine(NodeText field) const;
    int alwaysOnTop() const { return m_alwaysOnTop; }

    // Reads every value, the texts first, and announces them.
    void load();

    // Stores one value and announces it when it differs from the one held.
    void setText(NodeText field, const QString& value);
    void setAlwaysOnTop(int state);

    // Stores the always-on-top state again, unchanged (the main window does
    // this when it closes).
    void saveAlwaysOnTop();

signals:
    void changed();

private:
    SettingsStore& m_store;
    std::array<QString, 7> m_texts;
    std::array<CommandLine, 3> m_commandLines;
    int m_alwaysOnTop;
};
