#pragma once
// The help pictures shown in Couchdeck's help window: "Kova Remote Setting.jpg" beside
// Keyrelay's settings window on the first run, and "Kova Remote HID.jpg" when no device may wake
// the computer.

#include <string>

namespace kova::couchdeckart {

inline constexpr int kHelpWidth = 448;
inline constexpr int kHelpHeight = 392;

// Writes both pictures into `folder` (ending in a backslash).
bool WriteHelpPictures(const std::string& folder);

} // namespace kova::couchdeckart
