// Layered-window attributes and the extended style bits they need.
#include "tessel/Graphics/LayeredWindowMaker.h"

#include "tessel/System/Assert.h"
#include "vcl/Types.h"

#include <gtest/gtest.h>

namespace {

class LayeredWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = ::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                   nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { ::DestroyWindow(window); }

    LONG ExStyle() const { return ::GetWindowLongA(window, GWL_EXSTYLE); }
    bool RedrawPending()
    {
        RECT r{};
        return ::GetUpdateRect(window, &r, FALSE) != FALSE;
    }

    HWND window = nullptr;
};

} // namespace

TEST_F(LayeredWindow, ClickThroughAloneDropsLayeringAndRedrawsOnlyWhenTheStyleChanges)
{
    ::SetWindowLongA(window, GWL_EXSTYLE, ExStyle() | WS_EX_LAYERED);
    tessel::LayeredWindowMaker maker;
    ASSERT_TRUE(maker.IsEnabled());
    maker.SetClickThrough(true);
    ::ValidateRect(window, nullptr);
    maker.Apply(window);
    EXPECT_FALSE(ExStyle() & WS_EX_LAYERED);
    EXPECT_TRUE(ExStyle() & WS_EX_TRANSPARENT);
    EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW);  // other bits kept
    EXPECT_TRUE(RedrawPending());

    ::ValidateRect(window, nullptr);
    maker.Apply(window);
    EXPECT_FALSE(RedrawPending());
}

struct AttributeCase {
    bool colorKey;
    bool alpha;
    DWORD flags;
};

class LayeredAttributes : public LayeredWindow, public ::testing::WithParamInterface<AttributeCase> {};

TEST_P(LayeredAttributes, TheFlagsFollowWhatIsSwitchedOn)
{
    const AttributeCase& c = GetParam();
    tessel::LayeredWindowMaker maker;
    maker.SetColorKeyEnabled(c.colorKey);
    maker.SetColorKey(15826687);
    maker.SetAlphaEnabled(c.alpha);
    maker.SetAlpha(128);
    maker.Apply(window);
    EXPECT_TRUE(ExStyle() & WS_EX_LAYERED);
    EXPECT_FALSE(ExStyle() & WS_EX_TRANSPARENT);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(flags, c.flags);
    if (c.colorKey) {
        EXPECT_EQ(key, 15826687u);
    }
    if (c.alpha) {
        EXPECT_EQ(alpha, 128);
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, LayeredAttributes,
                         ::testing::Values(AttributeCase{true, false, LWA_COLORKEY}, AttributeCase{false, true, LWA_ALPHA},
                                           AttributeCase{true, true, LWA_COLORKEY | LWA_ALPHA}));

TEST_F(LayeredWindow, SystemColoursAreNotTranslatedAndClickThroughStaysWithLayering)
{
    tessel::LayeredWindowMaker maker;
    maker.SetColorKeyEnabled(true);
    maker.SetColorKey(vcl::clBtnFace);  // 0xFF00000F: its low 24 bits are the key
    maker.SetClickThrough(true);
    maker.Apply(window);
    EXPECT_TRUE(ExStyle() & WS_EX_TRANSPARENT);
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, &key, nullptr, &flags));
    EXPECT_EQ(key, 0x00000Fu);
}

TEST(ExStyleBits, AnswersWhetherTheStyleChanged)
{
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(tessel::SetExStyleBits(window, true, true));
    EXPECT_FALSE(tessel::SetExStyleBits(window, true, true));
    EXPECT_TRUE(tessel::SetExStyleBits(window, false, true));
    EXPECT_EQ(::GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT), WS_EX_TRANSPARENT);
    ::DestroyWindow(window);
}
