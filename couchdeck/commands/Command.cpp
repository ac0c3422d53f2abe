#include "Command.h"

std::optional<Command> CommandForCode(unsigned code)
{
    switch (code) {
    case 146: return Command::PowerOff;
    case 147: return Command::Hibernate;
    case 148: return Command::Standby;
    case 149: return Command::QuietToggle;
    case 150: return Command::WirelessOnlyToggle;
    case 151: return Command::MenuToggle;
    case 152: return Command::NoOperation;    // full screen
    case 153: return Command::MoveUp;         // volume up
    case 154: return Command::FocusPrevious;  // previous
    case 155: return Command::Select;         // play/pause
    case 156: return Command::FocusNext;      // next
    case 157: return Command::MoveDown;       // volume down
    default: return std::nullopt;
    }
}

unsigned CodeOfPowerCommand(Command command)
{
    switch (command) {
    case Command::PowerOff: return 146;
    case Command::Hibernate: return 147;
    case Command::Standby: return 148;
    default: return 0;
    }
}
