#pragma once
// The bitmap LED control: a fixed number of state bitmaps, the current one shown in a TImage
// on a parent control. Every skinned control draws with one.

#include "tessel/Component/LED/BmpLED.h"
#include "tessel/Graphics/Layer/ImageLayer.h"
#include "tessel/Graphics/WinRegion.h"

#include <memory>

namespace tessel {

class LEDCtrl {
public:
    virtual ~LEDCtrl() = default;
    virtual int StateCount() const = 0;
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    virtual void Refresh() = 0;
    virtual void Move(int dx, int dy) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// TBmpLEDCtrl: starts in state 0 with empty state bitmaps and a 0 x 0 display until someone
// loads state bitmap 0 and calls Resize. Changing a state bitmap (SetBitmap, or loading into
// Bitmap(i)) redraws at once when it is the current state's. The display (the image's picture
// bitmap) is not cleared between states: a smaller state bitmap leaves the rest visible.
class TBmpLEDCtrl : public LEDCtrl {
public:
    using Layer = ImageLayer<NullSaver<vcl::TCanvas*>>;
    using Painter = SimplePainter<Layer>;
    using BitmapLED = TBitmapLED<Painter>;

    TBmpLEDCtrl(vcl::TComponent* owner, vcl::TWinControl* parent, int stateCount);
    ~TBmpLEDCtrl() override;
    TBmpLEDCtrl(const TBmpLEDCtrl&) = delete;
    TBmpLEDCtrl& operator=(const TBmpLEDCtrl&) = delete;

    int StateCount() const override { return m_led->StateCount(); }
    int State() const override { return m_led->State(); }
    void SetState(int state) override;
    // Reloads the current state's bitmap, draws it and repaints the image.
    void Refresh() override;
    void Move(int dx, int dy) override { m_layer->Move(dx, dy); }
    int Left() const override { return m_layer->Left(); }
    int Top() const override { return m_layer->Top(); }
    int Width() const override { return m_layer->Width(); }
    int Height() const override { return m_layer->Height(); }

    vcl::TBitmap* Bitmap(int index) const { return m_led->Bitmap(index); }
    // State bitmap index becomes a copy of source (null empties it).
    void SetBitmap(vcl::TBitmap* source, int index);
    vcl::TColor TransparentColor() const { return m_layer->TransparentColor(); }
    void SetTransparentColor(vcl::TColor color);
    bool Transparent() const { return m_layer->Transparent(); }
    void SetTransparent(bool value) { m_layer->SetTransparent(value); }
    void Resize(int width, int height) { m_layer->Resize(width, height); }
    vcl::TCanvas* Canvas() const { return m_layer->Canvas(); }
    vcl::TImage* Image() const { return m_layer->Image(); }
    // The region of state bitmap index without its TransparentColor pixels.
    void FillRegion(WinRegion& region, int index);

private:
    void BitmapChanged(vcl::TObject* sender);

    std::unique_ptr<Layer> m_layer;
    std::unique_ptr<Painter> m_painter;
    std::unique_ptr<BitmapLED> m_led;
};

} // namespace tessel
