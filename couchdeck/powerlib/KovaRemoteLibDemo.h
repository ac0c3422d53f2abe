#pragma once
// KovaRemoteLibImp that loads nothing: always supported, keeps only the enabled flag and the mode.

#include "KovaRemoteLibImp.h"

class KovaRemoteLibDemo : public KovaRemoteLibImp {
public:
    KovaRemoteLibDemo();

    bool IsSupported() const override { return true; }
    bool IsEnabled() const override { return m_enabled; }
    void Enable(bool on) override { m_enabled = on; }
    void SoundOn() override {}
    void SoundOff() override {}
    void ScreenOn() override {}
    void ScreenOff() override {}
    void QuietSleep() override { m_quietMode = QuietState::Quiet; }
    void QuietWake() override { m_quietMode = QuietState::None; }
    void WirelessSleep() override { m_quietMode = QuietState::WirelessOnly; }
    void WirelessWake() override { m_quietMode = QuietState::None; }
    void SetDeviceOn() override {}
    void SetDeviceOff() override {}
    bool GetDevice() override { return false; }
    bool CheckPower() override { return true; }
    QuietState QuietMode() const override { return m_quietMode; }

private:
    bool m_enabled = false;
    QuietState m_quietMode = QuietState::None;
};
