#include "tessel/Graphics/IrregularWindowMaker.h"

#include "tessel/Graphics/WinRegion.h"
#include "vcl/Forms.h"

namespace tessel {

IrregularWindowMaker::IrregularWindowMaker(vcl::TWinControl* window, vcl::TImage* image)
    : m_window(window), m_image(image)
{
}

void IrregularWindowMaker::Make()
{
    Make(m_image->Picture()->Bitmap()->TransparentColor());
}

void IrregularWindowMaker::Make(vcl::TColor transparentColor)
{
    if (m_made)
        return;
    WinRegion region(m_image->Picture()->Bitmap(), transparentColor);
    const vcl::TPoint imageOnScreen = m_image->ClientToScreen(vcl::TPoint(0, 0));
    const vcl::TPoint windowOnScreen = m_window->Parent()
                                           ? m_window->Parent()->ClientToScreen(vcl::TPoint(m_window->Left(), m_window->Top()))
                                           : vcl::TPoint(m_window->Left(), m_window->Top());
    auto* form = dynamic_cast<vcl::TForm*>(m_window);
    const int extra = form && form->FormStyle() == vcl::fsMDIForm ? 2 : 0;
    region.Offset(imageOnScreen.x + extra - windowOnScreen.x, imageOnScreen.y + extra - windowOnScreen.y);
    SetWindowRegion(m_window->Handle(), region, true);

    m_replacedMouseDown = m_image->OnMouseDown;
    vcl::TWinControl* window = m_window;
    vcl::TMouseEvent replaced = m_replacedMouseDown;
    m_image->OnMouseDown = [window, replaced](vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift,
                                              int x, int y) {
        if (button == vcl::mbLeft) {
            ::ReleaseCapture();
            // The system's move loop runs as if the caption had been grabbed, until release.
            ::SendMessageA(window->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
        if (replaced)
            replaced(sender, button, shift, x, y);
    };
    m_made = true;
}

} // namespace tessel
