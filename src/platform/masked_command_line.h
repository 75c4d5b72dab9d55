#pragma once

#include <QString>

// The command line as messages and logs show it: the value of every option
// whose name holds "pass" (-rpcpassword=..., -walletpassphrase=...) is shown
// as "***", and so is the argument that follows such an option written
// without "=" (-rpcpassword SECRET), whatever it holds. Arguments are found by the splitter
// that starts the programs; everything else stays as typed.
QString maskPasswords(const QString& commandLine);
