#pragma once

#include "fakes/fake_platform.h"
#include "node_sandbox.h"
#include "platform/qsettings_backing.h"
#include "platform/system_platform.h"

#include <memory>

// What a window under test is given when it drives a real node: the real
// settings store (kept inside the sandbox), launcher and process query, and
// fakes for dialogs and stacking, which need a desktop and a user.
struct NodeTestContext {
    NodeSandbox sandbox;
    QSettingsBacking settings { sandbox.settingsRoot() };
    std::unique_ptr<ProcessLauncher> launcher = createSystemProcessLauncher();
    std::unique_ptr<ProcessQuery> processes = createSystemProcessQuery();
    FakeWindowStacking stacking;
    FakeDialogs dialogs;
    ExecutableIdentity executable { QStringLiteral("KD-QUORLIN"), sandbox.root() };
    AppContext context { Platform { settings, *launcher, *processes, stacking, dialogs, executable } };
};
