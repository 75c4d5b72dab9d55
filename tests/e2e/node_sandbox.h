#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <sys/types.h>

// A private place for one regtest Litecoin node: a temporary folder with the node's HOME (litecoind writes
// into $HOME/.litecoin), its data folder, .conf and the panel's settings; HOME points into it while the
// sandbox lives. Its end kills, by PID, every process whose command line names the folder.
class NodeSandbox {
public:
    NodeSandbox();
    ~NodeSandbox();

    // Why no node may run here (the network is more than loopback), or "".
    static QString unavailableReason();
    static QString programFolder(); // of litecoind and litecoin-cli

    bool isValid() const { return m_root.isValid() && QFile::exists(confPath()); }
    QString root() const { return m_root.path(); }
    QString dataFolder() const { return m_root.filePath(QStringLiteral("data")); }
    QString confPath() const { return m_root.filePath(QStringLiteral("node.conf")); }
    QString settingsRoot() const { return m_root.filePath(QStringLiteral("config")); }

    // The sandbox's live processes (running `program` only, if given), read from /proc and not through the
    // panel's own process query. The program is told by the executable, not by the thread name, which
    // litecoind changes to "b-shutoff" while it shuts down.
    QList<pid_t> processes(const QString& program = {}) const;

    // litecoin-cli with the data folder and `arguments`: its exit code (-1 when it did not finish); its error
    // output goes to `error`.
    int cli(const QStringList& arguments, QString* error = nullptr) const;

private:
    QTemporaryDir m_root;
    QByteArray m_savedHome;
};
