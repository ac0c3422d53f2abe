#include "KeyDispatcher.h"

#include "RemoteProtocol.h"
#include "tessel/System/UniqueHandle.h"

#include <vector>

namespace keyrelay {
namespace {

constexpr WORD kShiftScanCode = 0x36;
constexpr DWORD kHotkeyPauseMs = 10;

INPUT KeyInput(WORD virtualKey, WORD scanCode, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = flags;
    return input;
}

// Alt, Shift, Ctrl: the order of both the presses and the releases.
std::vector<INPUT> Modifiers(const HotkeyRow& row, DWORD flags)
{
    std::vector<INPUT> inputs;
    if (row.alt)
        inputs.push_back(KeyInput(VK_LMENU, 0, flags));
    if (row.shift)
        inputs.push_back(KeyInput(VK_SHIFT, kShiftScanCode, flags));
    if (row.ctrl)
        inputs.push_back(KeyInput(VK_LCONTROL, 0, flags));
    return inputs;
}

void SendHotkey(const HotkeyRow& row, KeyActions& actions)
{
    std::vector<INPUT> press = Modifiers(row, 0);
    press.push_back(KeyInput(row.virtualKey, 0, 0));
    actions.SendInputs(press);
    actions.Pause(kHotkeyPauseMs);
    const INPUT release = KeyInput(row.virtualKey, 0, KEYEVENTF_KEYUP);
    actions.SendInputs({&release, 1});
    actions.Pause(kHotkeyPauseMs);
    const std::vector<INPUT> modifiersUp = Modifiers(row, KEYEVENTF_KEYUP);
    if (!modifiersUp.empty())
        actions.SendInputs(modifiersUp);
}

void SendMediaKey(BYTE makeCode, KeyActions& actions)
{
    constexpr DWORD flags = KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY;
    const INPUT inputs[2] = {KeyInput(0, makeCode, flags), KeyInput(0, makeCode | 0x80, flags)};
    actions.SendInputs(inputs);
}

} // namespace

BYTE MediaScanCode(unsigned key)
{
    switch (key) {
    case KEY_VOLUME_UP: return 0x30;
    case KEY_PREVIOUS: return 0x10;
    case KEY_PLAY_PAUSE: return 0x22;
    case KEY_NEXT: return 0x19;
    case KEY_VOLUME_DOWN: return 0x2E;
    default: return 0;
    }
}

void DispatchKey(unsigned code, const DispatchSettings& settings, KeyActions& actions)
{
    const unsigned key = code & 0xFF;
    switch (key) {
    case KEY_POWER:
        if (!settings.PowerKeyEnabled())
            return;
        if (settings.PowerOffChosen())
            actions.PostCommand(CMD_POWER_OFF);
        else if (settings.HibernateChosen())
            actions.PostCommand(CMD_HIBERNATE);
        return;
    case KEY_SUSPEND:
    case KEY_NOISE_OFF:
    case KEY_PILO_WIFI:
        if (settings.PowerKeyEnabled())
            actions.PostCommand(key - unsigned{KEY_SUSPEND} + unsigned{CMD_SUSPEND});
        return;
    case KEY_LAUNCH:
        actions.PostCommand(CMD_LAUNCH);
        if (settings.LaunchEnabled() && settings.ProfileActive())
            actions.StartProgram(settings.ProgramPath());
        return;
    case KEY_FULL_SCREEN:
    case KEY_VOLUME_UP:
    case KEY_PREVIOUS:
    case KEY_PLAY_PAUSE:
    case KEY_NEXT:
    case KEY_VOLUME_DOWN:
        if (!settings.ProfileActive())
            actions.PostCommand(key - unsigned{KEY_FULL_SCREEN} + unsigned{CMD_FULL_SCREEN});
        else if (key == KEY_FULL_SCREEN || settings.UseHotkeys())
            SendHotkey(settings.Row(static_cast<int>(key - KEY_FULL_SCREEN)), actions);
        else
            SendMediaKey(MediaScanCode(key), actions);
        return;
    default:
        return;   // 0 and codes above 11 select no action
    }
}

void SystemKeyActions::PostCommand(unsigned code)
{
    ::PostMessageA(HWND_BROADCAST, m_broadcastMessage, BROADCAST_TAG, static_cast<LPARAM>(code & 0xFF));
}

void SystemKeyActions::SendInputs(std::span<const INPUT> inputs)
{
    if (inputs.empty())
        return;
    ::SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
}

void SystemKeyActions::Pause(DWORD milliseconds)
{
    ::Sleep(milliseconds);
}

void SystemKeyActions::StartProgram(const std::string& path)
{
    if (path.empty())
        return;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (::CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE,
                         nullptr, nullptr, &startup, &process)) {
        tessel::UniqueKernelHandle thread(process.hThread);
        tessel::UniqueKernelHandle started(process.hProcess);
    }
}

} // namespace keyrelay
