#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

// A private place for one real Litecoin node on regtest: a temporary folder with
// the node's HOME (the litecoind start script writes into $HOME/.litecoin), its
// data folder, its .conf and the panel's settings. While the sandbox lives, HOME
// points into it. The destructor kills, by PID, every process whose command line
// names the sandbox, whether the test passed or failed.
class NodeSandbox {
public:
    NodeSandbox();
    ~NodeSandbox();

    // Why no node may run here (the network is more than loopback), or "".
    static QString unavailableReason();
    static QString programFolder(); // the folder of litecoind and litecoin-cli

    bool isValid() const { return m_root.isValid() && QFile::exists(confPath()); }
    QString root() const { return m_root.path(); }
    QString dataFolder() const { return m_root.filePath(QStringLiteral("data")); }
    QString confPath() const { return m_root.filePath(QStringLiteral("node.conf")); }
    QString settingsRoot() const { return m_root.filePath(QStringLiteral("config")); }

    QList<pid_t> processes() const; // live ones only
    bool runs(const QString& program) const; // whether one of them is `program`

    // Runs litecoin-cli with `arguments` and the sandbox's data folder; gives its
    // exit code (-1 when it did not finish) and puts its error output in `error`.
    int cli(const QStringList& arguments, QString* error = nullptr) const;

private:
    QTemporaryDir m_root;
    QByteArray m_savedHome;
};
