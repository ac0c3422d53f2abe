#pragma once
// Helpers of the form library's tests: pumping through the application object and pixels.

#include "vcl/Vcl.h"

#include <functional>

namespace kova::test {

// Runs the application's own message handling (OnMessage included) until `done` holds or
// the time is up.
bool PumpApplicationUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpApplicationFor(DWORD milliseconds);

// The 0x00BBGGRR colour of pixel (x, y) of a bitmap, read from its scan lines.
vcl::TColor PixelOf(vcl::TBitmap& bitmap, int x, int y);
void SetPixelOf(vcl::TBitmap& bitmap, int x, int y, vcl::TColor color);

} // namespace kova::test
