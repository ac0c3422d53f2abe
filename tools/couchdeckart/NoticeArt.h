#pragma once
// The notice and confirmation cards of Couchdeck's "Resource\" folder, and the quiet-mode
// indicator picture.

#include <windows.h>

#include <string>

namespace kova::couchdeckart {

// The colour around the card that Couchdeck shows as see-through: RGB(255, 126, 241).
inline constexpr COLORREF kTransparent = RGB(255, 126, 241);
inline constexpr int kNoticeWidth = 304;
inline constexpr int kNoticeHeight = 198;

// Writes the sixteen cards into `folder` (ending in a backslash); false on the first failure.
bool WriteNotices(const std::string& folder);

// "ModeImage.bmp": the words Noise Off in bright green on black, 120 by 45.
bool WriteModeImage(const std::string& folder);

} // namespace kova::couchdeckart
