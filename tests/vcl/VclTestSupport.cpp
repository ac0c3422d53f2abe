#include "VclTestSupport.h"

namespace kova::test {

bool PumpApplicationUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const ULONGLONG start = ::GetTickCount64();
    while (!done()) {
        if (::GetTickCount64() - start > timeoutMs)
            return false;
        vcl::Application->ProcessMessages();
        ::Sleep(5);
    }
    return true;
}

void PumpApplicationFor(DWORD milliseconds)
{
    PumpApplicationUntil([] { return false; }, milliseconds);
}

vcl::TColor PixelOf(vcl::TBitmap& bitmap, int x, int y)
{
    return bitmap.Canvas()->Pixel(x, y);
}

void SetPixelOf(vcl::TBitmap& bitmap, int x, int y, vcl::TColor color)
{
    bitmap.Canvas()->SetPixel(x, y, color);
}

} // namespace kova::test
