// Couchdeck's pictures and language files as installed in bin/.
#include "NoticeBitmap.h"

#include "tessel/System/ZyMultiLang.h"

#include "support/TestSupport.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using kova::test::BinDirectory;
using kova::test::FileExists;
using kova::test::ReadTextFile;

constexpr COLORREF kTransparent = 15826687;   // RGB(255, 126, 241)
static_assert(kTransparent == RGB(255, 126, 241));

// A 24-bit, uncompressed, bottom-up BMP file read into memory.
class Bmp24 {
public:
    explicit Bmp24(const std::string& path) : m_data(ReadTextFile(path))
    {
        if (m_data.size() < 54 || m_data[0] != 'B' || m_data[1] != 'M')
            return;
        BITMAPINFOHEADER header;
        std::memcpy(&header, m_data.data() + 14, sizeof(header));
        std::uint32_t offset;
        std::memcpy(&offset, m_data.data() + 10, sizeof(offset));
        if (header.biBitCount != 24 || header.biCompression != BI_RGB || header.biHeight <= 0)
            return;
        m_width = header.biWidth;
        m_height = header.biHeight;
        m_offset = offset;
        m_stride = (m_width * 3 + 3) & ~3;
        m_valid = m_data.size() >= m_offset + static_cast<size_t>(m_stride) * m_height;
    }

