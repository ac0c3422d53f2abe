#pragma once
// Cuts a window to the drawn part of a picture and lets the user drag it by that picture.

#include "vcl/ExtCtrls.h"

namespace tessel {

// IrregularWindowMaker: a member of the form it shapes; Make runs once, when the form is first
// shown. The image must show its bitmap unscaled from its top-left corner. Afterwards a left
// press on the image moves the window; the image's earlier OnMouseDown still runs for every
// press. Nothing is undone by the destructor: the window keeps its region, the image the
// handler (which refers to neither this object nor anything it owns).
class IrregularWindowMaker {
public:
    IrregularWindowMaker(vcl::TWinControl* window, vcl::TImage* image);
    // Make with the transparent colour of the image's picture bitmap.
    void Make();
    void Make(vcl::TColor transparentColor);
    bool IsMade() const { return m_made; }

private:
    vcl::TWinControl* m_window;
    vcl::TImage* m_image;
    bool m_made = false;
    vcl::TMouseEvent m_replacedMouseDown;
};

} // namespace tessel
