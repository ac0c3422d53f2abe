#pragma once
// The time that Couchdeck's waiting loops count: the system tick count, and a way to sleep
// until a message arrives. Tests put a clock of their own in its place.

#include <windows.h>

class TickClock {
public:
    virtual ~TickClock() = default;
    // Milliseconds; only differences count, modulo 2^32.
    virtual DWORD Now() = 0;
    // Waits until a message arrives for this thread or `maxMs` have passed.
    virtual void Idle(DWORD maxMs) = 0;
};

class SystemTickClock : public TickClock {
public:
    static SystemTickClock& Instance();
    DWORD Now() override;
    void Idle(DWORD maxMs) override;
};
