#include "SettingsStore.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace keyrelay {
namespace {

tessel::UniqueRegKey CreateSubkey(HKEY parent, const char* name, REGSAM access)
{
    tessel::UniqueRegKey key;
    if (::RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.put(), nullptr) !=
        ERROR_SUCCESS)
        key.release();   // left unset by a failed call
    return key;
}

std::string SlotName(int slot)
{
    char name[8];
    std::snprintf(name, sizeof(name), "%02d", slot);
    return name;
}

std::string RowValueName(int row)
{
    char name[8];
    std::snprintf(name, sizeof(name), "Key%02d", row);
    return name;
}

void WriteDword(HKEY key, const char* name, DWORD value)
{
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

void WriteString(HKEY key, const char* name, const char* text)
{
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                     static_cast<DWORD>(std::strlen(text) + 1));
}

} // namespace

std::optional<DWORD> ReadRegistryDword(HKEY key, const char* name)
{
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return value;
}

std::string ReadRegistryString(HKEY key, const char* name, size_t maxChars)
{
    // Room for the characters, the terminator and one more byte, so that a string stored without
    // its terminator but one character too long is still recognised as too long.
    std::vector<char> buffer(maxChars + 2, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ || size > buffer.size())
        return {};
    const size_t length = strnlen(buffer.data(), size);
    return length <= maxChars ? std::string(buffer.data(), length) : std::string();
}

bool SettingsStore::Open()
{
    m_key = CreateSubkey(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY);
    if (!m_key && ::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_QUERY_VALUE, m_key.put()) != ERROR_SUCCESS)
        m_key.release();
    return IsOpen();
}

std::optional<DWORD> SettingsStore::ReadDword(const char* name) const
{
    return IsOpen() ? ReadRegistryDword(m_key.get(), name) : std::nullopt;
}

bool SettingsStore::LoadProfiles(std::array<HotkeyProfile, kProfileCount>& profiles) const
{
    if (!IsOpen())
        return false;
    const tessel::UniqueRegKey all = CreateSubkey(m_key.get(), "Profiles", KEY_READ);
    if (!all)
        return false;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const tessel::UniqueRegKey key = CreateSubkey(all.get(), SlotName(slot).c_str(), KEY_READ);
        if (!key)
            continue;
        HotkeyProfile& profile = profiles[static_cast<size_t>(slot)];
        profile.SetName(ReadRegistryString(key.get(), "Name", kProfileNameSize - 1).c_str());
        profile.SetPath(ReadRegistryString(key.get(), "AppPath", kProfilePathSize - 1).c_str());
        profile.flags = static_cast<std::int32_t>(ReadRegistryDword(key.get(), "Flags").value_or(0));
        for (int row = 0; row < kHotkeyRows; ++row)
            if (const std::optional<DWORD> value = ReadRegistryDword(key.get(), RowValueName(row).c_str()))
                profile.keys[static_cast<size_t>(row)] = *value;
    }
    return true;
}

bool SettingsStore::Save(const std::array<HotkeyProfile, kProfileCount>& profiles, const TopSettings& top) const
{
    if (!IsOpen())
        return false;
    const tessel::UniqueRegKey all = CreateSubkey(m_key.get(), "Profiles", KEY_READ | KEY_WRITE);
    if (!all)
        return false;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const tessel::UniqueRegKey key = CreateSubkey(all.get(), SlotName(slot).c_str(), KEY_WRITE);
        if (!key)
            continue;
        const HotkeyProfile& profile = profiles[static_cast<size_t>(slot)];
        WriteString(key.get(), "Name", profile.name);
        WriteString(key.get(), "Apppath", profile.path);
        WriteDword(key.get(), "Flags", static_cast<DWORD>(profile.flags));
        for (int row = 0; row < kHotkeyRows; ++row)
            WriteDword(key.get(), RowValueName(row).c_str(), profile.keys[static_cast<size_t>(row)]);
    }
    WriteDword(m_key.get(), "Power_Enable", top.powerEnable ? 1 : 0);
    WriteDword(m_key.get(), "Power_On", top.powerOnAfterLoss ? 1 : 0);
    WriteDword(m_key.get(), "Power", top.powerOff ? 1 : 0);
    WriteDword(m_key.get(), "Profile", static_cast<DWORD>(top.profile));
    return true;
}

} // namespace keyrelay
