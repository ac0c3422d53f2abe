// The power key: a confirmation by a second press, the logged power-off, the quiet period after
// it, and the confirmation picture placed over the full-screen veil.

#include "CouchdeckRun.h"

#include <gtest/gtest.h>

using namespace kova::test;

namespace {

constexpr unsigned kPowerKey = 146;
constexpr unsigned kMenuKey = 151;
constexpr const char* kForcedPowerOff = "PowerOff 12 0";
// A notice stays 3 s; under Wine on a display without a window manager, hiding the veil can
// take 2 s more.
constexpr DWORD kNoticeWaitMs = 12000;

class CouchdeckPowerKey : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteVeltraKey();
        m_run = std::make_unique<CouchdeckRun>();
        ASSERT_TRUE(m_run->Start());
        ASSERT_TRUE(m_run->WaitForStartup());
    }
    void TearDown() override { DeleteVeltraKey(); }

    bool WaitForDialog(bool shown, DWORD timeoutMs)
    {
        return WaitUntil([&] { return m_run->IsShown("TDialogForm") == shown; }, timeoutMs);
    }
    // The veil goes right after the dialog.
    bool WaitForVeil(bool shown)
    {
        return WaitUntil([&] { return IsWindowVisible(m_run->MainWindow()) == (shown ? TRUE : FALSE); },
                         4000);
    }
    bool ConfirmationHolds(DWORD ms)
    {
        return !WaitUntil([&] { return !m_run->IsShown("TDialogForm"); }, ms);
    }

    std::unique_ptr<CouchdeckRun> m_run;
};

TEST_F(CouchdeckPowerKey, OncePlacesTheConfirmationOverTheVeilAndDoesNothingElse)
{
    CouchdeckRun::Broadcast(kPowerKey);
    ASSERT_TRUE(WaitForDialog(true, 3000));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT veil{};
    RECT dialog{};
    ASSERT_TRUE(IsWindowVisible(m_run->MainWindow()));
    GetWindowRect(m_run->MainWindow(), &veil);
    GetWindowRect(m_run->FindWindowOfClass("TDialogForm"), &dialog);
    EXPECT_EQ(0, veil.left);
    EXPECT_EQ(0, veil.top);
    EXPECT_EQ(screenWidth, veil.right);
    EXPECT_EQ(screenHeight, veil.bottom);
    const int width = dialog.right - dialog.left;
    const int height = dialog.bottom - dialog.top;
    EXPECT_GT(width, 0);
    EXPECT_EQ((screenWidth - width) / 2, dialog.left);
    EXPECT_EQ((screenHeight - height) / 2, dialog.top);
    // Above the veil in the window order.
    bool veilBelow = false;
    for (HWND below = GetWindow(m_run->FindWindowOfClass("TDialogForm"), GW_HWNDNEXT); below;
         below = GetWindow(below, GW_HWNDNEXT))
        veilBelow = veilBelow || below == m_run->MainWindow();
    EXPECT_TRUE(veilBelow);

    EXPECT_TRUE(ConfirmationHolds(2000));
    ASSERT_TRUE(WaitForDialog(false, 3000));
    EXPECT_TRUE(WaitForVeil(false));
    PumpMessagesFor(500);
    EXPECT_EQ("", m_run->PowerLog());
}

TEST_F(CouchdeckPowerKey, TwiceConfirmsPowersOffAndDiscardsTheNextPresses)
{
    CouchdeckRun::Broadcast(kPowerKey);
    ASSERT_TRUE(WaitForDialog(true, 3000));
    PumpMessagesFor(700);
    CouchdeckRun::Broadcast(kPowerKey);
    ASSERT_TRUE(WaitUntil([&] { return !m_run->PowerLog().empty(); }, kNoticeWaitMs));
    EXPECT_EQ(1, CouchdeckRun::CountLines(m_run->PowerLog(), kForcedPowerOff)) << m_run->PowerLog();

    // The quiet period after the power action drops this press.
    CouchdeckRun::Broadcast(kPowerKey);
    EXPECT_FALSE(WaitForDialog(true, 1000));
    // Once it is over, the key asks again.
    PumpMessagesFor(1500);
    CouchdeckRun::Broadcast(kPowerKey);
    EXPECT_TRUE(WaitForDialog(true, 5000));
}

TEST_F(CouchdeckPowerKey, TwiceWithinTheDebounceStaysUnconfirmed)
{
    CouchdeckRun::Broadcast(kPowerKey);
    CouchdeckRun::Broadcast(kPowerKey);
    ASSERT_TRUE(WaitForDialog(true, 3000));
    EXPECT_TRUE(ConfirmationHolds(2000));
    ASSERT_TRUE(WaitForDialog(false, 3000));
    PumpMessagesFor(500);
    EXPECT_EQ("", m_run->PowerLog());
}

TEST_F(CouchdeckPowerKey, AnotherKeyEndsTheConfirmationUnconfirmedAndDoesNotRun)
{
    CouchdeckRun::Broadcast(kPowerKey);
    ASSERT_TRUE(WaitForDialog(true, 3000));
    PumpMessagesFor(700);
    CouchdeckRun::Broadcast(kMenuKey);
    EXPECT_TRUE(WaitForDialog(false, 1500));
    EXPECT_TRUE(WaitForVeil(false));
    PumpMessagesFor(500);
    EXPECT_EQ("", m_run->PowerLog());
}

// A change of the display mode stretches the veil over the screen again while it is up, and
// leaves it alone while it is hidden.
TEST_F(CouchdeckPowerKey, ADisplayChangeFitsTheVisibleVeilToTheScreen)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const HWND veil = m_run->MainWindow();
    const auto sizeAfterDisplayChange = [&] {
        SetWindowPos(veil, nullptr, 10, 20, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageTimeoutA(veil, WM_DISPLAYCHANGE, 32, MAKELPARAM(screenWidth, screenHeight),
                            SMTO_ABORTIFHUNG, 3000, nullptr);
        RECT bounds{};
        GetWindowRect(veil, &bounds);
        return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
    };

    CouchdeckRun::Broadcast(kPowerKey);
    ASSERT_TRUE(WaitForDialog(true, 3000));
    const SIZE shown = sizeAfterDisplayChange();
    EXPECT_EQ(screenWidth, shown.cx);
    EXPECT_EQ(screenHeight, shown.cy);

    ASSERT_TRUE(WaitForDialog(false, 5000));
    ASSERT_TRUE(WaitForVeil(false));
    const SIZE hidden = sizeAfterDisplayChange();
    EXPECT_EQ(300, hidden.cx);
    EXPECT_EQ(200, hidden.cy);
}

} // namespace
