#pragma once
// The quiet modes, the device setting and sound and screen switching, as an implementation
// behind KovaRemoteLib.

#include <cstdint>

// Couchdeck's own record of the last mode it switched to; the library is never asked.
enum class QuietState : std::uint8_t { None = 0, Quiet = 1, WirelessOnly = 2 };

class KovaRemoteLibImp {
public:
    virtual ~KovaRemoteLibImp() = default;

    virtual bool IsSupported() const = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Enable(bool on) = 0;
    virtual void SoundOn() = 0;
    virtual void SoundOff() = 0;
    virtual void ScreenOn() = 0;
    virtual void ScreenOff() = 0;
    virtual void QuietSleep() = 0;
    virtual void QuietWake() = 0;
    virtual void WirelessSleep() = 0;
    virtual void WirelessWake() = 0;
    virtual void SetDeviceOn() = 0;
    virtual void SetDeviceOff() = 0;
    virtual bool GetDevice() = 0;
    virtual bool CheckPower() = 0;
    virtual QuietState QuietMode() const = 0;
};
