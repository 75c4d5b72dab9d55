#pragma once

#include "conf_fields.h"

#include <QString>

// The file's text: the header line "# - <coin> - CONF FILE CREATED ...", the
// sixteen setting lines, a blank line, the three credential lines, a blank
// line, the user-defined block, a blank line and the node list block. Every
// line ends with CR LF except the node list block, which ends the text. The
// lines follow their fields' rows (conf_fields.h); values and blocks are
// inserted as they are.
QString renderConfText(const ConfFields& fields);
