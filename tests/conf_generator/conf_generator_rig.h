#pragma once

#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QTemporaryDir>

#include <memory>

// A main window and a conf generator window over fake services, with the
// executable placed in a temporary folder so that saves write real files.
struct ConfGeneratorRig {
    explicit ConfGeneratorRig(const QString& executableName = QStringLiteral("KD-QUORLIN"))
    {
        fakes.executable = { executableName, folder.path() };
        context = std::make_unique<AppContext>(fakes.platform());
        mainWindow = std::make_unique<QUORLIN_MAIN>(*context);
        open();
    }

    void open()
    {
        window = std::make_unique<QUORLIN_CONF_GENERATOR_MAIN>(*context, *mainWindow, mainWindow.get());
    }

    void reopen()
    {
        window->CANCEL_BUTTON->click();
        open();
    }

    QString confPath() const
    {
        return folder.path() + QStringLiteral("/") + fakes.executable.name
            + QStringLiteral("-CRYPTO-CONFIG.conf");
    }

    // The preview after the renderer's next tick.
    QString preview() const
    {
        window->CONF_OUTPUT_TIMER_Timer();
        return window->CONF_OUTPUT_TEXTBOX->text();
    }

    // Line n (from 1) of the preview.
    QString line(int n) const { return preview().split(QStringLiteral("\r\n")).value(n - 1); }

    QTemporaryDir folder;
    FakePlatform fakes;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<QUORLIN_MAIN> mainWindow;
    std::unique_ptr<QUORLIN_CONF_GENERATOR_MAIN> window;
};

// The text of a first run with nothing entered: 25 lines, the last (the
// empty node list) without a line end.
inline QString firstRunText()
{
    const QStringList lines {
        QStringLiteral("# -  - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -"),
        QStringLiteral("#wallet="),
        QStringLiteral("#disablewallet=0"),
        QStringLiteral("#server=0"),
        QStringLiteral("#alerts=0"),
        QStringLiteral("#listen=0"),
        QStringLiteral("#upnp=0"),
        QStringLiteral("#dns=0"),
        QStringLiteral("#daemon=0"),
        QStringLiteral("#allowip=127.0.0.1"),
        QStringLiteral("#rpcallowip=127.0.0.1"),
        QStringLiteral("#timeout="),
        QStringLiteral("#rpctimeout="),
        QStringLiteral("#maxconnections="),
        QStringLiteral("#port="),
        QStringLiteral("#rpcport="),
        QStringLiteral("#uacomment="),
        QString(),
        QStringLiteral("#rpcuser="),
        QStringLiteral("#rpcpassword="),
        QStringLiteral("#rpcauth="),
        QString(),
        QString(),
        QString(),
        QString(),
    };
    return lines.join(QStringLiteral("\r\n"));
}
