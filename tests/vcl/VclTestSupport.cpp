#include "VclTestSupport.h"

#include <gtest/gtest.h>

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

namespace {

// An exception escaping a window procedure would otherwise open a message box and stall
// the test until its timeout: report it as a failure instead.
class ExceptionsFailTests : public ::testing::Environment {
public:
    void SetUp() override
    {
        vcl::Application->OnException = [](vcl::TObject*, const std::exception& error) {
            ADD_FAILURE() << "exception escaped an event handler: " << error.what();
        };
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ExceptionsFailTests);

} // namespace
