#pragma once
// An owned GDI region, and the region of a bitmap's pixels that are not its key colour.

#include "tessel/System/UniqueHandle.h"
#include "vcl/Graphics.h"

#include <windows.h>

namespace tessel {

// A new empty region; the caller owns it.
HRGN CreateEmptyRegion();

// WinRegion: owns one HRGN for its whole life; never copied (windows get a Duplicate).
// Coordinates are those of whatever the region describes (client or window pixels).
class WinRegion {
public:
    WinRegion();
    // The bitmap's rectangle minus every horizontal run of transparentColor pixels.
    WinRegion(vcl::TBitmap* bitmap, vcl::TColor transparentColor);
    WinRegion(const WinRegion&) = delete;
    WinRegion& operator=(const WinRegion&) = delete;

    // Right and bottom edges are exclusive.
    void SetRect(int left, int top, int right, int bottom);
    void SetEmpty() { SetRect(0, 0, 0, 0); }
    void Offset(int dx, int dy);
    // this = this minus other.
    void Subtract(const WinRegion& other);
    // A new region equal to this one; the caller owns it.
    HRGN Duplicate() const;
    bool Contains(int x, int y) const;
    HRGN Handle() const { return static_cast<HRGN>(m_region.get()); }
    // The key bytes are red = bits 0-7, green = 8-15, blue = 16-23 of transparentColor, used
    // as they are (no palette or system colour translation); a pixel is cut away only when all
    // three equal them. The bitmap is scanned at 24 bits per pixel and given its format back.
    void FromBitmap(vcl::TBitmap* bitmap, vcl::TColor transparentColor);

private:
    UniqueGdiObject m_region;
};

// Gives the window a copy of region (the window owns the copy; the region keeps its own).
void SetWindowRegion(HWND window, const WinRegion& region, bool redraw);

} // namespace tessel
