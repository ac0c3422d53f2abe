#include "KovaRemoteLibDll.h"

namespace {

constexpr DWORD kQuietSleepMode = 0x4001;
constexpr DWORD kWirelessSleepMode = 0x4002;

} // namespace

KovaRemoteLibDll::KovaRemoteLibDll(const std::string& programDirectory)
{
    const std::string path = SomnaLibraryPath(programDirectory);
    if (!SomnaLibraryPresent(path) || !m_module.Load(path))
        return;
    if (!ResolveExports()) {
        Unload();
        return;
    }
    if (!SomnaSucceeded(m_pSomnaInit()))
        return;
    m_supported = SomnaAnswersOne(m_pTacetIsSupport);
}

bool KovaRemoteLibDll::ResolveExports()
{
    return m_module.Resolve("SomnaInit", m_pSomnaInit) &&
        m_module.Resolve("TacetIsSupport", m_pTacetIsSupport) &&
        m_module.Resolve("SomnaEnable", m_pSomnaEnable) &&
        m_module.Resolve("SomnaDisable", m_pSomnaDisable) &&
        m_module.Resolve("TacetWake", m_pTacetWake) &&
        m_module.Resolve("TacetSleep", m_pTacetSleep) &&
        m_module.Resolve("SomnaSound", m_pSomnaSound) &&
        m_module.Resolve("SomnaScreen", m_pSomnaScreen) &&
        m_module.Resolve("TacetSetDevice", m_pTacetSetDevice) &&
        m_module.Resolve("TacetGetDevice", m_pTacetGetDevice) &&
        m_module.Resolve("TacetCheckPower", m_pTacetCheckPower);
}

void KovaRemoteLibDll::Unload()
{
    m_module.Unload();
    m_pSomnaInit = nullptr;
    m_pTacetIsSupport = nullptr;
    m_pSomnaEnable = nullptr;
    m_pSomnaDisable = nullptr;
    m_pTacetWake = nullptr;
    m_pTacetSleep = nullptr;
    m_pSomnaSound = nullptr;
    m_pSomnaScreen = nullptr;
    m_pTacetSetDevice = nullptr;
    m_pTacetGetDevice = nullptr;
    m_pTacetCheckPower = nullptr;
}

void KovaRemoteLibDll::Enable(bool on)
{
    on ? m_pSomnaEnable() : m_pSomnaDisable();
    m_enabled = on;
}

void KovaRemoteLibDll::SoundOn()
{
    m_pSomnaSound(1);
}

void KovaRemoteLibDll::SoundOff()
{
    m_pSomnaSound(0);
}

void KovaRemoteLibDll::ScreenOn()
{
    m_pSomnaScreen(1);
}

void KovaRemoteLibDll::ScreenOff()
{
    m_pSomnaScreen(0);
}

void KovaRemoteLibDll::QuietSleep()
{
    m_quietMode = QuietState::Quiet;
    m_pTacetSleep(kQuietSleepMode);
}

void KovaRemoteLibDll::QuietWake()
{
    m_quietMode = QuietState::None;
    m_pTacetWake();
}

void KovaRemoteLibDll::WirelessSleep()
{
    m_quietMode = QuietState::WirelessOnly;
    m_pTacetSleep(kWirelessSleepMode);
}

void KovaRemoteLibDll::WirelessWake()
{
    m_quietMode = QuietState::None;
    m_pTacetWake();
}

void KovaRemoteLibDll::SetDeviceOn()
{
    SetDevice(1);
}

void KovaRemoteLibDll::SetDeviceOff()
{
    SetDevice(0);
}

void KovaRemoteLibDll::SetDevice(DWORD on)
{
    if (!SomnaSucceeded(m_pTacetSetDevice(on)))
        MessageBoxA(nullptr, "TacetSetDevice Error", nullptr, MB_OK);
}

bool KovaRemoteLibDll::GetDevice()
{
    DWORD value = 0;
    if (!SomnaSucceeded(m_pTacetGetDevice(&value))) {
        MessageBoxA(nullptr, "TacetGetDevice Error", nullptr, MB_OK);
        return false;
    }
    return value == 1;
}

bool KovaRemoteLibDll::CheckPower()
{
    DWORD value = 0;
    if (!SomnaSucceeded(m_pTacetCheckPower(&value))) {
        MessageBoxA(nullptr, "TacetCheckPower ERROR", "", MB_OK);
        return false;
    }
    return value == 1;
}
