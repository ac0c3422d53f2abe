#pragma once
// A drawing surface for the artwork generators: a top-down 32-bit DIB section selected into a
// memory DC, so GDI draws on it and the pixels can be read and written as files.

#include "tessel/System/UniqueHandle.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace kova::art {

class ArtCanvas {
public:
    ArtCanvas(int width, int height, COLORREF background);
    ArtCanvas(const ArtCanvas&) = delete;
    ArtCanvas& operator=(const ArtCanvas&) = delete;

    HDC Dc() const { return m_dc.get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

    // GDI leaves the alpha byte alone; bitmaps and icons are written without it.
    bool SaveBmp24(const std::string& path) const;
    // An icon of this one image, its mask taken from the pixels of `transparent`.
    bool SaveIcon(const std::string& path, COLORREF transparent) const;
    // A baseline JPEG through GDI+, quality 0 to 100.
    bool SaveJpeg(const std::string& path, int quality = 90) const;
    // This image's directory entry data: 32-bit colour and AND mask, as an icon file stores it.
    std::string IconImage(COLORREF transparent) const;

private:
    std::uint32_t* Row(int y) const { return m_bits + static_cast<size_t>(y) * m_width; }

    int m_width;
    int m_height;
    std::uint32_t* m_bits = nullptr;
    tessel::UniqueGdiObject m_bitmap;
    tessel::UniqueMemoryDc m_dc;
    HGDIOBJ m_oldBitmap = nullptr;
};

// An icon file holding several images (16 x 16 and 32 x 32, say), so each size is drawn for itself
// instead of scaled; masks taken from the pixels of `transparent`.
bool SaveIconImages(const std::string& path, std::initializer_list<const ArtCanvas*> images,
                    COLORREF transparent);

// A GDI font for the generators' lettering.
tessel::UniqueGdiObject MakeFont(int height, int weight, const char* face = "Arial");

} // namespace kova::art
