#pragma once

#include "platform/command_line.h"

// Why the user's stop line cannot ask the node an RPC call, or "" when it
// can: the call is the stop line with its last argument "stop" replaced
// (`stopLine.withLastArgument(call)`), so the client finds the chain, port
// and credentials exactly as it does for "stop".
QString clientCallProblem(const CommandLine& stopLine);
