#include "CmdMgr.h"

#include "MessagePump.h"
#include "NoticeBitmap.h"

#include "tessel/System/Assert.h"
#include "tessel/System/ZyMultiLang.h"

namespace {

constexpr int kQuiet = 1;
constexpr int kWirelessOnly = 2;

CommandServices* g_services = nullptr;

bool IsPowerOrModeCommand(Command command)
{
    return static_cast<int>(command) <= static_cast<int>(Command::WirelessOnlyToggle);
}

bool IsMenuMove(Command command)
{
    return command >= Command::FocusNext && command <= Command::MoveDown;
}

} // namespace

void CmdMgrImp::Execute(int index)
{
    TESSEL_ASSERT(index >= 0);
    TESSEL_ASSERT(index < (int) m_cmdCount);
    if (CanExecute(index))
        DoExecute(index);
}

CmdMgrThrottle::CmdMgrThrottle(CommandServices& services, TickClock& clock)
    : CmdMgrImp(kCommandCount), m_services(services), m_clock(clock)
{
}

bool CmdMgrThrottle::CanExecute(int index)
{
    const auto command = static_cast<Command>(index);
    // Power and mode commands are refused while the menu is open, and wireless-only mode takes
    // nothing but its own key; both without a notice.
    if (IsMenuShown() && IsPowerOrModeCommand(command))
        return false;
    if (m_services.QuietMode() == kWirelessOnly && command != Command::WirelessOnlyToggle)
        return false;
    switch (command) {
    case Command::PowerOff:
        return CanPowerOff();
    case Command::Hibernate:
        return CanHibernate();
    case Command::Standby:
        return CanStandby();
    case Command::QuietToggle:
    case Command::WirelessOnlyToggle:
        if (!m_services.IsLibrarySupported()) {
            Notice(static_cast<int>(NoticeBitmap::NoFunction));
            return false;
        }
        return true;
    default:
        return true;
    }
}

bool CmdMgrThrottle::CanPowerOff()
{
    if (!m_services.IsLibrarySupported()) {
        Notice(static_cast<int>(NoticeBitmap::NoFunction));
        return false;
    }
    return ConfirmByRemote(static_cast<int>(NoticeBitmap::PowerOffConfirm),
                           CodeOfPowerCommand(Command::PowerOff));
}

bool CmdMgrThrottle::CanHibernate()
{
    if (!m_services.IsLibrarySupported()) {
        Notice(static_cast<int>(NoticeBitmap::NoFunction));
        return false;
    }
    if (!m_services.IsHibernateAllowed()) {
        m_services.SetHibernation(true);
        if (!m_services.IsHibernateAllowed()) {
            Notice(static_cast<int>(NoticeBitmap::HibernateNotAllowed));
            return false;
        }
    }
    // Without a device that may wake it, the computer could not be brought back by remote.
    if (!m_services.IsRemoteWakeEnabled()) {
        ShowHidHelp();
        return false;
    }
    return ConfirmByRemote(static_cast<int>(NoticeBitmap::HibernateConfirm),
                           CodeOfPowerCommand(Command::Hibernate));
}

bool CmdMgrThrottle::CanStandby()
{
    if (!m_services.IsLibrarySupported()) {
        Notice(static_cast<int>(NoticeBitmap::NoFunction));
        return false;
    }
    if (!m_services.IsSuspendAllowed()) {
        Notice(static_cast<int>(NoticeBitmap::SuspendNotAllowed));
        return false;
    }
    if (!m_services.IsRemoteWakeEnabled()) {
        ShowHidHelp();
        return false;
    }
    return ConfirmByRemote(static_cast<int>(NoticeBitmap::StandbyConfirm),
                           CodeOfPowerCommand(Command::Standby));
}

