#include "MainForm.h"

#include "CmdMgr.h"
#include "Command.h"
#include "DialogForm.h"
#include "FormCommandServices.h"
#include "KeyrelayLink.h"
#include "KovaRemoteLib.h"
#include "MenuForm.h"
#include "MessagePump.h"
#include "PlayerDiscovery.h"
#include "PowerOptions.h"
#include "ProfileReg.h"
#include "RemoteWake.h"
#include "SettingHelp.h"
#include "WarnForm.h"

#include "tessel/System/PowerMgr.h"
#include "tessel/System/ProgramDirectory.h"
#include "tessel/System/UniqueHandle.h"
#include "tessel/System/WinRegistry.h"
#include "tessel/System/ZyMultiLang.h"

#include <algorithm>
#include <vector>

using namespace vcl;

TMainForm* MainForm = nullptr;

namespace {

constexpr TColor kTransparentColor = 15826687;
constexpr BYTE kHalfOpaque = 128;
// bits 8 to 15 of wParam of the broadcast message that Couchdeck acts on
constexpr unsigned kBroadcastGroup = 0x22;
constexpr unsigned kPowerOnAfterLossOn = 128;
constexpr unsigned kPowerOnAfterLossOff = 129;
// Keyrelay shows its settings window at once on the first run; the help goes beside it.
constexpr DWORD kSettingsWindowDelayMs = 800;

bool IsTagged(WPARAM wParam)
{
    return (wParam & 0xFF) == TMainForm::kMenuTag;
}

void RunCommand(Command command)
{
    CmdMgr::Instance()->Execute(static_cast<int>(command));
}

bool ReadString(HKEY root, const char* keyPath, const char* name, std::string& value)
{
    tessel::RegAccessor key;
    return key.Open(root, keyPath, false) && key.ReadString(name, value);
}

} // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner)
{
    SetName("MainForm");
    SetBorderStyle(bsNone);
    SetCaption(kCaption);
    SetColor(clNavy);
    Font()->SetColor(clWhite);
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    CmdMgr::UseServices(&FormCommandServices::Instance());

    if (m_layeredWindow.IsEnabled()) {
        m_layeredWindow.SetColorKeyEnabled(true);
        m_layeredWindow.SetColorKey(kTransparentColor);
        m_layeredWindow.SetAlphaEnabled(true);
        m_layeredWindow.SetAlpha(kHalfOpaque);
        m_layeredWindow.Apply(Handle());
    }
}

TMainForm::~TMainForm()
{
    remote_wake::AllowAllDevicesToWake();
}

void TMainForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_APPWINDOW | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void TMainForm::Startup(bool firstRun)
{
    // An installation that waits for a reboot must not run yet.
    std::string pending;
    if (ReadString(HKEY_LOCAL_MACHINE, kRunOnceKey, kLogOnEntry, pending)) {
        MessageBoxA(nullptr, "You must reboot system after installing Veltra Kova Remote",
                    kCaption, MB_OK);
        Close();
        return;
    }
    LaunchKeyrelay(firstRun);
    if (NeedsHibernationWarning())
        WarnForm->ShowWarning();

    m_commandMessage = RegisterWindowMessageA(kCommandMessageName);
    m_broadcastMessage = RegisterWindowMessageA(kBroadcastMessageName);
    Application->OnMessage = [this](MSG& msg, bool& handled) { AppMessage(msg, handled); };

    KovaRemoteLib* library = KovaRemoteLib::Instance();
    if (library->IsSupported())
        library->Enable(true);
    FillPlayerPaths();
    if (library->IsSupported()) {
        const bool powerOn = library->GetDevice();
        if (library->CheckPower() && !powerOn)
            MessageBoxA(nullptr,
                        "To use \"Power On\" function by Kova Remote after \"Power Supply "
                        "Off/On\", you have to select \"Enable Power On after power loss\" on "
                        "Kova Remote Setup AP",
                        kCaption, MB_ICONINFORMATION);
        ProfileReg::Instance().SetPowerOn(powerOn);
    }
}

std::string TMainForm::KeyrelayCommandLine(bool firstRun)
{
    std::string commandLine =
        "\"" + tessel::ProgramDirectory() + keyrelay_link::kProgramFile + "\"";
    if (firstRun)
        commandLine += " -d";
    return commandLine;
}

std::string TMainForm::StripRunOptions(const std::string& value)
{
    const std::string::size_type dash = value.find('-');
    if (dash == std::string::npos || dash == 0)
        return value;
    return value.substr(0, dash - 1);
}

void TMainForm::StripRunEntryOptions()
{
    tessel::RegAccessor key;
    std::string value;
    if (!key.Open(HKEY_LOCAL_MACHINE, kRunKey, false) || !key.ReadString(kLogOnEntry, value))
        return;
    const std::string stripped = StripRunOptions(value);
    if (stripped != value)
        key.WriteString(kLogOnEntry, stripped);
}

