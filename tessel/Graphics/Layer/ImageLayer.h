#pragma once
// Drawing surfaces of the bitmap LED: a canvas with a background colour and a size, and the
// TImage on a parent control that carries such a canvas (its picture bitmap).

#include "tessel/Graphics/Graphicutility.h"
#include "vcl/ExtCtrls.h"

#include <memory>

namespace tessel {

// Canvas save/restore policy that does nothing.
template <typename Canvas>
struct NullSaver {
    void Save(Canvas) {}
    void Restore(Canvas) {}
};

template <typename Saver>
class CanvasLayer {
public:
    CanvasLayer(vcl::TCanvas* canvas, int width, int height, vcl::TColor background = vcl::clWhite)
        : m_canvas(canvas), m_background(background), m_width(width), m_height(height)
    {
    }
    vcl::TCanvas* Canvas() const { return m_canvas; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void Lock() { m_saver.Save(m_canvas); }
    void Unlock() { m_saver.Restore(m_canvas); }

    // Paints r with the background colour; the canvas's brush is left as it was.
    void FillRect(const RECT& r)
    {
        vcl::TBrush* brush = m_canvas->Brush();
        const vcl::TBrushStyle style = brush->Style();
        const vcl::TColor color = brush->Color();
        brush->SetColor(m_background);
        m_canvas->FillRect(r);
        brush->SetColor(color);
        brush->SetStyle(style);
    }

    // Paints the strip a growth exposes (an L shape when both sides grow).
    void Resize(int width, int height)
    {
        const int w0 = m_width;
        const int h0 = m_height;
        m_width = width;
        m_height = height;
        if (width > w0)
            FillRect(RECT{w0, 0, width, height});
        if (height > h0)
            FillRect(RECT{0, h0, w0, height});
    }

private:
    vcl::TCanvas* m_canvas;
    vcl::TColor m_background;
    int m_width;
    int m_height;
    Saver m_saver;
};

// ImageLayer: owns a disabled TImage (so the mouse reaches the parent) showing a 24-bit
// picture bitmap with a fixed transparent colour, and the canvas layer over that bitmap.
template <typename Saver>
class ImageLayer {
public:
    ImageLayer(vcl::TComponent* owner, vcl::TWinControl* parent)
    {
        m_image = new vcl::TImage(owner);
        m_image->SetParent(parent);
        vcl::TBitmap* bitmap = Bitmap();
        bitmap->SetWidth(0);
        bitmap->SetHeight(0);
        m_image->SetWidth(0);
        m_image->SetHeight(0);
        bitmap->SetPixelFormat(vcl::pf24bit);
        m_image->SetLeft(0);
        m_image->SetTop(0);
        bitmap->SetTransparentMode(vcl::tmFixed);
        m_canvasLayer = std::make_unique<CanvasLayer<Saver>>(m_image->Canvas(), m_image->Width(), m_image->Height(),
                                                             vcl::clWhite);
        m_image->SetEnabled(false);
    }
    ~ImageLayer()
    {
        // An image its owner is already freeing goes with the owner.
        if (!m_image->ComponentState().Contains(vcl::csDestroying))
            vcl::Free(m_image);
        m_canvasLayer.reset();
    }
    ImageLayer(const ImageLayer&) = delete;
    ImageLayer& operator=(const ImageLayer&) = delete;

    vcl::TImage* Image() const { return m_image; }
    vcl::TBitmap* Bitmap() const { return m_image->Picture()->Bitmap(); }
    void Lock() { m_canvasLayer->Lock(); }
    void Unlock() { m_canvasLayer->Unlock(); }
    vcl::TCanvas* Canvas() const { return m_image->Canvas(); }
    void FillRect(const RECT& r) { m_canvasLayer->FillRect(r); }
    void Move(int dx, int dy) { m_image->SetBounds(m_image->Left() + dx, m_image->Top() + dy, m_image->Width(), m_image->Height()); }
    int Left() const { return m_image->Left(); }
    int Top() const { return m_image->Top(); }
    int Width() const { return Bitmap()->Width(); }
    int Height() const { return Bitmap()->Height(); }
    void Resize(int width, int height)
    {
        Bitmap()->SetWidth(width);
        Bitmap()->SetHeight(height);
        m_image->SetWidth(width);
        m_image->SetHeight(height);
        m_canvasLayer->Resize(width, height);
    }
    bool Transparent() const { return m_image->Transparent(); }
    void SetTransparent(bool value) { m_image->SetTransparent(value); }
    vcl::TColor TransparentColor() const { return Bitmap()->TransparentColor(); }
    void SetTransparentColor(vcl::TColor color) { Bitmap()->SetTransparentColor(color); }

private:
    vcl::TImage* m_image = nullptr;
    std::unique_ptr<CanvasLayer<Saver>> m_canvasLayer;
};

// SimplePainter: prepares a layer's canvas (solid brush and pen in the painter's colour) and
// copies bitmaps onto it.
template <typename Layer>
class SimplePainter {
public:
    explicit SimplePainter(Layer* layer) : m_layer(layer) {}

    vcl::TCanvas* BeginDraw()
    {
        m_layer->Lock();
        vcl::TCanvas* canvas = m_layer->Canvas();
        canvas->Brush()->SetStyle(vcl::bsSolid);
        canvas->Pen()->SetStyle(vcl::psSolid);
        canvas->Pen()->SetMode(vcl::pmCopy);
        const auto color = static_cast<vcl::TColor>(m_color & 0xFFFFFFu);
        canvas->Brush()->SetColor(color);
        canvas->Pen()->SetColor(color);
        return canvas;
    }
    void EndDraw() { m_layer->Unlock(); }

    // Draws a bitmap its owner keeps: it is wrapped for the copy and handed back unharmed.
    void DrawBitmap(HBITMAP bitmap, const RECT& source, int x, int y)
    {
        vcl::TCanvas* canvas = BeginDraw();
        vcl::TBitmap borrowed;
        borrowed.SetHandle(bitmap);
        struct GiveBack {
            vcl::TBitmap& bitmap;
            ~GiveBack() { bitmap.ReleaseHandle(); }
        } giveBack{borrowed};
        DrawBitmapRect(canvas, x, y, &borrowed, source);
        EndDraw();
    }
    void FillRect(const RECT& r) { m_layer->FillRect(r); }

private:
    Layer* m_layer;
    DWORD m_color = 0xFFFFFFFFu;
};

} // namespace tessel