void CmdMgrThrottle::DoExecute(int index)
{
    const auto command = static_cast<Command>(index);
    switch (command) {
    case Command::PowerOff:
        Notice(static_cast<int>(NoticeBitmap::PowerOff));
        if (m_services.PowerOffSystem(1, 0))   // forced
            Swallow(kAfterPowerActionMs);
        break;
    case Command::Hibernate:
        m_restoreQuiet = m_services.QuietMode() == kQuiet;
        Notice(static_cast<int>(NoticeBitmap::Hibernate));
        if (m_services.HibernateSystem(true))
            Swallow(kAfterPowerActionMs);
        else
            m_restoreQuiet = false;
        break;
    case Command::Standby:
        m_restoreQuiet = m_services.QuietMode() == kQuiet;
        Notice(static_cast<int>(NoticeBitmap::Standby));
        if (m_services.StandbySystem(true))
            Swallow(kAfterPowerActionMs);
        break;
    case Command::QuietToggle:
        ToggleQuiet();
        break;
    case Command::WirelessOnlyToggle:
        ToggleWirelessOnly();
        break;
    case Command::MenuToggle:
        if (MenuCommands* menu = m_services.Menu())
            menu->Execute(command);
        break;
    case Command::Resumed:
        if (m_restoreQuiet && m_services.IsLibrarySupported()) {
            m_services.EnterQuiet();
            m_restoreQuiet = false;
        }
        Swallow(kAfterResumeMs);
        break;
    case Command::Suspending:
        if (m_services.IsLibrarySupported() && m_services.QuietMode() == kQuiet) {
            m_services.EnterQuiet();
            m_restoreQuiet = true;
        }
        break;
    case Command::NoOperation:
        break;
    default:
        if (IsMenuMove(command) && IsMenuShown())
            m_services.Menu()->Execute(command);
        break;
    }
}

void CmdMgrThrottle::ToggleQuiet()
{
    if (m_services.QuietMode() == kQuiet) {
        Notice(static_cast<int>(NoticeBitmap::QuietOff));
        m_services.LeaveQuiet();
        m_services.HideMode();
    } else {
        Notice(static_cast<int>(NoticeBitmap::QuietOn));
        m_services.EnterQuiet();
        m_services.ShowMode();
    }
}

void CmdMgrThrottle::ToggleWirelessOnly()
{
    const int mode = m_services.QuietMode();
    if (mode != kWirelessOnly) {
        if (mode == kQuiet) {
            m_services.LeaveQuiet();
            m_restoreQuiet = true;
        } else {
            m_restoreQuiet = false;
        }
        Notice(static_cast<int>(NoticeBitmap::WirelessOnly));
        m_services.EnterWirelessOnly();
        m_services.ShowBlack();
        return;
    }
    m_services.HideBlack();
    if (m_restoreQuiet) {
        m_services.EnterQuiet();
        m_restoreQuiet = false;
    }
}

bool CmdMgrThrottle::ConfirmByRemote(int bitmapIndex, unsigned code)
{
    m_services.ShowConfirmation(bitmapIndex);
    const UINT commandMessage = m_services.CommandMessageId();
    // Debounce: a key held or bounced right after the first press does not confirm.
    SwallowCommands(m_clock, commandMessage, kDebounceMs);
    bool confirmed = false;
    RunMessagePump(m_clock, kConfirmMs, [&](const MSG& msg) {
        if (!IsCommandMessage(msg, commandMessage))
            return PumpVerdict::Dispatch;
        const auto pressed = static_cast<unsigned>(msg.lParam);
        if (pressed == code) {
            confirmed = true;
            return PumpVerdict::Stop;
        }
        if (pressed >= kFirstKeyCode && pressed <= kLastKeyCode)
            return PumpVerdict::Stop;   // another key: not confirmed
        return PumpVerdict::Drop;
    });
    m_services.HideConfirmation();
    return confirmed;
}

void CmdMgrThrottle::ShowHidHelp()
{
    m_services.ShowHelpCentred(tessel::ZyMultiLang::Instance().LocalizedPath("Kova Remote HID.jpg"));
}

bool CmdMgrThrottle::IsMenuShown()
{
    MenuCommands* menu = m_services.Menu();
    return menu != nullptr && menu->IsShown();
}

void CmdMgrThrottle::Notice(int bitmapIndex)
{
    m_services.ShowNotice(bitmapIndex, kNoticeMs);
}

void CmdMgrThrottle::Swallow(unsigned ms)
{
    SwallowCommands(m_clock, m_services.CommandMessageId(), ms);
}

void CmdMgr::UseServices(CommandServices* services)
{
    g_services = services;
}

CmdMgr* CmdMgr::Instance()
{
    TESSEL_ASSERT(g_services != nullptr);
    static CmdMgr instance(std::make_unique<CmdMgrThrottle>(*g_services));
    return &instance;
}

void CmdMgr::Execute(int index)
{
    m_imp->Execute(index);
}
