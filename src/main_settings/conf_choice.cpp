#include "conf_choice.h"

namespace {

using namespace Qt::StringLiterals;

const TickKey kOwnFile { "USE_OWN_CONF_TICKBOX"_L1, 0 };
const TextKey kLocation { "CONF_FILE_LOCATION_TEXTBOX"_L1 };

} // namespace

ConfChoiceSettings::ConfChoiceSettings(SettingsStore& store)
    : m_store(store)
{
}

ConfChoice ConfChoiceSettings::load() const
{
    return { m_store.read(kOwnFile), m_store.read(kLocation) };
}

void ConfChoiceSettings::save(const ConfChoice& choice)
{
    const SettingsStore::Batch batch(m_store);
    m_store.write(kOwnFile, choice.ownFile);
    m_store.write(kLocation, choice.location);
}
