#pragma once
// The virtual remote's window: the eleven keys, the link state and a plug / unplug button.
// A click sends the key's report and the release report; a volume key is held while the mouse
// button is down.

#include "RemotePipeServer.h"

namespace kova::remote {

// Runs the window until it is closed; returns the exit code.
int RunRemoteWindow(RemotePipeServer& server);

} // namespace kova::remote