    bool Valid() const { return m_valid; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Pixel(int x, int y) const   // y from the top
    {
        const size_t at = m_offset + static_cast<size_t>(m_height - 1 - y) * m_stride + x * 3;
        const auto byte = [&](size_t i) { return static_cast<unsigned char>(m_data[at + i]); };
        return RGB(byte(2), byte(1), byte(0));
    }

private:
    std::string m_data;
    bool m_valid = false;
    int m_width = 0, m_height = 0, m_stride = 0;
    size_t m_offset = 0;
};

std::string ResourcePath(const char* file)
{
    return BinDirectory() + "Resource\\" + file;
}

class NoticePicture : public testing::TestWithParam<int> {};

TEST_P(NoticePicture, IsACardOnTheTransparentColour)
{
    const char* file = NoticeBitmapFile(GetParam());
    ASSERT_NE(file, nullptr);
    const Bmp24 picture(ResourcePath(file));
    ASSERT_TRUE(picture.Valid()) << file;
    EXPECT_EQ(picture.Width(), 304);
    EXPECT_EQ(picture.Height(), 198);
    // See-through all around, so the dialog takes the card's shape.
    for (int x = 0; x < picture.Width(); ++x) {
        ASSERT_EQ(picture.Pixel(x, 0), kTransparent) << x;
        ASSERT_EQ(picture.Pixel(x, picture.Height() - 1), kTransparent) << x;
    }
    for (int y = 0; y < picture.Height(); ++y) {
        ASSERT_EQ(picture.Pixel(0, y), kTransparent) << y;
        ASSERT_EQ(picture.Pixel(picture.Width() - 1, y), kTransparent) << y;
    }
    // The card itself is solid: no see-through pixel inside it.
    for (int y = 30; y < picture.Height() - 30; ++y)
        for (int x = 30; x < picture.Width() - 30; ++x)
            ASSERT_NE(picture.Pixel(x, y), kTransparent) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(EveryAssignedIndex, NoticePicture,
                         testing::Values(0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 16),
                         [](const testing::TestParamInfo<int>& info) {
                             const std::string file = NoticeBitmapFile(info.param);
                             return std::to_string(info.param) + "_" +
                                    file.substr(0, file.find('.'));
                         });

TEST(ModeImage, IsGreenLetteringOnBlackWithoutTheIndicatorsKeyColour)
{
    const Bmp24 picture(ResourcePath("ModeImage.bmp"));
    ASSERT_TRUE(picture.Valid());
    EXPECT_EQ(picture.Width(), 120);
    EXPECT_EQ(picture.Height(), 45);
    int green = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const COLORREF c = picture.Pixel(x, y);
            ASSERT_NE(c, RGB(255, 255, 0));   // the indicator window's see-through colour
            ASSERT_EQ(GetRValue(c), 0);
            ASSERT_EQ(GetBValue(c), 0);
            green += GetGValue(c) == 255;
        }
    EXPECT_EQ(picture.Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_GT(green, 200);
}

// The languages as the program finds them for each system language.
TEST(LangFiles, ListEnglishGermanAndJapanese)
{
    const struct {
        LANGID id;
        const char* language;
    } cases[] = {{0x0409, "English"}, {0x0809, "English"}, {0x0407, "German"},
                 {0x0807, "German"},  {0x0411, "Japanese"}, {0x040C, "English"}};
    for (const auto& c : cases)
        EXPECT_EQ(tessel::ZyMultiLang(BinDirectory(), c.id).Language(), c.language) << c.id;
}

TEST(LangFiles, TranslateEveryTextTheProgramUses)
{
    for (LANGID id : {0x0409, 0x0407, 0x0411}) {
        const tessel::ZyMultiLang lang(BinDirectory(), id);
        ASSERT_TRUE(FileExists(lang.LanguageFile())) << lang.LanguageFile();
        for (const char* text : {"Ok", "Active_Power_Property", "Never_Show"}) {
            EXPECT_NE(lang.Text(text), tessel::ZyMultiLang::kMissing) << id << " " << text;
            EXPECT_FALSE(lang.Text(text).empty());
        }
    }
    const tessel::ZyMultiLang english(BinDirectory(), 0x0409);
    for (LANGID id : {0x0407, 0x0411})
        EXPECT_NE(tessel::ZyMultiLang(BinDirectory(), id).Text("Never_Show"),
                  english.Text("Never_Show"));
}

TEST(LangFiles, JapaneseIsInItsCodePage)
{
    const std::string text =
        tessel::ZyMultiLang(BinDirectory(), 0x0411).Text("Active_Power_Property");
    const int wide = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0);
    EXPECT_GT(wide, 0);
    EXPECT_LT(wide, static_cast<int>(text.size()));   // double-byte characters
}

TEST(LangFiles, EveryLanguageHasItsHibernationText)
{
    for (LANGID id : {0x0409, 0x0407, 0x0411}) {
        const tessel::ZyMultiLang lang(BinDirectory(), id);
        const std::string path = lang.LocalizedPath("hibernate.txt");
        EXPECT_EQ(path, lang.LanguageDir() + "hibernate.txt");
        EXPECT_GT(ReadTextFile(path).size(), 100u) << path;
    }
}

// Width and height of a picture file as GDI+ reads it; 0 when it cannot.
SIZE PictureSize(const std::string& path)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return {0, 0};
    SIZE size = {0, 0};
    {
        const std::wstring widePath(path.begin(), path.end());
        Gdiplus::Bitmap picture(widePath.c_str());
        if (picture.GetLastStatus() == Gdiplus::Ok) {
            GUID format = {};
            picture.GetRawFormat(&format);
            if (format == Gdiplus::ImageFormatJPEG)
                size = {static_cast<LONG>(picture.GetWidth()),
                        static_cast<LONG>(picture.GetHeight())};
        }
    }
    Gdiplus::GdiplusShutdown(token);
    return size;
}

TEST(HelpPictures, AreJpegsThatEveryLanguageFinds)
{
    for (LANGID id : {0x0409, 0x0407, 0x0411}) {
        const tessel::ZyMultiLang lang(BinDirectory(), id);
        for (const char* name : {"Kova Remote Setting.jpg", "Kova Remote HID.jpg"}) {
            const SIZE size = PictureSize(lang.LocalizedPath(name));
            EXPECT_EQ(size.cx, 448) << name;
            EXPECT_EQ(size.cy, 392) << name;
        }
    }
}

} // namespace
