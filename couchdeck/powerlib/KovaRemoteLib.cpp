#include "KovaRemoteLib.h"

#include "KovaRemoteLibDll.h"

#include "tessel/System/Assert.h"
#include "tessel/System/ProgramDirectory.h"

#include <windows.h>

namespace {

constexpr DWORD kWirelessSwitchPauseMs = 200;

} // namespace

KovaRemoteLib* KovaRemoteLib::Instance()
{
    // Never destroyed: the library stays loaded until the process ends.
    static KovaRemoteLib* const instance =
        new KovaRemoteLib(std::make_unique<KovaRemoteLibDll>(tessel::ProgramDirectory()));
    return instance;
}

KovaRemoteLib::KovaRemoteLib(std::unique_ptr<KovaRemoteLibImp> imp) : m_imp(std::move(imp))
{
    TESSEL_ASSERT(m_imp != nullptr);
}

bool KovaRemoteLib::IsSupported() const
{
    return m_imp->IsSupported();
}

void KovaRemoteLib::Enable(bool on)
{
    TESSEL_ASSERT(IsSupported());
    m_imp->Enable(on);
}

void KovaRemoteLib::EnterQuiet()
{
    TESSEL_ASSERT(IsSupported());
    m_imp->SoundOff();
    m_imp->QuietSleep();
    m_imp->SoundOn();
}

void KovaRemoteLib::LeaveQuiet()
{
    TESSEL_ASSERT(IsSupported());
    m_imp->SoundOff();
    m_imp->QuietWake();
    m_imp->SoundOn();
}

void KovaRemoteLib::EnterWirelessOnly()
{
    TESSEL_ASSERT(IsSupported());
    m_imp->SoundOff();
    m_imp->ScreenOff();
    Sleep(kWirelessSwitchPauseMs);
    m_imp->WirelessSleep();
}

void KovaRemoteLib::LeaveWirelessOnly()
{
    TESSEL_ASSERT(IsSupported());
    m_imp->WirelessWake();
    Sleep(kWirelessSwitchPauseMs);
    m_imp->SoundOn();
    m_imp->ScreenOn();
}

void KovaRemoteLib::SetDevice(bool on)
{
    TESSEL_ASSERT(IsSupported());
    on ? m_imp->SetDeviceOn() : m_imp->SetDeviceOff();
}

bool KovaRemoteLib::GetDevice()
{
    TESSEL_ASSERT(IsSupported());
    return m_imp->GetDevice();
}

bool KovaRemoteLib::CheckPower()
{
    TESSEL_ASSERT(IsSupported());
    return m_imp->CheckPower();
}

QuietState KovaRemoteLib::QuietMode() const
{
    return IsSupported() ? m_imp->QuietMode() : QuietState::None;
}
