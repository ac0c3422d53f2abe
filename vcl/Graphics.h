#pragma once
// Fonts, brushes, pens, canvases and pictures.

#include "vcl/Classes.h"

#include "tessel/System/UniqueHandle.h"

#include <memory>
#include <string>
#include <vector>

namespace vcl {

// Base of TFont, TBrush and TPen: a description whose GDI handle is made on demand and remade
// after each change. OnChange fires after every change.
class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
    tessel::UniqueGdiObject m_handle;
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;

// TFont: a logical font. Height is in pixels (negative: character height, as in LOGFONT);
// Size is in points. New fonts are "MS Sans Serif", height -11, black.
class TFont : public TGraphicsObject {
public:
    TFont();
    HFONT Handle();
    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);
    void Assign(TPersistent* source) override;

private:
    std::string m_name = "MS Sans Serif";
    int m_height = -11;
    TColor m_color = clWindowText;
    TFontStyles m_style;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    HBRUSH Handle();
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style);
    void Assign(TPersistent* source) override;

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
};

enum TPenStyle { psSolid, psClear };
enum TPenMode { pmCopy, pmNot, pmXor };

class TPen : public TGraphicsObject {
public:
    HPEN Handle();
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    int Width() const { return m_width; }
    void SetWidth(int width);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode mode);
    void Assign(TPersistent* source) override;

private:
    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = psSolid;
    TPenMode m_mode = pmCopy;
};

class TGraphic;
namespace detail { struct DibInfo; }

using TCopyMode = DWORD;  // a raster operation
constexpr TCopyMode cmSrcCopy = SRCCOPY;

// TCanvas: drawing on a device context with the canvas's own Font, Brush and Pen, which are
// selected into the context whenever Handle is asked for after a change. A canvas either
// draws on a context it is given (SetHandle, e.g. in owner-draw events) or on its owner's
// (a bitmap's canvas makes its own memory context). OnChange fires after each drawing call.
class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    HDC Handle();
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return m_dc != nullptr; }
    TFont* Font() { return &m_font; }
    TBrush* Brush() { return &m_brush; }
    TPen* Pen() { return &m_pen; }
    TCopyMode CopyMode() const { return m_copyMode; }
    void SetCopyMode(TCopyMode mode) { m_copyMode = mode; }

    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    // Copies source's rectangle onto dest with CopyMode.
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);
    // Kept for code that brackets drawing from several places; one thread only, so no-ops.
    void Lock() {}
    void Unlock() {}
    void Changed();

    TNotifyEvent OnChange;

protected:
    // A canvas without a context asks for one here; a bitmap's canvas makes its memory DC.
    virtual void CreateHandle() {}
    void RequireAll();

private:
    HDC m_dc = nullptr;
    TFont m_font;
    TBrush m_brush;
    TPen m_pen;
    bool m_fontValid = false;
    bool m_brushValid = false;
    bool m_penValid = false;
    HGDIOBJ m_oldFont = nullptr;
    HGDIOBJ m_oldBrush = nullptr;
    HGDIOBJ m_oldPen = nullptr;
    TCopyMode m_copyMode = cmSrcCopy;
};

// Base of the pictures: something with a size that draws itself onto a canvas.
class TGraphic : public TPersistent {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }
    virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
    // Drawn with its transparent colour left out (TBitmap); set by TImage.Transparent.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    bool m_transparent = false;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

// TBitmap: a device-independent bitmap (a DIB section) with a pixel format that can be
// changed in place, loading from BMP files and from BITMAP resources, Assign, a transparent
// colour and a canvas. A new bitmap is 0 x 0, pfDevice (kept as 32 bits per pixel).
// Handle: setting it hands this bitmap an HBITMAP to own; ReleaseHandle gives it back
// without deleting it (for wrapping someone else's handle for a moment).
// OnChange fires after every change of size, format, content or handle.
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetWidth(int width);
    void SetHeight(int height);
    void SetSize(int width, int height);
    TPixelFormat PixelFormat() const { return m_format; }
    // Converts the pixels to the new format (colours kept as closely as the format allows).
    void SetPixelFormat(TPixelFormat format);

    HBITMAP Handle() const { return static_cast<HBITMAP>(m_handle.get()); }
    void SetHandle(HBITMAP handle);
    HBITMAP ReleaseHandle();

    TCanvas* Canvas();
    // Start of pixel row y (0 is the top row); rows are DWORD-aligned. Bitmaps made here are
    // top-down, so row y + 1 follows row y in memory (not so for a handed-in bottom-up DIB).
    void* ScanLine(int y);

    // EFOpenError when the file cannot be opened, EInvalidGraphic when it is not a valid BMP.
    void LoadFromFile(const std::string& path);
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    void LoadFromResourceID(HINSTANCE instance, int id);
    // A packed DIB (info header, colour table, pixels), as in a BMP file after its file header.
    void LoadFromDib(const void* dib, size_t size);
    void SaveToFile(const std::string& path);

    // tmAuto: the colour of the bottom-left pixel (with 0x02000000 set); tmFixed: the colour set.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);  // also switches to tmFixed
    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(TTransparentMode mode);

    void Assign(TPersistent* source) override;
    void Draw(TCanvas* canvas, const TRect& rect) override;
    void Dormant() { DeselectFromDc(); }

private:
    class BitmapCanvas;
    friend class BitmapCanvas;

    void Adopt(HBITMAP handle);
    void LoadFromDibAt(const void* dib, size_t size, size_t pixelOffset);
    void LoadParsed(detail::DibInfo& source, const BYTE* bytes, size_t size, size_t offset);
    void LoadFromResource(HINSTANCE instance, const char* name, const std::string& shownName);
    void TakeImageFrom(TBitmap& other);
    void Reset();
    void ReplaceImage(int width, int height, TPixelFormat format, const std::vector<RGBQUAD>& colors, bool copyOld);
    void EnsureDib();
    void SelectIntoDc(HDC dc);
    void DeselectFromDc();
    HDC CanvasDc();
    TColor PixelColor(int x, int y) const;

    tessel::UniqueGdiObject m_handle;
    void* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    TPixelFormat m_format = pfDevice;
    bool m_bottomUp = false;  // only for a DIB section handed in through SetHandle
    std::vector<RGBQUAD> m_colors;
    TColor m_transparentColor = clDefault;
    TTransparentMode m_transparentMode = tmAuto;
    std::unique_ptr<TCanvas> m_canvas;
    tessel::UniqueMemoryDc m_dc;
    HGDIOBJ m_dcOldBitmap = nullptr;
    bool m_selected = false;
};

// TIcon: an owned HICON, drawn at its own size.
class TIcon : public TGraphic {
public:
    TIcon() = default;
    int Width() const override;
    int Height() const override;
    bool Empty() const override { return !m_handle; }
    HICON Handle() const { return m_handle.get(); }
    void SetHandle(HICON icon);
    HICON ReleaseHandle();
    void Draw(TCanvas* canvas, const TRect& rect) override;
    void Assign(TPersistent* source) override;

private:
    tessel::UniqueIcon m_handle;
};

// TPicture: the picture of an image control; holds a bitmap, made on first use.
class TPicture : public TPersistent {
public:
    TBitmap* Bitmap();
    int Width() const { return m_bitmap ? m_bitmap->Width() : 0; }
    int Height() const { return m_bitmap ? m_bitmap->Height() : 0; }
    TGraphic* Graphic() const { return m_bitmap.get(); }
    void LoadFromFile(const std::string& path) { Bitmap()->LoadFromFile(path); }
    void Assign(TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    std::unique_ptr<TBitmap> m_bitmap;
};

} // namespace vcl
