#include "MessagePump.h"

#include "Command.h"

bool RunMessagePump(TickClock& clock, DWORD durationMs,
                    const std::function<PumpVerdict(const MSG&)>& judge)
{
    const DWORD start = clock.Now();
    for (;;) {
        // Unsigned difference: right also when the tick count wraps after 49.7 days.
        const DWORD elapsed = clock.Now() - start;
        if (elapsed >= durationMs)
            return false;
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            clock.Idle(durationMs - elapsed);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        switch (judge(msg)) {
        case PumpVerdict::Stop:
            return true;
        case PumpVerdict::Drop:
            break;
        case PumpVerdict::Dispatch:
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            break;
        }
    }
}

bool IsCommandMessage(const MSG& msg, UINT commandMessage)
{
    return commandMessage != 0 && msg.message == commandMessage &&
           msg.wParam == kCommandMessageTag;
}

void SwallowCommands(TickClock& clock, UINT commandMessage, unsigned ms)
{
    RunMessagePump(clock, ms, [commandMessage](const MSG& msg) {
        return IsCommandMessage(msg, commandMessage) ? PumpVerdict::Drop : PumpVerdict::Dispatch;
    });
}

void PumpDuringNotice(TickClock& clock, unsigned durationMs)
{
    constexpr UINT kNotDuringNotice = WM_USER + 50;
    RunMessagePump(clock, durationMs, [](const MSG& msg) {
        return msg.message == kNotDuringNotice ? PumpVerdict::Drop : PumpVerdict::Dispatch;
    });
}
