#pragma once
// The names of the keys a hotkey row can choose, in the order of the key combo boxes, each with
// its virtual-key code.

#include <windows.h>

#include <span>
#include <string>

namespace keyrelay {

struct KeyName {
    std::string text;
    BYTE virtualKey;
};

constexpr size_t kKeyNameCount = 85;

// "Unused" first, then A to Z, 0 to 9, the editing keys, punctuation, navigation, F1 to F12 and
// the number pad.
std::span<const KeyName> KeyNames();

} // namespace keyrelay
