#pragma once
// The settings Keyrelay shares with Couchdeck, below HKEY_CURRENT_USER
// "Software\Veltra\Keyrelay\0.0.6": the four top values and the fourteen profile slots below
// "Profiles". Values are untrusted: a wrong type reads as missing, a string longer than its
// field reads as empty, and no value of any size overflows a buffer.

#include "HotkeyProfile.h"
#include "tessel/System/UniqueHandle.h"

#include <windows.h>

#include <array>
#include <optional>

namespace keyrelay {

inline constexpr char kSettingsKeyPath[] = "Software\\Veltra\\Keyrelay\\0.0.6";

struct TopSettings {
    bool powerEnable = true;
    bool powerOff = false;     // "Power" = 1
    bool powerOnAfterLoss = false;
    std::int32_t profile = 0;  // -1 = no profile active
};

class SettingsStore {
public:
    // Opens the key with create semantics for reading and writing, else for reading only.
    bool Open();
    void Close() { m_key.reset(); }
    bool IsOpen() const { return m_key.valid(); }

    std::optional<DWORD> ReadDword(const char* name) const;

    // Reads every slot into the records: a slot that cannot be opened keeps its record; a missing
    // "Name" or "Apppath" reads as empty, a missing "Flags" as 0, a missing row keeps its value.
    // False when "Profiles" cannot be opened.
    bool LoadProfiles(std::array<HotkeyProfile, kProfileCount>& profiles) const;
    // Writes every slot and the top values. False without the key or without "Profiles"; a value
    // that cannot be written does not change the result.
    bool Save(const std::array<HotkeyProfile, kProfileCount>& profiles, const TopSettings& top) const;

private:
    tessel::UniqueRegKey m_key;
};

// A DWORD value: nullopt when missing or not a REG_DWORD.
std::optional<DWORD> ReadRegistryDword(HKEY key, const char* name);
// A REG_SZ value of at most maxChars characters: empty when missing, of another type, or longer.
std::string ReadRegistryString(HKEY key, const char* name, size_t maxChars);

} // namespace keyrelay
