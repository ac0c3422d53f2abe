#pragma once
// Couchdeck's fourteen commands and the remote command codes that lead to them.

#include <optional>

enum class Command : int {
    PowerOff = 0,
    Hibernate = 1,
    Standby = 2,
    QuietToggle = 3,
    WirelessOnlyToggle = 4,
    MenuToggle = 5,
    FocusNext = 6,
    FocusPrevious = 7,
    Select = 8,
    MoveUp = 9,
    MoveDown = 10,
    NoOperation = 11,
    Resumed = 12,
    Suspending = 13,
};

inline constexpr int kCommandCount = 14;

// wParam of every remote command message; lParam is the command code.
inline constexpr unsigned kCommandMessageTag = 1286;
// The codes of the remote's keys, power off (146) to volume down (157).
inline constexpr unsigned kFirstKeyCode = 146;
inline constexpr unsigned kLastKeyCode = 157;

// The command of a remote key code, none for codes outside 146 to 157 (128 and 129 switch the
// power-on-after-power-loss setting and are not commands).
std::optional<Command> CommandForCode(unsigned code);

// The remote key code that asks for a power command (146, 147, 148); 0 for other commands.
unsigned CodeOfPowerCommand(Command command);
