#include "HotkeyProfile.h"

#include <cstdio>
#include <cstring>

namespace keyrelay {
namespace {

struct DefaultProfile {
    const char* name;
    HotkeyValue keys[kHotkeyRows];
};

// Rows: full screen, volume up, previous, play/pause, next, volume down.
constexpr DefaultProfile kDefaults[kPredefinedProfileCount] = {
    {"Media Player", {0x40D, 0x79, 0x142, 0x150, 0x146, 0x78}},
    {"iTunes", {0x146, 0x126, 0x25, 0x20, 0x27, 0x128}},
    {"PowerDVD", {0x5A, 0x2BB, 0x50, 0x0D, 0x4E, 0xBD}},
    {"WinDVD", {0x5A, 0x226, 0x21, 0x20, 0x22, 0x228}},
    {"QuickTime", {0x146, 0x26, 0, 0x20, 0, 0x28}},
    {"Real Player", {0x133, 0x126, 0x152, 0x150, 0x154, 0x128}},
    {"DivX Player", {0x40D, 0, 0, 0x20, 0, 0}},
    {"WinAmp", {0, 0x26, 0x5A, 0x58, 0x42, 0x28}},
    {"PowerPoint", {0x74, 0x42, 0x21, 0x74, 0x22, 0x1B}},
};

template <size_t N>
void CopyBounded(char (&target)[N], const char* text)
{
    std::snprintf(target, N, "%s", text ? text : "");
}

} // namespace

HotkeyValue ToHotkeyValue(const HotkeyRow& row)
{
    return HotkeyValue{row.virtualKey} | (row.ctrl ? kHotkeyCtrl : 0) | (row.shift ? kHotkeyShift : 0) |
           (row.alt ? kHotkeyAlt : 0);
}

HotkeyRow ToHotkeyRow(HotkeyValue value)
{
    return {(value & kHotkeyAlt) != 0, (value & kHotkeyShift) != 0, (value & kHotkeyCtrl) != 0,
            static_cast<BYTE>(value & 0xFF)};
}

void HotkeyProfile::SetName(const char* text)
{
    CopyBounded(name, text);
}

void HotkeyProfile::SetPath(const char* text)
{
    CopyBounded(path, text);
}

void FillDefaultProfile(HotkeyProfile& profile, int slot, bool hotkeysOnly)
{
    if (slot < 0 || slot >= kProfileCount)
        return;
    if (!hotkeysOnly) {
        if (slot < kPredefinedProfileCount) {
            profile.SetName(kDefaults[slot].name);
        } else {
            char name[kProfileNameSize];
            std::snprintf(name, sizeof(name), "User Define %d", slot - 8);
            profile.SetName(name);
        }
        profile.SetPath("");
        profile.flags = 0;
    }
    for (int row = 0; row < kHotkeyRows; ++row)
        profile.keys[static_cast<size_t>(row)] = slot < kPredefinedProfileCount ? kDefaults[slot].keys[row] : 0;
}

} // namespace keyrelay
