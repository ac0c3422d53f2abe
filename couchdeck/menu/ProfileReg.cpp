#include "ProfileReg.h"

#include "tessel/System/Assert.h"
#include "tessel/System/WinRegistry.h"

#include <cstdio>

namespace {

std::string ReadLimitedString(const tessel::RegAccessor& key, const char* name,
                              std::size_t maxLength)
{
    std::string text;
    if (!key.ReadString(name, text) || text.size() > maxLength)
        return {};
    return text;
}

void WriteDwordToMainKey(const char* name, DWORD value)
{
    tessel::RegAccessor key;
    if (key.Open(HKEY_CURRENT_USER, ProfileReg::KeyPath().c_str(), false))
        key.WriteDword(name, value);
}

} // namespace

ProfileReg& ProfileReg::Instance()
{
    static ProfileReg instance;
    return instance;
}

std::string ProfileReg::KeyPath()
{
    return "Software\\Veltra\\Keyrelay\\0.0.6";
}

std::string ProfileReg::ProfilesPath()
{
    return KeyPath() + "\\Profiles";
}

std::string ProfileReg::SlotPath(int index) const
{
    TESSEL_ASSERT(index >= 0);
    TESSEL_ASSERT(index < Count());
    char path[256] = {};
    std::snprintf(path, sizeof(path), "%s\\%02d", ProfilesPath().c_str(), index);
    return path;
}

ProfileData ProfileReg::GetProfile(int index) const
{
    const std::string slot = SlotPath(index);
    tessel::RegAccessor key;
    if (!key.Open(HKEY_CURRENT_USER, slot.c_str(), false))
        return {};
    return {ReadLimitedString(key, "Name", kMaxNameLength),
            ReadLimitedString(key, "Apppath", kMaxPathLength)};
}

void ProfileReg::SetAppPath(int index, const std::string& path)
{
    const std::string slot = SlotPath(index);
    // A longer path would read back as empty, losing the one stored now.
    if (path.size() > kMaxPathLength)
        return;
    tessel::RegAccessor key;
    if (key.Open(HKEY_CURRENT_USER, slot.c_str(), false))
        key.WriteString("Apppath", path);
}

int ProfileReg::GetCurrentProfile() const
{
    tessel::RegAccessor key;
    DWORD value = 0;
    if (!key.Open(HKEY_CURRENT_USER, KeyPath().c_str(), false) || !key.ReadDword("Profile", value))
        return kNoProfile;
    return static_cast<int>(value);
}

void ProfileReg::SetCurrentProfile(int value)
{
    WriteDwordToMainKey("Profile", static_cast<DWORD>(value));
}

void ProfileReg::SetPowerOn(bool on)
{
    WriteDwordToMainKey("Power_On", on ? 1 : 0);
}
