#pragma once
// Makes a top-level window partly see-through (colour key, constant alpha) and optionally
// click-through, with the window manager's layered-window attributes.

#include "vcl/Types.h"

#include <windows.h>

namespace tessel {

// Sets or clears WS_EX_LAYERED and WS_EX_TRANSPARENT, keeping every other extended style bit;
// answers whether the style changed.
bool SetExStyleBits(HWND window, bool layered, bool clickThrough);

// LayeredWindowMaker: a member of the form it serves. The setters only store; Apply makes the
// window match them. Requires IsEnabled (the system has SetLayeredWindowAttributes).
class LayeredWindowMaker {
public:
    LayeredWindowMaker();
    virtual ~LayeredWindowMaker() = default;

    bool IsEnabled() const { return m_setAttributes != nullptr; }
    void SetColorKeyEnabled(bool enabled) { m_colorKeyEnabled = enabled; }
    // The low 24 bits of a 0x00BBGGRR value; system colours are not translated.
    void SetColorKey(vcl::TColor color) { m_colorKey = 0xFF000000u | (static_cast<DWORD>(color) & 0xFFFFFFu); }
    void SetClickThrough(bool enabled) { m_clickThrough = enabled; }
    void SetAlphaEnabled(bool enabled) { m_alphaEnabled = enabled; }
    void SetAlpha(BYTE alpha) { m_alpha = alpha; }
    void Apply(HWND window);

private:
    using SetAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    DWORD m_colorKey = 0xFFFFFFFFu;
    bool m_colorKeyEnabled = false;
    bool m_clickThrough = false;
    bool m_alphaEnabled = false;
    BYTE m_alpha = 255;
    SetAttributesFunction m_setAttributes = nullptr;
};

} // namespace tessel
