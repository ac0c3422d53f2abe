#pragma once
// Small drawing helpers shared by the figures and painters.

#include "vcl/Graphics.h"

namespace tessel {

inline int RectWidth(const RECT& rect) { return rect.right - rect.left; }
inline int RectHeight(const RECT& rect) { return rect.bottom - rect.top; }

// Copies sourceRect of source onto target at (x, y), unscaled, with SRCCOPY; the target's
// copy mode is restored afterwards.
void DrawBitmapRect(vcl::TCanvas* target, int x, int y, vcl::TBitmap* source, const RECT& sourceRect);

} // namespace tessel
