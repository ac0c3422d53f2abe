#include "ArtCanvas.h"

#include <objidl.h>  // lean Windows headers leave out what GDI+ needs
#include <gdiplus.h>

#include <fstream>
#include <stdexcept>
#include <vector>

namespace kova::art {
namespace {

template <typename T>
void Put(std::vector<char>& out, T value)
{
    const char* bytes = reinterpret_cast<const char*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

bool WriteFile(const std::string& path, const std::vector<char>& data)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(data.data(), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(file);
}

} // namespace

ArtCanvas::ArtCanvas(int width, int height, COLORREF background)
    : m_width(width), m_height(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_dc.reset(CreateCompatibleDC(nullptr));
    if (!m_bitmap || !m_dc)
        throw std::runtime_error("cannot create a drawing surface");
    m_bits = static_cast<std::uint32_t*>(bits);
    m_oldBitmap = SelectObject(m_dc.get(), m_bitmap.get());
    tessel::UniqueGdiObject brush(CreateSolidBrush(background));
    const RECT all = {0, 0, width, height};
    FillRect(m_dc.get(), &all, static_cast<HBRUSH>(brush.get()));
}

COLORREF ArtCanvas::Pixel(int x, int y) const
{
    GdiFlush();
    const std::uint32_t p = Row(y)[x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void ArtCanvas::SetPixel(int x, int y, COLORREF color)
{
    GdiFlush();
    Row(y)[x] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

bool ArtCanvas::SaveBmp24(const std::string& path) const
{
    GdiFlush();
    const int stride = (m_width * 3 + 3) & ~3;
    const DWORD imageSize = static_cast<DWORD>(stride * m_height);
    std::vector<char> out;
    Put<WORD>(out, 0x4D42);
    Put<DWORD>(out, 14 + 40 + imageSize);
    Put<DWORD>(out, 0);
    Put<DWORD>(out, 14 + 40);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = m_width;
    header.biHeight = m_height;   // bottom-up, as every reader expects
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biSizeImage = imageSize;
    Put(out, header);
    for (int y = m_height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < m_width; ++x) {
            const std::uint32_t p = Row(y)[x];
            out.push_back(static_cast<char>(p & 0xFF));
            out.push_back(static_cast<char>((p >> 8) & 0xFF));
            out.push_back(static_cast<char>((p >> 16) & 0xFF));
        }
        out.resize(rowStart + static_cast<size_t>(stride), 0);
    }
    return WriteFile(path, out);
}

bool ArtCanvas::SaveIcon(const std::string& path, COLORREF transparent) const
{
    return SaveIconImages(path, {this}, transparent);
}

std::string ArtCanvas::IconImage(COLORREF transparent) const
{
    GdiFlush();
    const int maskStride = ((m_width + 31) / 32) * 4;
    std::vector<char> out;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = m_width;
    header.biHeight = m_height * 2;   // colour and mask
    header.biPlanes = 1;
    header.biBitCount = 32;
    Put(out, header);
    const std::uint32_t key =
        (GetRValue(transparent) << 16) | (GetGValue(transparent) << 8) | GetBValue(transparent);
    for (int y = m_height - 1; y >= 0; --y)
        for (int x = 0; x < m_width; ++x) {
            const std::uint32_t p = Row(y)[x] & 0xFFFFFF;
            Put<DWORD>(out, p == key ? 0 : (p | 0xFF000000u));
        }
    for (int y = m_height - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<size_t>(maskStride), 0);
        for (int x = 0; x < m_width; ++x)
            if ((Row(y)[x] & 0xFFFFFF) == key)
                row[static_cast<size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return std::string(out.begin(), out.end());
}

bool SaveIconImages(const std::string& path, std::initializer_list<const ArtCanvas*> images,
                    COLORREF transparent)
{
    std::vector<char> out;
    Put<WORD>(out, 0);   // reserved
    Put<WORD>(out, 1);   // icon
    Put<WORD>(out, static_cast<WORD>(images.size()));
    std::vector<std::string> data;
    for (const ArtCanvas* image : images)
        data.push_back(image->IconImage(transparent));
    DWORD offset = static_cast<DWORD>(6 + 16 * images.size());
    size_t i = 0;
    for (const ArtCanvas* image : images) {
        Put<BYTE>(out, static_cast<BYTE>(image->Width() >= 256 ? 0 : image->Width()));
        Put<BYTE>(out, static_cast<BYTE>(image->Height() >= 256 ? 0 : image->Height()));
        Put<BYTE>(out, 0);
        Put<BYTE>(out, 0);
        Put<WORD>(out, 1);
        Put<WORD>(out, 32);
        Put<DWORD>(out, static_cast<DWORD>(data[i].size()));
        Put<DWORD>(out, offset);
        offset += static_cast<DWORD>(data[i].size());
        ++i;
    }
    for (const std::string& image : data)
        out.insert(out.end(), image.begin(), image.end());
    return WriteFile(path, out);
}

namespace {

// GDI+ is started for the duration of one save.
class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        m_ok = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (m_ok)
            Gdiplus::GdiplusShutdown(m_token);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Ok() const { return m_ok; }

private:
    ULONG_PTR m_token = 0;
    bool m_ok = false;
};

// The encoder parameter "quality" (declared by the headers but not defined in every toolchain).
const GUID kEncoderQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

bool EncoderFor(const wchar_t* mimeType, CLSID& clsid)
{
    UINT count = 0;
    UINT size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::vector<char> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(codecs[i].MimeType) == mimeType) {
            clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

} // namespace

bool ArtCanvas::SaveJpeg(const std::string& path, int quality) const
{
    GdiFlush();
    const GdiplusSession session;
    CLSID jpeg = {};
    if (!session.Ok() || !EncoderFor(L"image/jpeg", jpeg))
        return false;
    Gdiplus::Bitmap image(m_width, m_height, m_width * 4, PixelFormat32bppRGB,
                          reinterpret_cast<BYTE*>(m_bits));
    ULONG value = static_cast<ULONG>(quality < 0 ? 0 : quality > 100 ? 100 : quality);
    Gdiplus::EncoderParameters parameters = {};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = kEncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &value;
    const std::wstring widePath(path.begin(), path.end());   // the generators' paths are ASCII
    return image.Save(widePath.c_str(), &jpeg, &parameters) == Gdiplus::Ok;
}

tessel::UniqueGdiObject MakeFont(int height, int weight, const char* face)
{
    return tessel::UniqueGdiObject(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE,
                                               ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                               CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                               DEFAULT_PITCH | FF_SWISS, face));
}

} // namespace kova::art
