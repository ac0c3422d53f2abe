#pragma once
// SomnaLibImp that loads nothing: supported, never asks for a reboot, keeps the enabled flag.

#include "SomnaLibImp.h"

class SomnaLibDemo : public SomnaLibImp {
public:
    SomnaLibDemo();

    bool IsSupported() override { return true; }
    bool CheckReboot() override { return false; }
    bool IsEnabled() const override { return m_enabled; }
    void Enable(bool on) override { m_enabled = on; }
    void EnterSleep() override {}
    void LeaveSleep() override {}
    void SoundOn() override {}
    void SoundOff() override {}
    void ScreenOn() override {}
    void ScreenOff() override {}

private:
    bool m_enabled = false;
};
