#pragma once

#include "command_line.h"

// The command line as messages and logs show it: the value of every option
// whose name holds "pass" (-rpcpassword=..., -walletpassphrase=...) is shown
// as "***", and so is the argument that follows such an option written
// without "=" (-rpcpassword SECRET), whatever it holds. The arguments are the line's own
// words; everything else stays as typed.
QString maskPasswords(const CommandLine& commandLine);