void TMainForm::LaunchKeyrelay(bool firstRun)
{
    std::string commandLine = KeyrelayCommandLine(firstRun);
    if (firstRun)
        StripRunEntryOptions();

    // The path is quoted and may be as long as the system allows; a missing program is not
    // reported: Couchdeck then simply receives no commands.
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &process)) {
        tessel::UniqueKernelHandle processHandle(process.hProcess);
        tessel::UniqueKernelHandle threadHandle(process.hThread);
    }

    if (firstRun) {
        Sleep(kSettingsWindowDelayMs);
        SettingHelp->ShowHelp(
            tessel::ZyMultiLang::Instance().LocalizedPath("Kova Remote Setting.jpg"), true);
    }
}

bool TMainForm::NeedsHibernationWarning()
{
    // The warning concerns Windows 2000 only.
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (!GetVersionExA(&version))
        return false;
    if (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion != 0))
        return false;

    tessel::RegAccessor key;
    DWORD show = 1;
    if (key.Open(HKEY_LOCAL_MACHINE, TWarnForm::kSettingsKey, true) &&
        key.ReadDword(TWarnForm::kShowValue, show) && show == 0)
        return false;

    const std::string system = tessel::SystemFolder();
    const std::string::size_type colon = system.find(':');
    const std::string drive = colon == std::string::npos ? std::string() : system.substr(0, colon + 1);
    return GetFileAttributesA((drive + "\\hiberfil.sys").c_str()) == INVALID_FILE_ATTRIBUTES;
}

void TMainForm::FillPlayerPaths()
{
    couchdeck::FillPlayerPaths();
}

void TMainForm::OpenPowerOptions()
{
    ::OpenPowerOptions(Handle());
}

void TMainForm::ShowNotice(int bitmapIndex, unsigned durationMs)
{
    DialogForm->ShowBitmap(bitmapIndex);
    PumpDuringNotice(SystemTickClock::Instance(), durationMs);
    DialogForm->Hide();
    Hide();
}

void TMainForm::AppMessage(MSG& msg, bool& handled)
{
    if (m_broadcastMessage != 0 && msg.message == m_broadcastMessage && IsTagged(msg.wParam)) {
        OnVeltraBroadcast(msg.wParam, msg.lParam);
        handled = true;
    } else if (m_commandMessage != 0 && msg.message == m_commandMessage &&
               msg.hwnd == Application->Handle() && msg.wParam == kCommandMessageTag) {
        // Every top-level window gets a copy of a broadcast; only this one counts.
        OnCommand(static_cast<unsigned>(msg.lParam));
        handled = true;
    }
}

void TMainForm::OnCommand(unsigned code)
{
    if (code == kPowerOnAfterLossOn || code == kPowerOnAfterLossOff) {
        KovaRemoteLib* library = KovaRemoteLib::Instance();
        if (library->IsSupported())
            library->SetDevice(code == kPowerOnAfterLossOn);
        return;
    }
    if (const std::optional<Command> command = CommandForCode(code))
        RunCommand(*command);
}

void TMainForm::OnVeltraBroadcast(WPARAM wParam, LPARAM lParam)
{
    if (((wParam >> 8) & 0xFF) != kBroadcastGroup)
        return;
    if (lParam == 0) {
        RunCommand(Command::WirelessOnlyToggle);
    } else if (lParam == 1) {
        KovaRemoteLib* library = KovaRemoteLib::Instance();
        if (library->IsSupported())
            library->LeaveWirelessOnly();
    }
}

void TMainForm::FormShow(TObject* /*sender*/)
{
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(Application->Handle(), SW_HIDE);
}

void TMainForm::FormClose(TObject* /*sender*/, TCloseAction& /*action*/)
{
    remote_wake::AllowAllDevicesToWake();
}

void TMainForm::OnDisplayChange()
{
    const int width = Screen->Width();
    const int height = Screen->Height();
    if (Visible())
        SetBounds(Left(), Top(), width, height);
    if (MenuForm && MenuForm->Visible())
        MenuForm->SetBounds(std::max(0, (width - MenuForm->Width()) / 2),
                            std::max(0, (height - MenuForm->Height()) / 2), MenuForm->Width(),
                            MenuForm->Height());
}

void TMainForm::ExitWithKeyrelay()
{
    if (HWND keyrelay = FindWindowA(keyrelay_link::kWindowClass, keyrelay_link::kWindowCaption))
        SendMessageA(keyrelay, keyrelay_link::kExitReceiverMessage, keyrelay_link::kReceiverTag, 0);
    Close();
}

void TMainForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_DISPLAYCHANGE:
        OnDisplayChange();
        return;
    case WM_POWERBROADCAST:
        switch (message.WParam) {
        case PBT_APMQUERYSUSPENDFAILED:
        case PBT_APMRESUMECRITICAL:
        case PBT_APMRESUMESUSPEND:
        case PBT_APMRESUMEAUTOMATIC:
            RunCommand(Command::Resumed);
            return;
        case PBT_APMSUSPEND:
            RunCommand(Command::Suspending);
            return;
        default:
            break;
        }
        break;
    case WM_USER:
        if (IsTagged(message.WParam)) {
            ExitWithKeyrelay();
            return;
        }
        break;
    case WM_USER + 1:
    case WM_USER + 6:
        if (IsTagged(message.WParam))
            return;
        break;
    case WM_USER + 2:
    case WM_USER + 3:
        if (IsTagged(message.WParam)) {
            LaunchKeyrelay(false);
            return;
        }
        break;
    default:
        break;
    }
    TForm::Dispatch(message);
}
