#pragma once
// The virtual remote's command-line mode, for scripts and demos.

#include "RemotePipeServer.h"

#include <string>
#include <vector>

namespace kova::remote {

// Runs actions in order: "press KEY" (the key's report, then the release report), "hold KEY MS"
// (the key's report, MS milliseconds, the release report), "unplug", "plug", "wait MS".
// Before a key is sent, waits up to connectTimeoutMs for Keyrelay to open the pipe.
// Returns 0 on success, 1 when Keyrelay did not connect or a report failed, 2 on bad arguments
// (with `error` set).
int RunScript(RemotePipeServer& server, const std::vector<std::string>& actions, DWORD connectTimeoutMs,
              std::string& error);

} // namespace kova::remote
