// The bitmap LED control: states, redraws on bitmap changes, resizing and its preconditions.
#include "tessel/Component/BmpLEDCtrl.h"

#include "vcl/Vcl.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vcl;
using tessel::TBmpLEDCtrl;

namespace {

class LedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        led = std::make_unique<TBmpLEDCtrl>(form, form, 3);
    }
    void TearDown() override
    {
        led.reset();
        Free(form);
    }

    static std::unique_ptr<TBitmap> Solid(int width, int height, TColor color)
    {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetPixelFormat(pf24bit);
        bitmap->SetSize(width, height);
        bitmap->Canvas()->Brush()->SetColor(color);
        bitmap->Canvas()->FillRect(TRect(0, 0, width, height));
        return bitmap;
    }
    TColor Display(int x, int y) { return led->Image()->Picture()->Bitmap()->Canvas()->Pixel(x, y); }

    TForm* form = nullptr;
    std::unique_ptr<TBmpLEDCtrl> led;
};

} // namespace

TEST_F(LedTest, ANewControlShowsNothingInStateZero)
{
    EXPECT_EQ(led->StateCount(), 3);
    EXPECT_EQ(led->State(), 0);
    EXPECT_EQ(led->Width(), 0);
    EXPECT_EQ(led->Height(), 0);
    EXPECT_EQ(led->Image()->Width(), 0);
    EXPECT_TRUE(led->Bitmap(0)->Empty());
    EXPECT_FALSE(led->Image()->Enabled());  // the mouse goes to the parent
    EXPECT_EQ(led->Image()->Parent(), form);
}

TEST_F(LedTest, LoadingTheCurrentStatesBitmapShowsItAtOnce)
{
    led->Resize(4, 4);
    led->SetBitmap(Solid(4, 4, clRed).get(), 0);
    EXPECT_EQ(Display(3, 3), clRed);
    // Another state's bitmap changes nothing on screen ...
    led->SetBitmap(Solid(4, 4, clBlue).get(), 2);
    EXPECT_EQ(Display(3, 3), clRed);
    // ... until that state is shown; then replacing it redraws at once.
    led->SetState(2);
    EXPECT_EQ(Display(3, 3), clBlue);
    led->Bitmap(2)->Canvas()->Brush()->SetColor(clLime);
    led->Bitmap(2)->Canvas()->FillRect(TRect(0, 0, 4, 4));
    EXPECT_EQ(Display(3, 3), clLime);
}

TEST_F(LedTest, SettingTheCurrentStateAgainDrawsNothing)
{
    led->Resize(4, 4);
    led->SetBitmap(Solid(4, 4, clRed).get(), 0);
    led->Canvas()->Brush()->SetColor(clYellow);
    led->Canvas()->FillRect(TRect(0, 0, 4, 4));
    led->SetState(0);
    EXPECT_EQ(Display(1, 1), clYellow);
    led->Refresh();
    EXPECT_EQ(Display(1, 1), clRed);
}

TEST_F(LedTest, ASmallerStateBitmapLeavesTheRestOfThePreviousPicture)
{
    led->Resize(6, 6);
    led->SetBitmap(Solid(6, 6, clRed).get(), 0);
    led->SetBitmap(Solid(2, 2, clBlue).get(), 1);
    led->SetState(1);
    EXPECT_EQ(Display(1, 1), clBlue);
    EXPECT_EQ(Display(4, 4), clRed);
    EXPECT_EQ(led->Width(), 6);
}

TEST_F(LedTest, GrowingPaintsTheNewStripWhiteAndKeepsTheOldCorner)
{
    led->Resize(10, 10);
    led->Canvas()->Brush()->SetColor(clNavy);
    led->Canvas()->FillRect(TRect(0, 0, 10, 10));
    led->Resize(20, 15);
    EXPECT_EQ(led->Width(), 20);
    EXPECT_EQ(led->Height(), 15);
    EXPECT_EQ(led->Image()->Width(), 20);
    EXPECT_EQ(Display(9, 9), clNavy);
    EXPECT_EQ(Display(15, 2), clWhite);   // right strip
    EXPECT_EQ(Display(19, 14), clWhite);
    EXPECT_EQ(Display(3, 12), clWhite);   // bottom strip
}

TEST_F(LedTest, TransparencyAndTheRegionOfAStateBitmap)
{
    led->SetTransparentColor(clBtnFace);
    EXPECT_EQ(led->TransparentColor(), ColorToRGB(clBtnFace));
    led->SetTransparentColor(15826687);
    led->SetTransparent(true);
    EXPECT_TRUE(led->Transparent());
    auto picture = Solid(4, 2, clRed);
    picture->Canvas()->SetPixel(0, 0, 15826687);
    led->SetBitmap(picture.get(), 1);
    tessel::WinRegion region;
    led->FillRegion(region, 1);
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_TRUE(region.Contains(1, 0));
    led->Move(3, 4);
    EXPECT_EQ(led->Left(), 3);
    EXPECT_EQ(led->Top(), 4);
}

TEST_F(LedTest, PreconditionsAreAssertions)
{
    EXPECT_THROW(TBmpLEDCtrl(form, form, 0), tessel::AssertionError);
    EXPECT_THROW(led->SetState(3), tessel::AssertionError);
    EXPECT_THROW(led->SetState(-1), tessel::AssertionError);
    EXPECT_THROW(led->Bitmap(3), tessel::AssertionError);
    EXPECT_EQ(led->State(), 0);
}
