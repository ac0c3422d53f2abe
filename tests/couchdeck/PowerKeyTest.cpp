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

// Wine's power queries allow neither hibernation nor standby, and it has no PowerCfg to switch
// hibernation on: both keys end with their notice and nothing else.
TEST_F(CouchdeckPowerKey, HibernationAndStandbyThatTheSystemRefusesOnlyShowTheirNotice)
{
    for (unsigned key : {147u, 148u}) {
        CouchdeckRun::Broadcast(key);
        ASSERT_TRUE(WaitForDialog(true, 5000)) << key;
        EXPECT_TRUE(WaitForDialog(false, kNoticeWaitMs)) << key;
        EXPECT_TRUE(WaitForVeil(false));
        EXPECT_FALSE(m_run->IsShown("TSettingHelp"));
    }
    PumpMessagesFor(500);
    EXPECT_EQ("", m_run->PowerLog());
}

} // namespace
