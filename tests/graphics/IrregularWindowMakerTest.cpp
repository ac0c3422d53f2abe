// Shaping a form to its background picture and dragging it by that picture.
#include "tessel/Graphics/IrregularWindowMaker.h"

#include "vcl/Vcl.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vcl;

namespace {

constexpr TColor kKey = 15826687;

class ShapedForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(100, 80, 60, 40);
        image = new TImage(form);
        image->SetParent(form);
        image->SetBounds(10, 5, 20, 10);
        TBitmap* bitmap = image->Picture()->Bitmap();
        bitmap->SetPixelFormat(pf24bit);
        bitmap->SetSize(20, 10);
        bitmap->Canvas()->Brush()->SetColor(clNavy);
        bitmap->Canvas()->FillRect(TRect(0, 0, 20, 10));
        bitmap->Canvas()->Brush()->SetColor(kKey);
        bitmap->Canvas()->FillRect(TRect(0, 0, 20, 2));  // the top two rows are cut away
        bitmap->SetTransparentColor(kKey);
        // Moves are recorded, not run: the system's move loop would wait for the mouse.
        TWndMethod original = form->WindowProc;
        form->WindowProc = [this, original](TMessage& message) {
            if (message.Msg == WM_NCLBUTTONDOWN) {
                moves.push_back(message.WParam);
                return;
            }
            original(message);
        };
    }
    void TearDown() override { Free(form); }

    void Press(TMouseButton button)
    {
        const UINT msg = button == mbLeft ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
        ::SendMessageA(form->Handle(), msg, button == mbLeft ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(15, 10));
        ::SendMessageA(form->Handle(), msg + 1, 0, MAKELPARAM(15, 10));
    }

    TForm* form = nullptr;
    TImage* image = nullptr;
    std::vector<WPARAM> moves;
};

} // namespace

TEST_F(ShapedForm, TheWindowTakesTheImagesShapeAtTheImagesPlace)
{
    tessel::IrregularWindowMaker maker(form, image);
    EXPECT_FALSE(maker.IsMade());
    maker.Make();
    EXPECT_TRUE(maker.IsMade());
    tessel::UniqueGdiObject region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(form->Handle(), static_cast<HRGN>(region.get())), ERROR);
    RECT box{};
    ::GetRgnBox(static_cast<HRGN>(region.get()), &box);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 7);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 15);
}

TEST_F(ShapedForm, ALeftPressMovesTheWindowARightPressDoesNotAndTheOldHandlerRunsForBoth)
{
    std::vector<TMouseButton> previous;
    image->OnMouseDown = [&](TObject* sender, TMouseButton button, TShiftState, int x, int y) {
        EXPECT_EQ(sender, image);
        EXPECT_EQ(x, 5);
        EXPECT_EQ(y, 5);
        previous.push_back(button);
    };
    tessel::IrregularWindowMaker maker(form, image);
    maker.Make(kKey);
    maker.Make(kKey);  // once only: the handler is not wrapped twice
    Press(mbLeft);
    Press(mbRight);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], static_cast<WPARAM>(HTCAPTION));
    const std::vector<TMouseButton> expected = {mbLeft, mbRight};
    EXPECT_EQ(previous, expected);
}

TEST_F(ShapedForm, TheDragHandlerOutlivesTheMaker)
{
    {
        tessel::IrregularWindowMaker maker(form, image);
        maker.Make(kKey);
    }
    Press(mbLeft);
    EXPECT_EQ(moves.size(), 1u);
}
