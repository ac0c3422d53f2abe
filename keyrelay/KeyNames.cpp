#include "KeyNames.h"

#include <vector>

namespace keyrelay {
namespace {

std::vector<KeyName> BuildKeyNames()
{
    std::vector<KeyName> names;
    names.reserve(kKeyNameCount);
    names.push_back({"Unused", 0});
    for (char c = 'A'; c <= 'Z'; ++c)
        names.push_back({std::string(1, c), static_cast<BYTE>(c)});
    for (char c = '0'; c <= '9'; ++c)
        names.push_back({std::string(1, c), static_cast<BYTE>(c)});
    const KeyName fixed[] = {
        {"Backspace", VK_BACK}, {"Tab", VK_TAB}, {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},
        {"Space", VK_SPACE},
        {";", 186}, {"=", 187}, {",", 188}, {"-", 189}, {".", 190}, {"/", 191}, {"`", 192},
        {"[", 219}, {"\\", 220}, {"]", 221}, {"'", 222},
        {"Insert", VK_INSERT}, {"Delete", VK_DELETE}, {"Home", VK_HOME}, {"End", VK_END},
        {"Page Up", VK_PRIOR}, {"Page Down", VK_NEXT},
        {"Arrow Left", VK_LEFT}, {"Arrow Up", VK_UP}, {"Arrow Right", VK_RIGHT}, {"Arrow Down", VK_DOWN},
    };
    names.insert(names.end(), std::begin(fixed), std::end(fixed));
    for (int f = 1; f <= 12; ++f)
        names.push_back({"F" + std::to_string(f), static_cast<BYTE>(VK_F1 + f - 1)});
    for (int n = 0; n <= 9; ++n)
        names.push_back({"Numpad " + std::to_string(n), static_cast<BYTE>(VK_NUMPAD0 + n)});
    return names;
}

} // namespace

std::span<const KeyName> KeyNames()
{
    static const std::vector<KeyName> names = BuildKeyNames();
    return names;
}

} // namespace keyrelay
