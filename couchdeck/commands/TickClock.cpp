#include "TickClock.h"

SystemTickClock& SystemTickClock::Instance()
{
    static SystemTickClock clock;
    return clock;
}

DWORD SystemTickClock::Now()
{
    return GetTickCount();
}

void SystemTickClock::Idle(DWORD maxMs)
{
    // MWMO_INPUTAVAILABLE: also wake for messages that arrived before the call.
    MsgWaitForMultipleObjectsEx(0, nullptr, maxMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}
