#include "tessel/Graphics/Graphicutility.h"

namespace tessel {

void DrawBitmapRect(vcl::TCanvas* target, int x, int y, vcl::TBitmap* source, const RECT& sourceRect)
{
    const vcl::TCopyMode previous = target->CopyMode();
    target->SetCopyMode(vcl::cmSrcCopy);
    try {
        target->CopyRect(vcl::TRect(x, y, x + RectWidth(sourceRect), y + RectHeight(sourceRect)), source->Canvas(),
                         sourceRect);
    } catch (...) {
        target->SetCopyMode(previous);
        throw;
    }
    target->SetCopyMode(previous);
}

} // namespace tessel
