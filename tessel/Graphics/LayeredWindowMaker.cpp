#include "tessel/Graphics/LayeredWindowMaker.h"

#include "tessel/System/Assert.h"

namespace tessel {

bool SetExStyleBits(HWND window, bool layered, bool clickThrough)
{
    constexpr LONG mask = WS_EX_LAYERED | WS_EX_TRANSPARENT;
    const LONG style = ::GetWindowLongA(window, GWL_EXSTYLE);
    const LONG wanted = (clickThrough ? WS_EX_TRANSPARENT : 0) | (layered ? WS_EX_LAYERED : 0);
    if ((style & mask) == wanted)
        return false;
    ::SetWindowLongA(window, GWL_EXSTYLE, (style & ~mask) | wanted);
    return true;
}

LayeredWindowMaker::LayeredWindowMaker()
{
    // Looked up, not linked: systems without layered windows lack the export.
    if (HMODULE user32 = ::GetModuleHandleA("user32.dll"))
        m_setAttributes = reinterpret_cast<SetAttributesFunction>(
            reinterpret_cast<void*>(::GetProcAddress(user32, "SetLayeredWindowAttributes")));
}

void LayeredWindowMaker::Apply(HWND window)
{
    TESSEL_ASSERT(IsEnabled());
    if (!m_colorKeyEnabled && !m_alphaEnabled) {
        if (SetExStyleBits(window, false, m_clickThrough))
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return;
    }
    SetExStyleBits(window, true, m_clickThrough);
    const DWORD flags = (m_colorKeyEnabled ? LWA_COLORKEY : 0) | (m_alphaEnabled ? LWA_ALPHA : 0);
    m_setAttributes(window, m_colorKey & 0xFFFFFFu, m_alpha, flags);
}

} // namespace tessel
