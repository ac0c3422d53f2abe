// Black-box run of the skin demo: a shaped, layered form with lists driven by a timer.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

namespace {

std::string OwnDirectory()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.find_last_of('\\') + 1);
}

} // namespace

TEST(SkinDemo, ShowsAShapedLayeredFormWhoseListsMoveWithTheTimer)
{
    kova::test::ChildProcess demo;
    ASSERT_TRUE(demo.Start("\"" + OwnDirectory() + "vcl_skin_demo.exe\""));
    HWND form = nullptr;
    ASSERT_TRUE(kova::test::WaitUntil(
        [&] {
            form = ::FindWindowA("TSkinDemoForm", "Skin Demo");
            return form && ::IsWindowVisible(form);
        },
        10000));

    EXPECT_TRUE(::GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_LAYERED);
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(form, &key, nullptr, &flags));
    EXPECT_EQ(key, 15826687u);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));

    tessel::UniqueGdiObject region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(::GetWindowRgn(form, static_cast<HRGN>(region.get())), COMPLEXREGION);
    EXPECT_FALSE(::PtInRegion(static_cast<HRGN>(region.get()), 1, 1));     // a cut-away corner
    EXPECT_TRUE(::PtInRegion(static_cast<HRGN>(region.get()), 180, 120));  // the body

    char ownerClass[32] = {};
    ::GetClassNameA(::GetWindow(form, GW_OWNER), ownerClass, sizeof ownerClass);
    EXPECT_STREQ(ownerClass, "TApplication");

    HWND list = ::FindWindowExA(form, nullptr, "ListBox", nullptr);
    HWND view = ::FindWindowExA(form, nullptr, WC_LISTVIEWA, nullptr);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(::SendMessageA(view, LVM_GETITEMCOUNT, 0, 0), 7);
    const LRESULT first = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    EXPECT_TRUE(kova::test::WaitUntil([&] { return ::SendMessageA(list, LB_GETCURSEL, 0, 0) != first; }, 5000));
    EXPECT_TRUE(kova::test::WaitUntil(
        [&] { return ::SendMessageA(view, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) > 0; }, 5000));

    // Dragging the background picture with the left button moves the window.
    RECT before{};
    ::GetWindowRect(form, &before);
    auto mouse = [](DWORD flags, int x, int y) {
        ::SetCursorPos(x, y);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        ::SendInput(1, &input, sizeof input);
        ::Sleep(60);
    };
    const int grabX = before.left + 100;
    const int grabY = before.top + 215;  // the skin's bottom band, below the lists
    mouse(MOUSEEVENTF_MOVE, grabX, grabY);
    mouse(MOUSEEVENTF_LEFTDOWN, grabX, grabY);
    for (int step = 1; step <= 5; ++step)
        mouse(MOUSEEVENTF_MOVE, grabX + 8 * step, grabY + 6 * step);
    mouse(MOUSEEVENTF_LEFTUP, grabX + 40, grabY + 30);
    RECT after{};
    EXPECT_TRUE(kova::test::WaitUntil(
        [&] {
            ::GetWindowRect(form, &after);
            return after.left == before.left + 40 && after.top == before.top + 30;
        },
        3000))
        << "window at " << after.left << "," << after.top << " from " << before.left << "," << before.top;

    ::PostMessageA(form, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(demo.WaitForExit(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}
