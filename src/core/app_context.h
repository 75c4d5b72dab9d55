#pragma once

#include "platform/platform.h"
#include "settings/node_settings.h"
#include "settings/settings_store.h"

// What every window is given: the platform's services, the settings store of
// the running executable's section and the node settings the windows share.
class AppContext {
public:
    explicit AppContext(Platform services)
        : platform(std::move(services))
        , store(platform.settings, platform.executable)
        , node(store)
    {
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Platform platform;
    SettingsStore store;
    NodeSettings node;
};
