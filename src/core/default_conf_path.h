#pragma once

#include "platform/executable.h"

#include <QString>

// The ".conf" file of a configuration without an own ".conf" file: the
// executable's folder, the separator, the executable's name and
// "-CRYPTO-CONFIG.conf". A root folder already ends with the separator, so
// the path then holds two.
QString defaultConfPath(const ExecutableIdentity& executable, QChar separator = kPathSeparator);
