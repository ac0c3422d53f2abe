// Device-independent bitmaps: loading and its errors, pixel formats, Assign, transparent
// colours, change notification and borrowed handles.
#include "VclTestSupport.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace vcl;
using kova::test::PixelOf;
using kova::test::SetPixelOf;

namespace {

std::vector<TColor> Pixels(TBitmap& bitmap)
{
    std::vector<TColor> pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            pixels.push_back(PixelOf(bitmap, x, y));
    return pixels;
}

void Paint(TBitmap& bitmap, const std::vector<TColor>& colors)
{
    int i = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            SetPixelOf(bitmap, x, y, colors[static_cast<size_t>(i++) % colors.size()]);
}

std::vector<BYTE> ReadFileBytes(const std::string& path)
{
    const std::string text = kova::test::ReadTextFile(path);
    return std::vector<BYTE>(text.begin(), text.end());
}

void WriteFileBytes(const std::string& path, const std::vector<BYTE>& bytes)
{
    kova::test::WriteTextFile(path, std::string(bytes.begin(), bytes.end()));
}

} // namespace

TEST(Bitmap, LoadingAMissingFileRaisesTheFileOpenError)
{
    kova::test::ScopedTempDir dir;
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromFile(dir.Path() + "absent.bmp"), EFOpenError);
    EXPECT_TRUE(bitmap.Empty());
}

struct Corruption {
    const char* name;
    size_t offset;  // where to write value; SIZE_MAX: truncate the file to `value` bytes
    std::uint32_t value;
    int width;      // bytes written at offset (1, 2 or 4)
};

class BitmapCorruption : public ::testing::TestWithParam<Corruption> {};

TEST_P(BitmapCorruption, RaisesInvalidGraphicAndKeepsThePreviousPicture)
{
    kova::test::ScopedTempDir dir;
    TBitmap source;
    source.SetPixelFormat(pf24bit);
    source.SetSize(5, 4);
    Paint(source, {clRed, clLime, clBlue});
    const std::string path = dir.Path() + "bad.bmp";
    source.SaveToFile(path);
    std::vector<BYTE> bytes = ReadFileBytes(path);
    const Corruption& c = GetParam();
    if (c.offset == SIZE_MAX)
        bytes.resize(c.value);
    else
        std::memcpy(bytes.data() + c.offset, &c.value, static_cast<size_t>(c.width));
    WriteFileBytes(path, bytes);

    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    Paint(bitmap, {clYellow});
    EXPECT_THROW(bitmap.LoadFromFile(path), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(PixelOf(bitmap, 2, 1), clYellow);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BitmapCorruption,
    ::testing::Values(Corruption{"Empty", SIZE_MAX, 0, 0}, Corruption{"HeaderOnly", SIZE_MAX, 20, 0},
                      Corruption{"TruncatedPixels", SIZE_MAX, 70, 0}, Corruption{"NotBM", 0, 0x5858, 2},
                      Corruption{"PixelsBeyondEnd", 10, 5000, 4}, Corruption{"InfoSizeTooSmall", 14, 5, 4},
                      Corruption{"ZeroWidth", 18, 0, 4}, Corruption{"ZeroHeight", 22, 0, 4},
                      Corruption{"HugeWidth", 18, 1000000, 4}, Corruption{"SevenBits", 28, 7, 2},
                      Corruption{"UnknownCompression", 30, 9, 4}, Corruption{"TwoPlanes", 26, 2, 2}),
    [](const ::testing::TestParamInfo<Corruption>& info) { return std::string(info.param.name); });

class BitmapFormat : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(BitmapFormat, ConvertingTo24BitsAndBackKeepsFormatAndPixels)
{
    const TPixelFormat format = GetParam();
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(7, 3);  // odd width: padded rows
    Paint(bitmap, {clBlack, clWhite, clRed, clBlue, static_cast<TColor>(0x0066FF), static_cast<TColor>(15826687)});
    const std::vector<TColor> original = Pixels(bitmap);
    bitmap.SetPixelFormat(format);
    EXPECT_EQ(bitmap.PixelFormat(), format);
    const std::vector<TColor> converted = Pixels(bitmap);
    if (format == pf24bit || format == pf32bit || format == pfDevice) {
        EXPECT_EQ(converted, original);
    }

    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetPixelFormat(format);
    EXPECT_EQ(bitmap.PixelFormat(), format);
    EXPECT_EQ(Pixels(bitmap), converted);

    kova::test::ScopedTempDir dir;
    bitmap.SaveToFile(dir.Path() + "round.bmp");
    TBitmap loaded;
    loaded.LoadFromFile(dir.Path() + "round.bmp");
    EXPECT_EQ(loaded.PixelFormat(), format == pfDevice ? pf32bit : format);
    EXPECT_EQ(Pixels(loaded), converted);
}

INSTANTIATE_TEST_SUITE_P(Formats, BitmapFormat,
                         ::testing::Values(pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice));

TEST(Bitmap, LoadsFromAnEmbeddedResourceWithItsTransparentCorner)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(HInstance(), "CHECK");
    EXPECT_EQ(bitmap.Width(), 8);
    EXPECT_EQ(bitmap.Height(), 6);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), static_cast<TColor>(15826687 | 0x02000000));
    bitmap.SetTransparentColor(clLime);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), clLime);
    EXPECT_THROW(bitmap.LoadFromResourceName(HInstance(), "NOSUCHPICTURE"), EResNotFound);
    EXPECT_EQ(bitmap.Width(), 8);
}

