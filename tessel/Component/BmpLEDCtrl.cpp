#include "tessel/Component/BmpLEDCtrl.h"

#include <algorithm>

namespace tessel {

TBmpLEDCtrl::TBmpLEDCtrl(vcl::TComponent* owner, vcl::TWinControl* parent, int stateCount)
{
    TESSEL_ASSERT(stateCount > 0);
    m_layer = std::make_unique<Layer>(owner, parent);
    m_painter = std::make_unique<Painter>(m_layer.get());
    const BitmapLED::Bitmaps emptySources(static_cast<size_t>(stateCount), nullptr);
    m_led = std::make_unique<BitmapLED>(0, 0, emptySources, m_painter.get());
    for (vcl::TBitmap* bitmap : m_led->AllBitmaps())
        bitmap->OnChange = [this](vcl::TObject* sender) { BitmapChanged(sender); };
}

TBmpLEDCtrl::~TBmpLEDCtrl()
{
    m_layer.reset();
    m_painter.reset();
    m_led.reset();
}

void TBmpLEDCtrl::SetState(int state)
{
    if (state == State())
        return;
    m_led->SetState(state);
    m_led->PlacedFigure()->Draw();
}

void TBmpLEDCtrl::Refresh()
{
    m_led->Refresh();
    m_led->PlacedFigure()->Draw();
    m_layer->Image()->Repaint();
}

void TBmpLEDCtrl::SetBitmap(vcl::TBitmap* source, int index)
{
    m_led->Bitmap(index)->Assign(source);
}

void TBmpLEDCtrl::SetTransparentColor(vcl::TColor color)
{
    m_layer->SetTransparentColor(vcl::ColorToRGB(color) & 0xFFFFFF);
}

void TBmpLEDCtrl::FillRegion(WinRegion& region, int index)
{
    region.FromBitmap(Bitmap(index), TransparentColor());
}

void TBmpLEDCtrl::BitmapChanged(vcl::TObject* sender)
{
    const auto& bitmaps = m_led->AllBitmaps();
    const auto found = std::find(bitmaps.begin(), bitmaps.end(), sender);
    if (found - bitmaps.begin() == State())
        Refresh();
}

} // namespace tessel
