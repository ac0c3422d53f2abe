#include "vcl/Graphics.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace vcl {

namespace detail {
// BITMAPINFO with room for 256 colours or three masks.
struct DibInfo {
    BITMAPINFOHEADER header{};
    RGBQUAD colors[256]{};
    BITMAPINFO* get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

} // namespace detail

using detail::DibInfo;

namespace {

constexpr int kMaxBitmapSide = 32768;
const char* const kInvalidBitmap = "Bitmap image is not valid";

int ScreenPixelsPerInch()
{
    tessel::WindowDc screen(nullptr);
    return screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

// Which TBitmap has an HBITMAP selected into its canvas DC: a bitmap can be selected into one
// DC only, so a canvas that wants a handle another one holds asks that one to let go first.
// The DIB sections made by TBitmap, all top-down; GetObject does not tell the orientation
// reliably on every system, and a handle given away with ReleaseHandle stays top-down.
std::unordered_map<HBITMAP, bool>& OwnTopDownDibs()
{
    static auto* table = new std::unordered_map<HBITMAP, bool>;
    return *table;
}

std::unordered_map<HBITMAP, TBitmap*>& SelectedBitmaps()
{
    static auto* table = new std::unordered_map<HBITMAP, TBitmap*>;
    return *table;
}

int BitsPerPixel(TPixelFormat format)
{
    switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
    }
}

int ColorTableSize(TPixelFormat format)
{
    const int bits = BitsPerPixel(format);
    return bits <= 8 ? 1 << bits : 0;
}

int Stride(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

std::vector<RGBQUAD> DefaultColors(TPixelFormat format)
{
    std::vector<RGBQUAD> colors;
    auto add = [&colors](int r, int g, int b) {
        colors.push_back(RGBQUAD{static_cast<BYTE>(b), static_cast<BYTE>(g), static_cast<BYTE>(r), 0});
    };
    if (format == pf1bit) {
        add(0, 0, 0);
        add(255, 255, 255);
    } else if (format == pf4bit) {
        static const int vga[16][3] = {{0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128},
                                       {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {128, 128, 128},
                                       {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255},
                                       {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (auto& c : vga)
            add(c[0], c[1], c[2]);
    } else if (format == pf8bit) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    add(r * 51, g * 51, b * 51);
        for (int i = 0; i < 40; ++i)
            add(i * 255 / 39, i * 255 / 39, i * 255 / 39);
    }
    return colors;
}

void FillInfo(DibInfo& info, int width, int height, TPixelFormat format, const std::vector<RGBQUAD>& colors)
{
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;  // top-down: row 0 is the top row
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(BitsPerPixel(format));
    info.header.biCompression = BI_RGB;
    const int tableSize = ColorTableSize(format);
    if (tableSize) {
        std::vector<RGBQUAD> table = colors.size() == static_cast<size_t>(tableSize) ? colors : DefaultColors(format);
        std::copy(table.begin(), table.end(), info.colors);
        info.header.biClrUsed = static_cast<DWORD>(tableSize);
    } else if (format == pf16bit) {
        info.header.biCompression = BI_BITFIELDS;
        DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
        std::memcpy(info.colors, masks, sizeof masks);
    }
}

} // namespace

// --- TGraphicsObject, TFont, TBrush, TPen ---------------------------------------------------

void TGraphicsObject::Changed()
{
    // Listeners (canvases, controls) swap the old handle out before it is deleted.
    tessel::UniqueGdiObject old(m_handle.release());
    if (OnChange)
        OnChange(this);
}

TFont::TFont() = default;

HFONT TFont::Handle()
{
    if (!m_handle) {
        m_handle.reset(::CreateFontA(m_height, 0, 0, 0, m_style.Contains(fsBold) ? FW_BOLD : FW_NORMAL,
                                     m_style.Contains(fsItalic), m_style.Contains(fsUnderline),
                                     m_style.Contains(fsStrikeOut), DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                     m_name.c_str()));
    }
    return static_cast<HFONT>(m_handle.get());
}

void TFont::SetName(const std::string& name)
{
    if (name != m_name) {
        m_name = name;
        Changed();
    }
}

void TFont::SetHeight(int height)
{
    if (height != m_height) {
        m_height = height;
        Changed();
    }
}

int TFont::Size() const
{
    return -::MulDiv(m_height, 72, ScreenPixelsPerInch());
}

void TFont::SetSize(int points)
{
    SetHeight(-::MulDiv(points, ScreenPixelsPerInch(), 72));
}

void TFont::SetColor(TColor color)
{
    if (color != m_color) {
        m_color = color;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles style)
{
    if (!(style == m_style)) {
        m_style = style;
        Changed();
    }
}

void TFont::Assign(TPersistent* source)
{
    auto* font = dynamic_cast<TFont*>(source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    m_name = font->m_name;
    m_height = font->m_height;
    m_color = font->m_color;
    m_style = font->m_style;
    Changed();
}

HBRUSH TBrush::Handle()
{
    if (!m_handle) {
        if (m_style == bsClear)
            m_handle.reset(::CreateBrushIndirect(std::data({LOGBRUSH{BS_HOLLOW, 0, 0}})));
        else
            m_handle.reset(::CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(m_color)) & 0xFFFFFF));
    }
    return static_cast<HBRUSH>(m_handle.get());
}

void TBrush::SetColor(TColor color)
{
    if (color != m_color || m_style == bsClear) {
        m_color = color;
        m_style = bsSolid;
        Changed();
    }
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style != m_style) {
        m_style = style;
        Changed();
    }
}

void TBrush::Assign(TPersistent* source)
{
    auto* brush = dynamic_cast<TBrush*>(source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    m_color = brush->m_color;
    m_style = brush->m_style;
    Changed();
}

HPEN TPen::Handle()
{
    if (!m_handle)
        m_handle.reset(::CreatePen(m_style == psClear ? PS_NULL : PS_SOLID, m_width,
                                   static_cast<COLORREF>(ColorToRGB(m_color)) & 0xFFFFFF));
    return static_cast<HPEN>(m_handle.get());
}

void TPen::SetColor(TColor color)
{
    if (color != m_color) {
        m_color = color;
        Changed();
    }
}

void TPen::SetWidth(int width)
{
    if (width != m_width) {
        m_width = width;
        Changed();
    }
}

void TPen::SetStyle(TPenStyle style)
{
    if (style != m_style) {
        m_style = style;
        Changed();
    }
}

void TPen::SetMode(TPenMode mode)
{
    if (mode != m_mode) {
        m_mode = mode;
        Changed();
    }
}

void TPen::Assign(TPersistent* source)
{
    auto* pen = dynamic_cast<TPen*>(source);
    if (!pen) {
        TPersistent::Assign(source);
        return;
    }
    m_color = pen->m_color;
    m_width = pen->m_width;
    m_style = pen->m_style;
    m_mode = pen->m_mode;
    Changed();
}

// --- TCanvas ---------------------------------------------------------------------------------

TCanvas::TCanvas()
{
    m_font.OnChange = [this](TObject*) {
        if (m_dc && m_oldFont)
            ::SelectObject(m_dc, m_oldFont);
        m_oldFont = nullptr;
        m_fontValid = false;
    };
    m_brush.OnChange = [this](TObject*) {
        if (m_dc && m_oldBrush)
            ::SelectObject(m_dc, m_oldBrush);
        m_oldBrush = nullptr;
        m_brushValid = false;
    };
    m_pen.OnChange = [this](TObject*) {
        if (m_dc && m_oldPen)
            ::SelectObject(m_dc, m_oldPen);
        m_oldPen = nullptr;
        m_penValid = false;
    };
}

TCanvas::~TCanvas()
{
    SetHandle(nullptr);
}

void TCanvas::SetHandle(HDC dc)
{
    if (m_dc) {
        if (m_oldFont)
            ::SelectObject(m_dc, m_oldFont);
        if (m_oldBrush)
            ::SelectObject(m_dc, m_oldBrush);
        if (m_oldPen)
            ::SelectObject(m_dc, m_oldPen);
    }
    m_oldFont = m_oldBrush = m_oldPen = nullptr;
    m_fontValid = m_brushValid = m_penValid = false;
    m_dc = dc;
}

HDC TCanvas::Handle()
{
    RequireAll();
    return m_dc;
}

void TCanvas::RequireAll()
{
    if (!m_dc)
        CreateHandle();
    if (!m_dc)
        throw EInvalidOperation("Canvas does not allow drawing");
    if (!m_fontValid) {
        HGDIOBJ old = ::SelectObject(m_dc, m_font.Handle());
        if (!m_oldFont)
            m_oldFont = old;
        ::SetTextColor(m_dc, static_cast<COLORREF>(ColorToRGB(m_font.Color())) & 0xFFFFFF);
        m_fontValid = true;
    }
    if (!m_brushValid) {
        HGDIOBJ old = ::SelectObject(m_dc, m_brush.Handle());
        if (!m_oldBrush)
            m_oldBrush = old;
        ::SetBkColor(m_dc, static_cast<COLORREF>(ColorToRGB(m_brush.Color())) & 0xFFFFFF);
        ::SetBkMode(m_dc, m_brush.Style() == bsClear ? TRANSPARENT : OPAQUE);
        m_brushValid = true;
    }
    if (!m_penValid) {
        HGDIOBJ old = ::SelectObject(m_dc, m_pen.Handle());
        if (!m_oldPen)
            m_oldPen = old;
        static const int rops[] = {R2_COPYPEN, R2_NOT, R2_XORPEN};
        ::SetROP2(m_dc, rops[m_pen.Mode()]);
        m_penValid = true;
    }
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TCanvas::FillRect(const TRect& rect)
{
    ::FillRect(Handle(), &rect, m_brush.Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& rect)
{
    ::FrameRect(Handle(), &rect, m_brush.Handle());
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    ::Rectangle(Handle(), left, top, right, bottom);
    Changed();
}

void TCanvas::MoveTo(int x, int y)
{
    ::MoveToEx(Handle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    ::LineTo(Handle(), x, y);
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    ::TextOutA(Handle(), x, y, text.c_str(), static_cast<int>(text.size()));
    Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text)
{
    const UINT options = ETO_CLIPPED | (m_brush.Style() == bsClear ? 0 : ETO_OPAQUE);
    ::ExtTextOutA(Handle(), x, y, options, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    Changed();
}

int TCanvas::TextWidth(const std::string& text)
{
    SIZE size{};
    ::GetTextExtentPoint32A(Handle(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int TCanvas::TextHeight(const std::string& text)
{
    SIZE size{};
    ::GetTextExtentPoint32A(Handle(), text.empty() ? "W" : text.c_str(), text.empty() ? 1 : static_cast<int>(text.size()), &size);
    return size.cy;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(this, TRect(x, y, x + graphic->Width(), y + graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(this, rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect)
{
    HDC target = Handle();
    HDC from = source->Handle();
    ::StretchBlt(target, dest.left, dest.top, dest.Width(), dest.Height(), from, sourceRect.left, sourceRect.top,
                 sourceRect.Width(), sourceRect.Height(), m_copyMode);
    Changed();
}

TColor TCanvas::Pixel(int x, int y)
{
    return static_cast<TColor>(::GetPixel(Handle(), x, y));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    ::SetPixelV(Handle(), x, y, static_cast<COLORREF>(ColorToRGB(color)) & 0xFFFFFF);
    Changed();
}

// --- TGraphic --------------------------------------------------------------------------------

void TGraphic::SetTransparent(bool value)
{
    if (value != m_transparent) {
        m_transparent = value;
        Changed();
    }
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

// --- TBitmap ---------------------------------------------------------------------------------

class TBitmap::BitmapCanvas : public TCanvas {
public:
    explicit BitmapCanvas(TBitmap* owner) : m_owner(owner) {}

protected:
    void CreateHandle() override { SetHandle(m_owner->CanvasDc()); }

private:
    TBitmap* m_owner;
};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap()
{
    DeselectFromDc();
    m_canvas.reset();
}

TCanvas* TBitmap::Canvas()
{
    if (!m_canvas) {
        m_canvas = std::make_unique<BitmapCanvas>(this);
        m_canvas->OnChange = [this](TObject*) { Changed(); };
    }
    return m_canvas.get();
}

HDC TBitmap::CanvasDc()
{
    if (!m_dc)
        m_dc.reset(::CreateCompatibleDC(nullptr));
    if (m_handle && !m_selected)
        SelectIntoDc(m_dc.get());
    return m_dc.get();
}

void TBitmap::SelectIntoDc(HDC dc)
{
    auto& table = SelectedBitmaps();
    auto it = table.find(Handle());
    if (it != table.end() && it->second != this)
        it->second->DeselectFromDc();
    m_dcOldBitmap = ::SelectObject(dc, m_handle.get());
    m_selected = true;
    table[Handle()] = this;
}

void TBitmap::DeselectFromDc()
{
    if (m_canvas)
        m_canvas->SetHandle(nullptr);
    if (m_selected) {
        ::SelectObject(m_dc.get(), m_dcOldBitmap);
        auto& table = SelectedBitmaps();
        auto it = table.find(Handle());
        if (it != table.end() && it->second == this)
            table.erase(it);
        m_selected = false;
        m_dcOldBitmap = nullptr;
    }
}

void TBitmap::Reset()
{
    DeselectFromDc();
    if (m_handle)
        OwnTopDownDibs().erase(Handle());
    m_handle.reset();
    m_bits = nullptr;
    m_bottomUp = false;
    m_width = m_height = m_stride = 0;
}

// Makes a new DIB of the given size and format; copies the old picture into it (over white)
// when asked. The old image is replaced only once the new one exists.
void TBitmap::ReplaceImage(int width, int height, TPixelFormat format, const std::vector<RGBQUAD>& colors, bool copyOld)
{
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        throw EInvalidGraphicOperation("Invalid bitmap size " + std::to_string(width) + " x " + std::to_string(height));
    std::vector<RGBQUAD> table = colors;
    if (ColorTableSize(format) && table.size() != static_cast<size_t>(ColorTableSize(format)))
        table = DefaultColors(format);
    if (width == 0 || height == 0) {
        Reset();
        m_format = format;
        if (!table.empty())
            m_colors = table;
        m_width = width;
        m_height = height;
        return;
    }
    DibInfo info;
    FillInfo(info, width, height, format, table);
    void* bits = nullptr;
    tessel::UniqueGdiObject handle(::CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!handle || !bits)
        throw EOutOfResources("Not enough storage is available to create the bitmap");
    OwnTopDownDibs()[static_cast<HBITMAP>(handle.get())] = true;
    {
        tessel::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        tessel::SelectGuard select(dc.get(), handle.get());
        ::PatBlt(dc.get(), 0, 0, width, height, WHITENESS);
        if (copyOld && m_handle) {
            DeselectFromDc();
            tessel::UniqueMemoryDc oldDc(::CreateCompatibleDC(nullptr));
            tessel::SelectGuard oldSelect(oldDc.get(), m_handle.get());
            ::BitBlt(dc.get(), 0, 0, std::min(width, m_width), std::min(height, m_height), oldDc.get(), 0, 0, SRCCOPY);
        }
        ::GdiFlush();
    }
    Reset();
    m_handle = std::move(handle);
    m_bits = bits;
    m_width = width;
    m_height = height;
    m_stride = Stride(width, BitsPerPixel(format));
    m_format = format;
    if (!table.empty())
        m_colors = table;
}

void TBitmap::SetWidth(int width)
{
    SetSize(width, m_height);
}

void TBitmap::SetHeight(int height)
{
    SetSize(m_width, height);
}

void TBitmap::SetSize(int width, int height)
{
    if (width == m_width && height == m_height)
        return;
    ReplaceImage(width, height, m_format, m_colors, true);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == m_format && (m_bits || !m_handle))
        return;
    ReplaceImage(m_width, m_height, format, m_colors, true);
    Changed();
}

void TBitmap::EnsureDib()
{
    if (m_handle && !m_bits)
        ReplaceImage(m_width, m_height, m_format, m_colors, true);
}

void* TBitmap::ScanLine(int y)
{
    if (y < 0 || y >= m_height)
        throw EInvalidGraphicOperation("Scan line index out of range");
    EnsureDib();
    ::GdiFlush();
    const int row = m_bottomUp ? m_height - 1 - y : y;
    return static_cast<BYTE*>(m_bits) + static_cast<size_t>(row) * static_cast<size_t>(m_stride);
}

void TBitmap::Adopt(HBITMAP handle)
{
    Reset();
    if (!handle)
        return;
    DIBSECTION section{};
    const int size = ::GetObjectA(handle, sizeof section, &section);
    if (size == 0)
        throw EInvalidGraphic(kInvalidBitmap);
    m_handle.reset(handle);
    m_width = section.dsBm.bmWidth;
    m_height = section.dsBm.bmHeight;
    if (size == sizeof(DIBSECTION) && section.dsBm.bmBits) {
        // DIB sections are used in place; anything else is read through GDI.
        m_bits = section.dsBm.bmBits;
        m_bottomUp = !OwnTopDownDibs().count(handle) && section.dsBmih.biHeight > 0;
        m_stride = section.dsBm.bmWidthBytes;
        switch (section.dsBmih.biBitCount) {
        case 1: m_format = pf1bit; break;
        case 4: m_format = pf4bit; break;
        case 8: m_format = pf8bit; break;
        case 16: m_format = section.dsBitfields[0] == 0xF800 ? pf16bit : pf15bit; break;
        case 24: m_format = pf24bit; break;
        default: m_format = pf32bit; break;
        }
        if (const int tableSize = ColorTableSize(m_format)) {
            std::vector<RGBQUAD> colors(static_cast<size_t>(tableSize));
            tessel::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
            tessel::SelectGuard select(dc.get(), handle);
            if (::GetDIBColorTable(dc.get(), 0, static_cast<UINT>(tableSize), colors.data()) == static_cast<UINT>(tableSize))
                m_colors = colors;
        }
    } else {
        m_format = pfDevice;
    }
}

void TBitmap::SetHandle(HBITMAP handle)
{
    if (handle == Handle())
        return;
    Adopt(handle);
    Changed();
}

HBITMAP TBitmap::ReleaseHandle()
{
    DeselectFromDc();
    auto* handle = static_cast<HBITMAP>(m_handle.release());
    Reset();
    Changed();
    return handle;
}

void TBitmap::LoadFromDibAt(const void* dib, size_t size, size_t pixelOffset)
{
    const auto* bytes = static_cast<const BYTE*>(dib);
    if (!dib || size < sizeof(DWORD))
        throw EInvalidGraphic(kInvalidBitmap);
    DWORD headerSize = 0;
    std::memcpy(&headerSize, bytes, sizeof headerSize);
    DibInfo source;
    size_t offset = 0;
    if (headerSize == sizeof(BITMAPCOREHEADER) && size >= headerSize) {
        BITMAPCOREHEADER core{};
        std::memcpy(&core, bytes, sizeof core);
        source.header.biSize = sizeof(BITMAPINFOHEADER);
        source.header.biWidth = core.bcWidth;
        source.header.biHeight = core.bcHeight;
        source.header.biPlanes = core.bcPlanes;
        source.header.biBitCount = core.bcBitCount;
        source.header.biCompression = BI_RGB;
        offset = headerSize;
        if (core.bcBitCount <= 8) {
            const size_t count = size_t{1} << core.bcBitCount;
            if (offset + count * sizeof(RGBTRIPLE) > size)
                throw EInvalidGraphic(kInvalidBitmap);
            for (size_t i = 0; i < count; ++i) {
                const BYTE* t = bytes + offset + i * sizeof(RGBTRIPLE);
                source.colors[i] = RGBQUAD{t[0], t[1], t[2], 0};
            }
            source.header.biClrUsed = static_cast<DWORD>(count);
            offset += count * sizeof(RGBTRIPLE);
        }
    } else if (headerSize >= sizeof(BITMAPINFOHEADER) && headerSize <= size && headerSize <= 1024) {
        std::memcpy(&source.header, bytes, sizeof(BITMAPINFOHEADER));
        offset = headerSize;
        const auto& h = source.header;
        const bool bitfields = h.biCompression == BI_BITFIELDS;
        if (bitfields && headerSize == sizeof(BITMAPINFOHEADER)) {
            if (offset + 3 * sizeof(DWORD) > size)
                throw EInvalidGraphic(kInvalidBitmap);
            std::memcpy(source.colors, bytes + offset, 3 * sizeof(DWORD));
            offset += 3 * sizeof(DWORD);
        } else if (bitfields) {
            std::memcpy(source.colors, bytes + sizeof(BITMAPINFOHEADER), 3 * sizeof(DWORD));
        }
        if (h.biBitCount <= 8 && h.biBitCount > 0) {
            const size_t max = size_t{1} << h.biBitCount;
            const size_t count = h.biClrUsed ? h.biClrUsed : max;
            if (count > max || offset + count * sizeof(RGBQUAD) > size)
                throw EInvalidGraphic(kInvalidBitmap);
            std::memcpy(source.colors, bytes + offset, count * sizeof(RGBQUAD));
            offset += count * sizeof(RGBQUAD);
        }
        source.header.biSize = sizeof(BITMAPINFOHEADER);
    } else {
        throw EInvalidGraphic(kInvalidBitmap);
    }
    if (pixelOffset != 0 && pixelOffset < offset)
        throw EInvalidGraphic(kInvalidBitmap);
    LoadParsed(source, bytes, size, pixelOffset ? pixelOffset : offset);
}

void TBitmap::LoadParsed(DibInfo& source, const BYTE* bytes, size_t size, size_t offset)
{
    const auto& h = source.header;
    const int width = h.biWidth;
    const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    TPixelFormat format;
    switch (h.biBitCount) {
    case 1: format = pf1bit; break;
    case 4: format = pf4bit; break;
    case 8: format = pf8bit; break;
    case 16: {
        DWORD redMask = 0;
        std::memcpy(&redMask, source.colors, sizeof redMask);
        format = h.biCompression == BI_BITFIELDS && redMask == 0xF800 ? pf16bit : pf15bit;
        break;
    }
    case 24: format = pf24bit; break;
    case 32: format = pf32bit; break;
    default: throw EInvalidGraphic(kInvalidBitmap);
    }
    const bool rle = (h.biCompression == BI_RLE8 && h.biBitCount == 8) || (h.biCompression == BI_RLE4 && h.biBitCount == 4);
    const bool plain = h.biCompression == BI_RGB ||
                       (h.biCompression == BI_BITFIELDS && (h.biBitCount == 16 || h.biBitCount == 32));
    if (h.biPlanes != 1 || width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        (!rle && !plain) || (rle && h.biHeight < 0) || offset > size)
        throw EInvalidGraphic(kInvalidBitmap);
    const size_t available = size - offset;
    const size_t needed = rle ? h.biSizeImage : static_cast<size_t>(Stride(width, h.biBitCount)) * static_cast<size_t>(height);
    if (needed == 0 || needed > available)
        throw EInvalidGraphic(kInvalidBitmap);

    std::vector<RGBQUAD> colors;
    if (const int tableSize = ColorTableSize(format)) {
        colors.assign(source.colors, source.colors + tableSize);
        if (h.biClrUsed && h.biClrUsed < static_cast<DWORD>(tableSize))
            std::fill(colors.begin() + h.biClrUsed, colors.end(), RGBQUAD{0, 0, 0, 0});
    }
    // Build the new picture aside so that a failure leaves this bitmap as it was.
    TBitmap loaded;
    loaded.ReplaceImage(width, height, format, colors, false);
    {
        tessel::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        if (::SetDIBits(dc.get(), loaded.Handle(), 0, static_cast<UINT>(height), bytes + offset, source.get(),
                        DIB_RGB_COLORS) == 0)
            throw EInvalidGraphic(kInvalidBitmap);
        ::GdiFlush();
    }
    TakeImageFrom(loaded);
    Changed();
}

void TBitmap::TakeImageFrom(TBitmap& other)
{
    other.DeselectFromDc();
    Reset();
    m_handle = std::move(other.m_handle);
    m_bits = std::exchange(other.m_bits, nullptr);
    m_width = other.m_width;
    m_height = other.m_height;
    m_stride = other.m_stride;
    m_bottomUp = other.m_bottomUp;
    m_format = other.m_format;
    m_colors = other.m_colors;
    other.Reset();
}

void TBitmap::LoadFromFile(const std::string& path)
{
    tessel::UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw EFOpenError(FileOpenErrorText(path, ::GetLastError()));
    LARGE_INTEGER fileSize{};
    if (!::GetFileSizeEx(file.get(), &fileSize) || fileSize.QuadPart > 512LL * 1024 * 1024)
        throw EInvalidGraphic(kInvalidBitmap);
    std::vector<BYTE> content(static_cast<size_t>(fileSize.QuadPart));
    DWORD read = 0;
    if (!content.empty() && (!::ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr) ||
                             read != content.size()))
        throw EFOpenError(FileOpenErrorText(path, ::GetLastError()));
    BITMAPFILEHEADER header{};
    if (content.size() < sizeof header + sizeof(DWORD))
        throw EInvalidGraphic(kInvalidBitmap);
    std::memcpy(&header, content.data(), sizeof header);
    if (header.bfType != 0x4D42 || header.bfOffBits < sizeof header || header.bfOffBits > content.size())
        throw EInvalidGraphic(kInvalidBitmap);
    const BYTE* dib = content.data() + sizeof header;
    const size_t dibSize = content.size() - sizeof header;
    // The pixels start where the file header says, whatever lies between.
    LoadFromDibAt(dib, dibSize, header.bfOffBits - sizeof header);
}

void TBitmap::LoadFromDib(const void* dib, size_t size)
{
    LoadFromDibAt(dib, size, 0);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name)
{
    LoadFromResource(instance, name.c_str(), name);
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id)
{
    LoadFromResource(instance, MAKEINTRESOURCEA(id), "#" + std::to_string(id));
}

void TBitmap::LoadFromResource(HINSTANCE instance, const char* name, const std::string& shownName)
{
    HRSRC resource = ::FindResourceA(instance, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data)
        throw EResNotFound("Resource " + shownName + " not found");
    LoadFromDib(data, ::SizeofResource(instance, resource));
}

void TBitmap::SaveToFile(const std::string& path)
{
    EnsureDib();
    DibInfo info;
    FillInfo(info, m_width, m_height, m_format, m_colors);
    info.header.biHeight = m_height;  // files are stored bottom-up
    const size_t tableBytes = ColorTableSize(m_format) * sizeof(RGBQUAD) + (m_format == pf16bit ? 3 * sizeof(DWORD) : 0);
    const size_t pixelBytes = static_cast<size_t>(m_stride) * static_cast<size_t>(m_height);
    info.header.biSizeImage = static_cast<DWORD>(pixelBytes);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = static_cast<DWORD>(sizeof header + sizeof(BITMAPINFOHEADER) + tableBytes);
    header.bfSize = static_cast<DWORD>(header.bfOffBits + pixelBytes);
    std::vector<BYTE> content(header.bfSize);
    std::memcpy(content.data(), &header, sizeof header);
    std::memcpy(content.data() + sizeof header, &info, sizeof(BITMAPINFOHEADER) + tableBytes);
    for (int y = 0; y < m_height; ++y)
        std::memcpy(content.data() + header.bfOffBits + static_cast<size_t>(m_height - 1 - y) * m_stride, ScanLine(y),
                    static_cast<size_t>(m_stride));
    tessel::UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
        written != content.size())
        throw EFOpenError(FileOpenErrorText(path, ::GetLastError()));
}

TColor TBitmap::PixelColor(int x, int y) const
{
    auto* self = const_cast<TBitmap*>(this);
    return static_cast<TColor>(::GetPixel(self->CanvasDc(), x, y));
}

TColor TBitmap::TransparentColor() const
{
    if (m_transparentMode == tmFixed)
        return m_transparentColor;
    if (Empty())
        return clDefault;
    return PixelColor(0, m_height - 1) | 0x02000000;
}

void TBitmap::SetTransparentColor(TColor color)
{
    m_transparentColor = color;
    m_transparentMode = tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == m_transparentMode)
        return;
    if (mode == tmFixed && m_transparentColor == clDefault)
        m_transparentColor = TransparentColor();
    m_transparentMode = mode;
    Changed();
}

void TBitmap::Assign(TPersistent* source)
{
    if (!source) {
        Reset();
        Changed();
        return;
    }
    auto* bitmap = dynamic_cast<TBitmap*>(source);
    if (!bitmap) {
        TPersistent::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    TBitmap copy;
    copy.m_colors = bitmap->m_colors;
    copy.ReplaceImage(bitmap->m_width, bitmap->m_height, bitmap->m_format, bitmap->m_colors, false);
    if (copy.m_handle) {
        for (int y = 0; y < copy.m_height; ++y)
            std::memcpy(copy.ScanLine(y), bitmap->ScanLine(y), static_cast<size_t>(copy.m_stride));
    }
    TakeImageFrom(copy);
    m_transparentColor = bitmap->m_transparentColor;
    m_transparentMode = bitmap->m_transparentMode;
    Changed();
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect)
{
    if (Empty() || !m_handle)
        return;
    HDC target = canvas->Handle();
    HDC source = CanvasDc();
    if (Transparent()) {
        const auto key = static_cast<UINT>(ColorToRGB(TransparentColor())) & 0xFFFFFF;
        ::GdiTransparentBlt(target, rect.left, rect.top, rect.Width(), rect.Height(), source, 0, 0, m_width, m_height, key);
    } else if (rect.Width() == m_width && rect.Height() == m_height) {
        ::BitBlt(target, rect.left, rect.top, m_width, m_height, source, 0, 0, canvas->CopyMode());
    } else {
        ::SetStretchBltMode(target, COLORONCOLOR);
        ::StretchBlt(target, rect.left, rect.top, rect.Width(), rect.Height(), source, 0, 0, m_width, m_height,
                     canvas->CopyMode());
    }
}

// --- TIcon -----------------------------------------------------------------------------------

namespace {
SIZE IconSize(HICON icon)
{
    SIZE size{0, 0};
    ICONINFO info{};
    if (icon && ::GetIconInfo(icon, &info)) {
        tessel::UniqueGdiObject color(info.hbmColor);
        tessel::UniqueGdiObject mask(info.hbmMask);
        BITMAP bm{};
        if (::GetObjectA(info.hbmMask, sizeof bm, &bm)) {
            size.cx = bm.bmWidth;
            size.cy = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
        }
    }
    return size;
}
} // namespace

int TIcon::Width() const
{
    return IconSize(m_handle.get()).cx;
}

int TIcon::Height() const
{
    return IconSize(m_handle.get()).cy;
}

void TIcon::SetHandle(HICON icon)
{
    if (icon == m_handle.get())
        return;
    m_handle.reset(icon);
    Changed();
}

HICON TIcon::ReleaseHandle()
{
    HICON icon = m_handle.release();
    Changed();
    return icon;
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect)
{
    if (m_handle)
        ::DrawIconEx(canvas->Handle(), rect.left, rect.top, m_handle.get(), rect.Width(), rect.Height(), 0, nullptr,
                     DI_NORMAL);
}

void TIcon::Assign(TPersistent* source)
{
    auto* icon = dynamic_cast<TIcon*>(source);
    if (source && !icon) {
        TPersistent::Assign(source);
        return;
    }
    m_handle.reset(icon && icon->m_handle ? ::CopyIcon(icon->m_handle.get()) : nullptr);
    Changed();
}

// --- TPicture --------------------------------------------------------------------------------

TBitmap* TPicture::Bitmap()
{
    if (!m_bitmap) {
        m_bitmap = std::make_unique<TBitmap>();
        m_bitmap->OnChange = [this](TObject*) {
            if (OnChange)
                OnChange(this);
        };
    }
    return m_bitmap.get();
}

void TPicture::Assign(TPersistent* source)
{
    if (auto* picture = dynamic_cast<TPicture*>(source)) {
        if (picture->m_bitmap)
            Bitmap()->Assign(picture->m_bitmap.get());
        else if (m_bitmap)
            m_bitmap->Assign(nullptr);
        return;
    }
    if (!source || dynamic_cast<TBitmap*>(source)) {
        Bitmap()->Assign(source);
        return;
    }
    TPersistent::Assign(source);
}

} // namespace vcl