TEST(Bitmap, AssignCopiesPixelsFormatAndTransparencyAndNullEmpties)
{
    TBitmap source;
    source.SetPixelFormat(pf8bit);
    source.SetSize(4, 4);
    Paint(source, {clRed, clBlue});
    source.SetTransparentColor(clBlue);
    TBitmap copy;
    int changes = 0;
    copy.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &copy);
        ++changes;
    };
    copy.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.PixelFormat(), pf8bit);
    EXPECT_EQ(Pixels(copy), Pixels(source));
    EXPECT_EQ(copy.TransparentColor(), clBlue);
    SetPixelOf(source, 0, 0, clBlue);
    EXPECT_EQ(PixelOf(copy, 0, 0), clRed);  // a copy, not a share

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Handle(), nullptr);
    EXPECT_EQ(changes, 2);
}

TEST(Bitmap, DrawingSizingAndLoadingNotifyOnChange)
{
    TBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.SetSize(10, 10);
    EXPECT_EQ(changes, 1);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(TRect(0, 0, 5, 5));
    EXPECT_EQ(changes, 2);
    bitmap.SetSize(10, 10);
    EXPECT_EQ(changes, 2);
    bitmap.SetWidth(20);  // keeps the old corner, fills the rest with white
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(PixelOf(bitmap, 4, 4), clRed);
    EXPECT_EQ(PixelOf(bitmap, 15, 4), clWhite);
}

TEST(Bitmap, ABorrowedHandleCanBeDrawnFromAndGivenBack)
{
    TBitmap owner;
    owner.SetPixelFormat(pf24bit);
    owner.SetSize(6, 6);
    owner.Canvas()->Brush()->SetColor(clBlue);
    owner.Canvas()->FillRect(TRect(0, 0, 6, 6));  // the handle is now selected in owner's canvas
    HBITMAP handle = owner.Handle();

    TBitmap target;
    target.SetSize(6, 6);
    {
        TBitmap borrowed;
        borrowed.SetHandle(handle);
        EXPECT_EQ(borrowed.Width(), 6);
        EXPECT_EQ(borrowed.PixelFormat(), pf24bit);
        target.Canvas()->CopyRect(TRect(0, 0, 6, 6), borrowed.Canvas(), TRect(0, 0, 6, 6));
        EXPECT_EQ(borrowed.ReleaseHandle(), handle);
        EXPECT_TRUE(borrowed.Empty());
    }
    EXPECT_EQ(PixelOf(target, 3, 3), clBlue);
    // The owner still has and can draw on its picture.
    owner.Canvas()->Brush()->SetColor(clRed);
    owner.Canvas()->FillRect(TRect(0, 0, 1, 1));
    EXPECT_EQ(PixelOf(owner, 0, 0), clRed);
    EXPECT_EQ(PixelOf(owner, 5, 5), clBlue);
}

TEST(Bitmap, ScanLinesAreTopDownRowsOfTheCurrentFormat)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(3, 2);
    auto* row = static_cast<BYTE*>(bitmap.ScanLine(1));
    row[0] = 0xF1;  // blue, green, red of pixel (0, 1)
    row[1] = 0x7E;
    row[2] = 0xFF;
    EXPECT_EQ(PixelOf(bitmap, 0, 1), static_cast<TColor>(15826687));
    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphicOperation);
}
