#pragma once

#include "platform/platform.h"
#include "settings_store.h"

// What every window is given: the platform's services and the settings store
// of the running executable's section.
class AppContext {
public:
    explicit AppContext(Platform services)
        : platform(std::move(services))
        , store(platform.settings, platform.executable)
    {
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Platform platform;
    SettingsStore store;
};
