#pragma once
// The process's environment variables, whatever their length.

#include <windows.h>

#include <optional>
#include <string>

namespace tessel {

// The variable's value; nothing when it is not set or empty.
inline std::optional<std::string> EnvironmentValue(const char* name)
{
    std::string value(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size()));
        if (length == 0)
            return std::nullopt;
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);   // the size it needs, terminator included; it may grow meanwhile
    }
}

} // namespace tessel
