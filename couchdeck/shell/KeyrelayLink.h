#pragma once
// What Couchdeck knows of Keyrelay: its program file beside Couchdeck, its settings window and
// the message that ends it.

#include <windows.h>

namespace keyrelay_link {

inline constexpr const char* kProgramFile = "Keyrelay.exe";
// Keyrelay's settings dialog (it exists, hidden, while Keyrelay runs).
inline constexpr const char* kWindowClass = "#32770";
inline constexpr const char* kWindowCaption = "Veltra Kova Remote";
// Sent to that window to end Keyrelay; the wParam tags it as Couchdeck's.
inline constexpr UINT kExitReceiverMessage = WM_USER + 1;
inline constexpr WPARAM kReceiverTag = 84;

} // namespace keyrelay_link
