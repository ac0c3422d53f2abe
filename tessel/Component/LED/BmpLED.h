#pragma once
// LEDs: multi-state elements with a position; TBitmapLED's states are bitmaps.

#include "tessel/Graphics/Figure/BmpFigure.h"
#include "tessel/System/Assert.h"

#include <vector>

namespace tessel {

class LED {
public:
    LED(int x, int y) : x(x), y(y) {}
    virtual ~LED() = default;
    virtual int StateCount() const = 0;
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    virtual void Refresh() = 0;
    // The figure, moved to the LED's position.
    virtual Figure* PlacedFigure()
    {
        Figure* figure = GetFigure();
        if (figure->X() != x || figure->Y() != y)
            figure->Move(x - figure->X(), y - figure->Y());
        return figure;
    }
    virtual int Width() { return PlacedFigure()->Width(); }
    virtual int Height() { return PlacedFigure()->Height(); }
    virtual Figure* GetFigure() = 0;

protected:
    int x;
    int y;
};

namespace detail {

// The state logic of a bitmap LED: which state shows, and loading its bitmap into the figure.
template <typename FigureType, typename Container>
class BitmapLEDHelper {
public:
    explicit BitmapLEDHelper(Container* bitmaps) : m_pBitmaps(bitmaps) {}
    int StateCount() const
    {
        TESSEL_ASSERT(m_pBitmaps);
        return static_cast<int>(m_pBitmaps->size());
    }
    int State() const { return m_state; }
    void SetState(int state)
    {
        TESSEL_ASSERT(state >= 0 && state < StateCount());
        if (state != m_state) {
            m_state = state;
            Load();
        }
    }
    void Refresh()
    {
        TESSEL_ASSERT(m_state >= 0 && m_state < StateCount());
        Load();
    }
    FigureType& Figure() { return m_figure; }

private:
    void Load() { m_figure.SetBitmap((*m_pBitmaps)[static_cast<size_t>(m_state)]); }

    int m_state = -1;
    FigureType m_figure;
    Container* m_pBitmaps;
};

} // namespace detail

// TBitmapLED: owns copies of its state bitmaps (taken at construction, replaceable in place
// through Bitmap(i)); state 0 is current after construction.
template <typename Painter>
class TBitmapLED : public LED {
public:
    using Bitmaps = std::vector<vcl::TBitmap*>;

    TBitmapLED(int x, int y, const Bitmaps& sources, Painter* painter) : LED(x, y), m_state(&m_bitmaps)
    {
        for (vcl::TBitmap* source : sources) {
            auto* bitmap = new vcl::TBitmap;
            bitmap->Assign(source);
            m_bitmaps.push_back(bitmap);
        }
        m_state.Figure().SetPainter(painter);
        SetState(0);
    }
    ~TBitmapLED() override
    {
        for (int i = static_cast<int>(m_bitmaps.size()); i > 0; --i)
            RemoveBitmap(i - 1);
    }
    TBitmapLED(const TBitmapLED&) = delete;
    TBitmapLED& operator=(const TBitmapLED&) = delete;

    vcl::TBitmap* Bitmap(int index) const
    {
        TESSEL_ASSERT(index < (int) m_bitmaps.size());
        return m_bitmaps[static_cast<size_t>(index)];
    }
    const Bitmaps& AllBitmaps() const { return m_bitmaps; }
    int StateCount() const override { return m_state.StateCount(); }
    int State() const override { return m_state.State(); }
    void SetState(int state) override { m_state.SetState(state); }
    void Refresh() override { m_state.Refresh(); }
    Figure* GetFigure() override { return &m_state.Figure(); }

private:
    void RemoveBitmap(int index)
    {
        TESSEL_ASSERT(index <= (int) m_bitmaps.size());
        delete m_bitmaps[static_cast<size_t>(index)];
        m_bitmaps.erase(m_bitmaps.begin() + index);
    }

    Bitmaps m_bitmaps;
    detail::BitmapLEDHelper<TBitmapFigure<Painter>, Bitmaps> m_state;
};

} // namespace tessel
