#include "tessel/Graphics/WinRegion.h"

#include "tessel/System/Assert.h"

namespace tessel {

HRGN CreateEmptyRegion()
{
    HRGN hrgn = ::CreateRectRgn(0, 0, 0, 0);
    TESSEL_ASSERT(hrgn != NULL);
    return hrgn;
}

WinRegion::WinRegion() : m_region(CreateEmptyRegion()) {}

WinRegion::WinRegion(vcl::TBitmap* bitmap, vcl::TColor transparentColor) : WinRegion()
{
    FromBitmap(bitmap, transparentColor);
}

void WinRegion::SetRect(int left, int top, int right, int bottom)
{
    const int result = ::SetRectRgn(Handle(), left, top, right, bottom);
    TESSEL_ASSERT(result != 0);
}

void WinRegion::Offset(int dx, int dy)
{
    const int result = ::OffsetRgn(Handle(), dx, dy);
    TESSEL_ASSERT(result != ERROR);
}

void WinRegion::Subtract(const WinRegion& other)
{
    const int combineResult = ::CombineRgn(Handle(), Handle(), other.Handle(), RGN_DIFF);
    TESSEL_ASSERT(combineResult != ERROR);
}

HRGN WinRegion::Duplicate() const
{
    UniqueGdiObject copy(CreateEmptyRegion());
    const int combineResult = ::CombineRgn(static_cast<HRGN>(copy.get()), Handle(), nullptr, RGN_COPY);
    TESSEL_ASSERT(combineResult != ERROR);
    return static_cast<HRGN>(copy.release());
}

bool WinRegion::Contains(int x, int y) const
{
    return ::PtInRegion(Handle(), x, y) == 1;
}

void WinRegion::FromBitmap(vcl::TBitmap* bitmap, vcl::TColor transparentColor)
{
    const int width = bitmap->Width();
    const int height = bitmap->Height();
    SetRect(0, 0, width, height);
    const vcl::TPixelFormat format = bitmap->PixelFormat();
    bitmap->SetPixelFormat(vcl::pf24bit);
    const BYTE red = static_cast<BYTE>(transparentColor & 0xFF);
    const BYTE green = static_cast<BYTE>((transparentColor >> 8) & 0xFF);
    const BYTE blue = static_cast<BYTE>((transparentColor >> 16) & 0xFF);
    auto transparent = [&](const BYTE* pixel) { return pixel[0] == blue && pixel[1] == green && pixel[2] == red; };

    WinRegion run;
    for (int y = 0; y < height; ++y) {
        const BYTE* rowStart = static_cast<const BYTE*>(bitmap->ScanLine(y));
        const BYTE* end = rowStart + 3 * width;
        const BYTE* p = rowStart;
        while (p < end) {
            while (p < end && !transparent(p))
                p += 3;
            const BYTE* start = p;
            while (p < end && transparent(p))
                p += 3;
            if (p != start) {
                run.SetRect(static_cast<int>((start - rowStart) / 3), y, static_cast<int>((p - rowStart) / 3), y + 1);
                Subtract(run);
            }
        }
    }
    bitmap->SetPixelFormat(format);
}

void SetWindowRegion(HWND window, const WinRegion& region, bool redraw)
{
    ::SetWindowRgn(window, region.Duplicate(), redraw);
}

} // namespace tessel
