#pragma once
// KovaRemoteLibImp over "Somna.dll" beside the program. Without the file, when it cannot be
// loaded, lacks an export or does not report support, the object stays unsupported.

#include "KovaRemoteLibImp.h"
#include "SomnaModule.h"

#include <string>

class KovaRemoteLibDll : public KovaRemoteLibImp {
public:
    // programDirectory ends in a backslash; the library is looked for there.
    explicit KovaRemoteLibDll(const std::string& programDirectory);
    KovaRemoteLibDll(const KovaRemoteLibDll&) = delete;
    KovaRemoteLibDll& operator=(const KovaRemoteLibDll&) = delete;

    bool IsSupported() const override { return m_supported; }
    bool IsEnabled() const override { return m_enabled; }
    void Enable(bool on) override;
    void SoundOn() override;
    void SoundOff() override;
    void ScreenOn() override;
    void ScreenOff() override;
    void QuietSleep() override;
    void QuietWake() override;
    void WirelessSleep() override;
    void WirelessWake() override;
    void SetDeviceOn() override;
    void SetDeviceOff() override;
    bool GetDevice() override;
    bool CheckPower() override;
    QuietState QuietMode() const override { return m_quietMode; }

private:
    bool ResolveExports();
    // Gives the library back; no entry point into it is kept.
    void Unload();
    void SetDevice(DWORD on);

    SomnaModule m_module;
    bool m_enabled = false;
    QuietState m_quietMode = QuietState::None;
    bool m_supported = false;
    SomnaProc m_pSomnaInit = nullptr;
    SomnaOutProc m_pTacetIsSupport = nullptr;
    SomnaProc m_pSomnaEnable = nullptr;
    SomnaProc m_pSomnaDisable = nullptr;
    SomnaProc m_pTacetWake = nullptr;
    SomnaArgProc m_pTacetSleep = nullptr;
    SomnaArgProc m_pSomnaSound = nullptr;
    SomnaArgProc m_pSomnaScreen = nullptr;
    SomnaArgProc m_pTacetSetDevice = nullptr;
    SomnaOutProc m_pTacetGetDevice = nullptr;
    SomnaOutProc m_pTacetCheckPower = nullptr;
};
