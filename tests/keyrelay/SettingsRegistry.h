#pragma once
// Direct access to Keyrelay's settings key for the tests: what a save wrote, and stored values of
// any type and size to load.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace kova::test {

// subkey is relative to "Software\Veltra\Keyrelay\0.0.6" ("" for the key itself, "Profiles\\03").
void PutDword(const std::string& subkey, const char* name, DWORD value);
void PutString(const std::string& subkey, const char* name, const std::string& text);
void PutRaw(const std::string& subkey, const char* name, DWORD type, const std::vector<BYTE>& data);
void DeleteValue(const std::string& subkey, const char* name);
std::optional<DWORD> GetDword(const std::string& subkey, const char* name);
std::optional<std::string> GetString(const std::string& subkey, const char* name);

std::string SlotKey(int slot);   // "Profiles\\07"

} // namespace kova::test
