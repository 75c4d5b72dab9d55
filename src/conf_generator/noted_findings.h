#pragma once

#include "save_check.h"
#include "settings/settings_store.h"

// Whether the note of a check is news, remembered in the settings store so
// that neither a later save nor a later run tells the same thing again. The
// note is news the first time its program and version come up with its set
// of findings that do not stop SAVE; the set is of keys and problems, not of
// line numbers, so moving a line is no news. Returns true once per set and
// remembers it; a check with no such findings is never news.
bool firstTimeNoted(SettingsStore& store, const SaveCheck& check);
