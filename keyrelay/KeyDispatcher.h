#pragma once
// DispatchKey: turns one remote key into a broadcast command, a synthesised hotkey or media key,
// or the start of the profile's program, from the settings as the dialog's controls show them.
// The world is reached through KeyActions only, so tests can watch every effect.

#include <windows.h>

#include <span>
#include <string>

namespace keyrelay {

constexpr int kHotkeyRows = 6;

// One row of the hotkey grid as the controls show it.
struct HotkeyRow {
    bool alt = false;
    bool shift = false;
    bool ctrl = false;
    BYTE virtualKey = 0;   // 0 = "Unused"
};

// What DispatchKey reads; KeyrelayDialog answers from its controls.
class DispatchSettings {
public:
    virtual ~DispatchSettings() = default;
    virtual bool PowerKeyEnabled() const = 0;
    virtual bool PowerOffChosen() const = 0;
    virtual bool HibernateChosen() const = 0;
    virtual bool UseHotkeys() const = 0;
    virtual bool ProfileActive() const = 0;
    virtual bool LaunchEnabled() const = 0;
    virtual std::string ProgramPath() const = 0;   // at most 260 characters
    virtual HotkeyRow Row(int row) const = 0;
};

// Everything DispatchKey does to the world.
class KeyActions {
public:
    virtual ~KeyActions() = default;
    // Posts the broadcast command message with lParam = code & 0xFF.
    virtual void PostCommand(unsigned code) = 0;
    // One SendInput call with these inputs.
    virtual void SendInputs(std::span<const INPUT> inputs) = 0;
    virtual void Pause(DWORD milliseconds) = 0;
    // Starts the program; failures are not reported.
    virtual void StartProgram(const std::string& path) = 0;
};

void DispatchKey(unsigned code, const DispatchSettings& settings, KeyActions& actions);

// The real world: the registered broadcast message, SendInput, Sleep and CreateProcess.
class SystemKeyActions : public KeyActions {
public:
    explicit SystemKeyActions(UINT broadcastMessage) : m_broadcastMessage(broadcastMessage) {}
    void PostCommand(unsigned code) override;
    void SendInputs(std::span<const INPUT> inputs) override;
    void Pause(DWORD milliseconds) override;
    void StartProgram(const std::string& path) override;

private:
    UINT m_broadcastMessage;
};

// The make code of the extended scan code of a media key (keys 7 to 11), 0 for other keys.
BYTE MediaScanCode(unsigned key);

} // namespace keyrelay
