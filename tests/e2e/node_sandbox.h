#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// A private place for one real Litecoin node on regtest: a temporary folder
// that holds the node's HOME (the litecoind start script writes into
// $HOME/.litecoin), its data folder, its .conf and a settings folder for the
// panel. While the sandbox lives, HOME points into it, so every program the
// test starts inherits it. The destructor kills, by PID, every process whose
// command line names the sandbox, whether the test passed or failed.
class NodeSandbox {
public:
    NodeSandbox();
    ~NodeSandbox();
    NodeSandbox(const NodeSandbox&) = delete;
    NodeSandbox& operator=(const NodeSandbox&) = delete;

    // Why no node may run in this process, or an empty text when one may: the
    // node programs must be installed and the network must be loopback only.
    static QString unavailableReason();

    // The folder that holds litecoind, litecoin-cli and litecoin, such as /usr/bin.
    static QString programFolder();

    bool isValid() const;
    QString root() const;
    QString dataFolder() const; // <root>/data
    QString confPath() const; // <root>/node.conf
    QString settingsRoot() const; // <root>/config, for a QSettingsBacking

    // The live processes whose command line names the sandbox.
    QList<pid_t> processes() const;

    // True when the node answers an RPC call through litecoin-cli.
    bool nodeAnswers() const;

    // Kills every process of the sandbox and waits until they are gone.
    void killProcesses();

private:
    QTemporaryDir m_root;
    QByteArray m_savedHome;
    bool m_hadHome;
};
