#pragma once
// Couchdeck's quiet and wireless-only modes, screen and sound switching and the power-on-after-
// power-loss setting. Every operation except IsSupported and QuietMode requires IsSupported().

#include "KovaRemoteLibImp.h"

#include <memory>

class KovaRemoteLib {
public:
    // Created on first use over "Somna.dll" beside the program; kept until the process ends.
    static KovaRemoteLib* Instance();

    explicit KovaRemoteLib(std::unique_ptr<KovaRemoteLibImp> imp);
    KovaRemoteLib(const KovaRemoteLib&) = delete;
    KovaRemoteLib& operator=(const KovaRemoteLib&) = delete;

    bool IsSupported() const;
    void Enable(bool on);
    void EnterQuiet();
    void LeaveQuiet();
    // Both block for 200 ms between switching the screen and the mode.
    void EnterWirelessOnly();
    void LeaveWirelessOnly();
    void SetDevice(bool on);
    bool GetDevice();
    bool CheckPower();
    // QuietState::None while unsupported.
    QuietState QuietMode() const;

private:
    std::unique_ptr<KovaRemoteLibImp> m_imp;
};
