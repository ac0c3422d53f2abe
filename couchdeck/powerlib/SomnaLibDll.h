#pragma once
// SomnaLibImp over "Somna.dll" beside the program. While the library is not loaded (no file, a
// failed load, a missing export) every operation does nothing and every question answers false.

#include "SomnaLibImp.h"
#include "SomnaModule.h"

#include <string>

class SomnaLibDll : public SomnaLibImp {
public:
    // programDirectory ends in a backslash; the library is looked for there.
    explicit SomnaLibDll(const std::string& programDirectory);
    SomnaLibDll(const SomnaLibDll&) = delete;
    SomnaLibDll& operator=(const SomnaLibDll&) = delete;

    bool IsLoaded() const { return m_module.IsLoaded(); }

    bool IsSupported() override;
    bool CheckReboot() override;
    bool IsEnabled() const override { return m_enabled; }
    void Enable(bool on) override;
    void EnterSleep() override;
    void LeaveSleep() override;
    void SoundOn() override;
    void SoundOff() override;
    void ScreenOn() override;
    void ScreenOff() override;

private:
    bool ResolveExports();
    // Gives the library back; no entry point into it is kept.
    void Unload();
    void Call(SomnaProc proc) const;
    void Call(SomnaArgProc proc, DWORD value) const;

    SomnaModule m_module;
    bool m_enabled = false;  // never set: the library keeps its own state
    SomnaProc m_pSomnaInit = nullptr;
    SomnaOutProc m_pSomnaIsSupport = nullptr;
    SomnaOutProc m_pSomnaCheckReboot = nullptr;
    SomnaProc m_pSomnaEnable = nullptr;
    SomnaProc m_pSomnaDisable = nullptr;
    SomnaProc m_pSomnaWake = nullptr;
    SomnaProc m_pSomnaSleep = nullptr;
    SomnaArgProc m_pSomnaSound = nullptr;
    SomnaArgProc m_pSomnaScreen = nullptr;
};
