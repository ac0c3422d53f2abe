#pragma once
// Figures: drawable shapes with a position; TBitmapFigure is one bitmap drawn by a painter.

#include "tessel/System/Assert.h"
#include "vcl/Graphics.h"

#include <memory>

namespace tessel {

class Figure {
public:
    virtual ~Figure() = default;
    virtual void Draw() = 0;
    virtual void Erase() = 0;
    virtual void Move(int dx, int dy) = 0;
    virtual int X() const = 0;
    virtual int Y() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

class BitmapFigure : public Figure {
public:
    void Move(int dx, int dy) override
    {
        x += dx;
        y += dy;
    }
    int X() const override { return x; }
    int Y() const override { return y; }

private:
    int x = 0;
    int y = 0;
};

// Keeps its own copy of the bitmap it shows: later changes of the source show only after
// the next SetBitmap.
template <typename Painter>
class TBitmapFigure : public BitmapFigure {
public:
    void SetPainter(Painter* painter) { m_painterPtr = painter; }
    void SetBitmap(vcl::TBitmap* source)
    {
        if (!m_bitmap) {
            m_bitmap = std::make_unique<vcl::TBitmap>();
            m_bitmap->SetPixelFormat(vcl::pf24bit);
        }
        m_bitmap->Assign(source);
    }
    vcl::TBitmap* Bitmap() const { return m_bitmap.get(); }
    int Width() const override { return m_bitmap ? m_bitmap->Width() : 0; }
    int Height() const override { return m_bitmap ? m_bitmap->Height() : 0; }

    void Draw() override
    {
        TESSEL_ASSERT(m_painterPtr);
        if (!m_bitmap || !m_bitmap->Handle())
            return;
        m_painterPtr->DrawBitmap(m_bitmap->Handle(), RECT{0, 0, Width(), Height()}, X(), Y());
    }
    void Erase() override
    {
        TESSEL_ASSERT(m_painterPtr);
        if (m_bitmap)
            m_painterPtr->FillRect(RECT{X(), Y(), X() + Width(), Y() + Height()});
    }

private:
    std::unique_ptr<vcl::TBitmap> m_bitmap;
    Painter* m_painterPtr = nullptr;
};

} // namespace tessel
