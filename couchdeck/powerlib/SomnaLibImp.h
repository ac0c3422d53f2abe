#pragma once
// The library's own power saving, sound and screen switching, as an implementation behind
// SomnaLib.

class SomnaLibImp {
public:
    virtual ~SomnaLibImp() = default;

    virtual bool IsSupported() = 0;
    virtual bool CheckReboot() = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Enable(bool on) = 0;
    virtual void EnterSleep() = 0;
    virtual void LeaveSleep() = 0;
    virtual void SoundOn() = 0;
    virtual void SoundOff() = 0;
    virtual void ScreenOn() = 0;
    virtual void ScreenOff() = 0;
};
