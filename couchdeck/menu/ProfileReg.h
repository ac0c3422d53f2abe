#pragma once
// Couchdeck's view of the application profiles and switches that it shares with Keyrelay in
// HKEY_CURRENT_USER "Software\Veltra\Keyrelay\0.0.6". Keys are never created here: without them
// reads are empty and writes do nothing. Keyrelay must be told (WM_RELOAD_SETTINGS) after
// "Profile" changed.

#include <cstddef>
#include <string>

struct ProfileData {
    std::string name;
    std::string appPath;
};

class ProfileReg {
public:
    static constexpr int kNoProfile = -1;
    // The longest name and path the shared layout holds; longer stored ones read as empty.
    static constexpr std::size_t kMaxNameLength = 63;
    static constexpr std::size_t kMaxPathLength = 259;

    static ProfileReg& Instance();

    int Count() const { return 14; }
    // Both empty when the slot or a value cannot be read.
    ProfileData GetProfile(int index) const;
    // Writes nothing when the slot is missing or the path is longer than the layout holds.
    void SetAppPath(int index, const std::string& path);

    // The active profile's slot, kNoProfile when none is active or the value cannot be read.
    int GetCurrentProfile() const;
    void SetCurrentProfile(int value);
    void SetPowerOn(bool on);

    static std::string KeyPath();
    static std::string ProfilesPath();

private:
    ProfileReg() = default;

    std::string SlotPath(int index) const;
};
