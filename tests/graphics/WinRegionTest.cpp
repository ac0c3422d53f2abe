// Regions cut from bitmaps: key colour runs removed exactly, the bitmap left as it was.
#include "tessel/Graphics/WinRegion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vcl;
using tessel::WinRegion;

namespace {

constexpr TColor kKey = 15826687;  // red 255, green 126, blue 241

// A bitmap whose rows are given as text: '#' key colour, '.' white, digits other colours.
void Draw(TBitmap& bitmap, const std::vector<std::string>& rows, TPixelFormat format = pf24bit)
{
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const char c = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
            bitmap.Canvas()->SetPixel(x, y, c == '#' ? kKey : c == '.' ? clWhite : clBlue);
        }
    bitmap.SetPixelFormat(format);
}

std::vector<std::string> Shape(const WinRegion& region, int width, int height)
{
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += region.Contains(x, y) ? 'x' : ' ';
        rows.push_back(row);
    }
    return rows;
}

bool IsEmpty(const WinRegion& region)
{
    RECT box{};
    return ::GetRgnBox(region.Handle(), &box) == NULLREGION;
}

} // namespace

TEST(WinRegion, ABitmapWithoutTheKeyColourGivesTheWholeRectangle)
{
    TBitmap bitmap;
    Draw(bitmap, {"..1.", "1..."});
    WinRegion region(&bitmap, kKey);
    RECT box{};
    EXPECT_EQ(::GetRgnBox(region.Handle(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 4);
    EXPECT_EQ(box.bottom, 2);
}

TEST(WinRegion, ABitmapAllInTheKeyColourGivesAnEmptyRegion)
{
    TBitmap bitmap;
    Draw(bitmap, {"###", "###"});
    EXPECT_TRUE(IsEmpty(WinRegion(&bitmap, kKey)));
    TBitmap empty;
    EXPECT_TRUE(IsEmpty(WinRegion(&empty, kKey)));
}

TEST(WinRegion, RunsAtTheEdgesAndInsideRowsAreCutOut)
{
    TBitmap bitmap;
    Draw(bitmap, {"##..#", ".#.##", "....#", "#...."});
    WinRegion region(&bitmap, kKey);
    const std::vector<std::string> expected = {"  xx ", "x x  ", "xxxx ", " xxxx"};
    EXPECT_EQ(Shape(region, 5, 4), expected);
}

class KeyMatching : public ::testing::TestWithParam<TColor> {};

TEST_P(KeyMatching, APixelDifferingByOneInAnyChannelStays)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(2, 1);
    bitmap.Canvas()->SetPixel(0, 0, kKey);
    bitmap.Canvas()->SetPixel(1, 0, GetParam());
    WinRegion region(&bitmap, kKey);
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_TRUE(region.Contains(1, 0));
}

INSTANTIATE_TEST_SUITE_P(Neighbours, KeyMatching,
                         ::testing::Values(static_cast<TColor>(0xF17EFE), static_cast<TColor>(0xF17FFF),
                                           static_cast<TColor>(0xF07EFF), static_cast<TColor>(0xF27EFF)));

class FormatRestored : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(FormatRestored, TheBitmapGetsItsPixelFormatAndPixelsBack)
{
    TBitmap bitmap;
    Draw(bitmap, {"#.1", "1.#"}, GetParam());
    std::vector<TColor> before;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            before.push_back(bitmap.Canvas()->Pixel(x, y));
    WinRegion region(&bitmap, kKey);
    EXPECT_EQ(bitmap.PixelFormat(), GetParam());
    std::vector<TColor> after;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            after.push_back(bitmap.Canvas()->Pixel(x, y));
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatRestored, ::testing::Values(pf8bit, pf16bit, pf24bit, pf32bit, pfDevice));

TEST(WinRegion, RectangleOffsetSubtractAndDuplicate)
{
    WinRegion region;
    region.SetRect(0, 0, 10, 10);
    EXPECT_TRUE(region.Contains(9, 9));
    EXPECT_FALSE(region.Contains(10, 10));  // right and bottom are exclusive
    WinRegion hole;
    hole.SetRect(2, 2, 4, 4);
    region.Subtract(hole);
    EXPECT_FALSE(region.Contains(3, 3));
    region.Offset(5, 0);
    EXPECT_TRUE(region.Contains(14, 0));
    EXPECT_FALSE(region.Contains(8, 3));

    tessel::UniqueGdiObject copy(region.Duplicate());
    region.SetEmpty();
    EXPECT_TRUE(IsEmpty(region));
    EXPECT_TRUE(::PtInRegion(static_cast<HRGN>(copy.get()), 14, 0));
}

TEST(WinRegion, AWindowGetsACopyOfTheRegion)
{
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    WinRegion region;
    region.SetRect(0, 0, 20, 30);
    tessel::SetWindowRegion(window, region, true);
    region.SetEmpty();  // the window's copy is unaffected
    tessel::UniqueGdiObject applied(tessel::CreateEmptyRegion());
    EXPECT_EQ(::GetWindowRgn(window, static_cast<HRGN>(applied.get())), SIMPLEREGION);
    RECT box{};
    ::GetRgnBox(static_cast<HRGN>(applied.get()), &box);
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(box.bottom, 30);
    ::DestroyWindow(window);
}
