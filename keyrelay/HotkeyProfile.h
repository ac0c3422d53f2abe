#pragma once
// One application profile as Keyrelay holds it, the HotkeyValue encoding of a hotkey row, and the
// default profiles.

#include "KeyDispatcher.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace keyrelay {

constexpr int kProfileCount = 14;
constexpr int kPredefinedProfileCount = 9;   // slots 0 to 8; 9 to 13 are the user's
constexpr size_t kProfileNameSize = 64;      // 63 characters and the terminator
constexpr size_t kProfilePathSize = MAX_PATH;   // 259 characters and the terminator

// Virtual key in bits 0 to 7, Ctrl 0x100, Shift 0x200, Alt 0x400.
using HotkeyValue = std::uint32_t;
constexpr HotkeyValue kHotkeyCtrl = 0x100;
constexpr HotkeyValue kHotkeyShift = 0x200;
constexpr HotkeyValue kHotkeyAlt = 0x400;

HotkeyValue ToHotkeyValue(const HotkeyRow& row);
HotkeyRow ToHotkeyRow(HotkeyValue value);

struct HotkeyProfile {
    char name[kProfileNameSize] = {};
    char path[kProfilePathSize] = {};
    std::int32_t flags = 0;   // 0 = send this profile's hotkeys for keys 7 to 11, 1 = media keys
    std::array<HotkeyValue, kHotkeyRows> keys = {};

    void SetName(const char* text);   // cut to 63 characters
    void SetPath(const char* text);   // cut to 259 characters
};

// Fills a slot from the default table: whole, or only its hotkeys (keeping name, path and flags).
// Slots outside 0 to 13 are left alone.
void FillDefaultProfile(HotkeyProfile& profile, int slot, bool hotkeysOnly);

} // namespace keyrelay
