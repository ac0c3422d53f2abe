#include "SomnaLibDll.h"

SomnaLibDll::SomnaLibDll(const std::string& programDirectory)
{
    const std::string path = SomnaLibraryPath(programDirectory);
    if (!SomnaLibraryPresent(path))
        return;
    if (!m_module.Load(path)) {
        MessageBoxA(nullptr, ("Can not load " + path).c_str(), "LoadLibrary Error", MB_OK);
        return;
    }
    if (!ResolveExports()) {
        Unload();
        return;
    }
    m_pSomnaInit();
}

bool SomnaLibDll::ResolveExports()
{
    return m_module.Resolve("SomnaInit", m_pSomnaInit) &&
        m_module.Resolve("SomnaIsSupport", m_pSomnaIsSupport) &&
        m_module.Resolve("SomnaCheckReboot", m_pSomnaCheckReboot) &&
        m_module.Resolve("SomnaEnable", m_pSomnaEnable) &&
        m_module.Resolve("SomnaDisable", m_pSomnaDisable) &&
        m_module.Resolve("SomnaWake", m_pSomnaWake) &&
        m_module.Resolve("SomnaSleep", m_pSomnaSleep) &&
        m_module.Resolve("SomnaSound", m_pSomnaSound) &&
        m_module.Resolve("SomnaScreen", m_pSomnaScreen);
}

void SomnaLibDll::Unload()
{
    m_module.Unload();
    m_pSomnaInit = nullptr;
    m_pSomnaIsSupport = nullptr;
    m_pSomnaCheckReboot = nullptr;
    m_pSomnaEnable = nullptr;
    m_pSomnaDisable = nullptr;
    m_pSomnaWake = nullptr;
    m_pSomnaSleep = nullptr;
    m_pSomnaSound = nullptr;
    m_pSomnaScreen = nullptr;
}

void SomnaLibDll::Call(SomnaProc proc) const
{
    if (IsLoaded())
        proc();
}

void SomnaLibDll::Call(SomnaArgProc proc, DWORD value) const
{
    if (IsLoaded())
        proc(value);
}

bool SomnaLibDll::IsSupported()
{
    return IsLoaded() && SomnaAnswersOne(m_pSomnaIsSupport);
}

bool SomnaLibDll::CheckReboot()
{
    return IsLoaded() && SomnaAnswersOne(m_pSomnaCheckReboot);
}

void SomnaLibDll::Enable(bool on)
{
    Call(on ? m_pSomnaEnable : m_pSomnaDisable);
}

void SomnaLibDll::EnterSleep()
{
    Call(m_pSomnaSleep);
}

void SomnaLibDll::LeaveSleep()
{
    Call(m_pSomnaWake);
}

void SomnaLibDll::SoundOn()
{
    Call(m_pSomnaSound, 1);
}

void SomnaLibDll::SoundOff()
{
    Call(m_pSomnaSound, 0);
}

void SomnaLibDll::ScreenOn()
{
    Call(m_pSomnaScreen, 1);
}

void SomnaLibDll::ScreenOff()
{
    Call(m_pSomnaScreen, 0);
}
