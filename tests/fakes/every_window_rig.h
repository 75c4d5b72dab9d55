#pragma once

#include "conf_generator/QUORLIN_CONF_CHECK_NOTE.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "crypto_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "info/QUORLIN_ABOUT.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"
#include "node_control/QUORLIN_NODE_STATUS.h"

#include <QtTest>

#include <memory>

// One window of the program (its class name) with the windows it is opened
// from, none shown, over fakes that hold these settings.
struct EveryWindowRig {
    explicit EveryWindowRig(const QString& name, const QStringList& stored = {})
        : t(stored)
    {
        for (QDialog* member : QList<QDialog*> { &main, &settings, &confGenerator })
            if (name == QLatin1StringView(member->metaObject()->className()))
                window = member;
        if (name == QLatin1StringView("QUORLIN_NODE_STATUS")) // deletes itself as it closes
            window = new QUORLIN_NODE_STATUS(t.context,
                { [] { return QStringLiteral("Litecoin"); }, [] { return CommandLine(); } }, &main);
        if (name == QLatin1StringView("QUORLIN_CONF_CHECK_NOTE")) // deletes itself as it closes
            window = new QUORLIN_CONF_CHECK_NOTE(
                t.context, QStringLiteral("Line 5, alerts: the node ignores it"), &confGenerator);
        make<QUORLIN_CRYPTO_SETTINGS>(name, QString(), &settings);
        make<QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW>(name, &settings);
        make<QUORLIN_CONF_GENERATOR_IDS>(name, confGenerator.model(), &confGenerator);
        make<QUORLIN_CONF_GENERATOR_TEST_RPC>(name, confGenerator.model(), &confGenerator);
        make<QUORLIN_ABOUT>(name, &settings);
        make<TOVEK88_KALDERA_DONATIONS_WINDOW>(name, &settings);
    }

    QDialog& shown()
    {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("window not active");
        return *window;
    }

    TestContext t;
    QUORLIN_MAIN main { t.context };
    QUORLIN_MAIN_SETTINGS settings { t.context, &main };
    QUORLIN_CONF_GENERATOR_MAIN confGenerator { t.context, &settings };
    std::unique_ptr<FormWindow> owned;
    QDialog* window = nullptr;

private:
    template <class Window, class... Args> void make(const QString& name, Args&&... args)
    {
        if (name == QLatin1StringView(Window::staticMetaObject.className()))
            window = (owned = std::make_unique<Window>(t.context, args...)).get();
    }
};
