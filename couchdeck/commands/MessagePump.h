#pragma once
// The bounded message loops of Couchdeck: a notice, a confirmation or a quiet period keeps the
// windows alive by dispatching messages, while deciding what becomes of remote commands.

#include "TickClock.h"

#include <windows.h>

#include <functional>

enum class PumpVerdict {
    Dispatch,   // translate and dispatch
    Drop,       // remove without dispatching
    Stop,       // remove and end the loop
};

// Takes this thread's messages for `durationMs` on `clock`, asking `judge` about each. Returns
// true when a message stopped the loop, false when the time ran out. A WM_QUIT ends the loop
// early and is posted again, so that the program's own loop still ends.
bool RunMessagePump(TickClock& clock, DWORD durationMs,
                    const std::function<PumpVerdict(const MSG&)>& judge);

// A remote command: the registered command message with the tag 1286 as wParam. Nothing is a
// command while the message is not registered (0).
bool IsCommandMessage(const MSG& msg, UINT commandMessage);

// For `ms` milliseconds, drops every remote command and dispatches all other messages.
void SwallowCommands(TickClock& clock, UINT commandMessage, unsigned ms);

// The wait while a notice is shown: every message is dispatched (remote commands reach only
// their windows' default handling and are lost) except WM_USER + 50, which is removed.
void PumpDuringNotice(TickClock& clock, unsigned durationMs);
