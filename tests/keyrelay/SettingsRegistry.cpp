#include "SettingsRegistry.h"

#include "tessel/System/UniqueHandle.h"

#include <cstdio>
#include <vector>

namespace kova::test {
namespace {

std::string FullPath(const std::string& subkey)
{
    std::string path = "Software\\Veltra\\Keyrelay\\0.0.6";
    if (!subkey.empty())
        path += "\\" + subkey;
    return path;
}

tessel::UniqueRegKey Create(const std::string& subkey)
{
    tessel::UniqueRegKey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, FullPath(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                          nullptr) != ERROR_SUCCESS)
        key.release();
    return key;
}

} // namespace

void PutRaw(const std::string& subkey, const char* name, DWORD type, const std::vector<BYTE>& data)
{
    const tessel::UniqueRegKey key = Create(subkey);
    ::RegSetValueExA(key.get(), name, 0, type, data.data(), static_cast<DWORD>(data.size()));
}

void PutDword(const std::string& subkey, const char* name, DWORD value)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
    PutRaw(subkey, name, REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof(value)));
}

void PutString(const std::string& subkey, const char* name, const std::string& text)
{
    std::vector<BYTE> data(text.begin(), text.end());
    data.push_back(0);
    PutRaw(subkey, name, REG_SZ, data);
}

void DeleteValue(const std::string& subkey, const char* name)
{
    const tessel::UniqueRegKey key = Create(subkey);
    ::RegDeleteValueA(key.get(), name);
}

std::optional<DWORD> GetDword(const std::string& subkey, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (::RegGetValueA(HKEY_CURRENT_USER, FullPath(subkey).c_str(), name, RRF_RT_ANY, &type, &value, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

std::optional<std::string> GetString(const std::string& subkey, const char* name)
{
    std::vector<char> buffer(4096, '\0');
    DWORD size = static_cast<DWORD>(buffer.size() - 1);
    DWORD type = 0;
    if (::RegGetValueA(HKEY_CURRENT_USER, FullPath(subkey).c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                       buffer.data(), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::string(buffer.data());
}

std::string SlotKey(int slot)
{
    char name[16];
    std::snprintf(name, sizeof(name), "Profiles\\%02d", slot);
    return name;
}

} // namespace kova::test
