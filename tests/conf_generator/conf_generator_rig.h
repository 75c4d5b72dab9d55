#pragma once

#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A main window and a conf generator window over fake services, with the
// executable placed in a temporary folder so that saves write real files.
struct ConfGeneratorRig {
    ConfGeneratorRig()
    {
        fakes.executable = { "KD-QUORLIN", folder.path() };
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
    QString confPath() const { return folder.path() + "/KD-QUORLIN-CRYPTO-CONFIG.conf"; }

    // The preview after the renderer's next tick, and line n (from 1) of it.
    QString preview() const
    {
        window->CONF_OUTPUT_TIMER_Timer();
        return window->CONF_OUTPUT_TEXTBOX->text();
    }
    QString line(int n) const { return preview().split("\r\n").value(n - 1); }

    QTemporaryDir folder;
    FakePlatform fakes;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<QUORLIN_MAIN> mainWindow;
    std::unique_ptr<QUORLIN_CONF_GENERATOR_MAIN> window;
};

// The text of a first run with nothing entered: 25 lines, the last (the
// empty node list) without a line end.
inline const QString kFirstRunText
    = "# -  - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR "
      "-\r\n#wallet=\r\n#disablewallet=0\r\n"
      "#server=0\r\n#alerts=0\r\n#listen=0\r\n#upnp=0\r\n#dns=0\r\n#daemon=0\r\n#allowip=127.0.0.1\r\n"
      "#rpcallowip=127.0.0.1\r\n#timeout=\r\n#rpctimeout=\r\n#maxconnections=\r\n#port=\r\n#rpcport=\r\n"
      "#uacomment=\r\n\r\n#rpcuser=\r\n#rpcpassword=\r\n#rpcauth=\r\n\r\n\r\n\r\n";
