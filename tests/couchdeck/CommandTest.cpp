// Remote commands as Keyrelay posts them: to every top-level window, carried out once, and the
// quiet and wireless-only modes they switch through the power-saving library.

#include "CouchdeckRun.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace kova::test;

namespace {

constexpr unsigned kQuietKey = 149;
constexpr unsigned kWirelessKey = 150;
constexpr unsigned kPowerKey = 146;
constexpr const char* kEnterQuiet = "TacetSleep 16385";
constexpr const char* kEnterWirelessOnly = "TacetSleep 16386";
constexpr const char* kWake = "TacetWake";
// A notice stays 3 s; under Wine on a display without a window manager, hiding the veil can
// take 2 s more.
constexpr DWORD kNoticeWaitMs = 12000;

class CouchdeckCommands : public ::testing::Test {
protected:
    void SetUp() override { DeleteVeltraKey(); }
    void TearDown() override { DeleteVeltraKey(); }

    void StartCouchdeck(const CouchdeckSetup& setup = {})
    {
        m_run = std::make_unique<CouchdeckRun>(setup);
        ASSERT_TRUE(m_run->Start());
        if (setup.withLibrary)
            ASSERT_TRUE(m_run->WaitForStartup());
        else
            PumpMessagesFor(1500);
    }
    int Count(const char* line) const { return CouchdeckRun::CountLines(m_run->SomnaLog(), line); }
    bool WaitForCount(const char* line, int count, DWORD timeoutMs = kNoticeWaitMs)
    {
        return WaitUntil([&] { return Count(line) == count; }, timeoutMs);
    }
    bool WaitForNoticeEnd()
    {
        return WaitUntil([&] { return !m_run->IsShown("TDialogForm"); }, kNoticeWaitMs);
    }

    ScopedInstallationValues m_installation;
    std::unique_ptr<CouchdeckRun> m_run;
};

TEST_F(CouchdeckCommands, QuietToggleRunsOnceAndShowsThenHidesTheIndicator)
{
    StartCouchdeck();
    CouchdeckRun::Broadcast(kQuietKey);
    EXPECT_TRUE(WaitUntil([&] { return m_run->IsShown("TDialogForm"); }, 3000));
    ASSERT_TRUE(WaitForCount(kEnterQuiet, 1));
    ASSERT_TRUE(WaitUntil([&] { return m_run->IsShown("TModeForm"); }, 3000));
    RECT indicator{};
    GetWindowRect(m_run->FindWindowOfClass("TModeForm"), &indicator);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), indicator.right);
    EXPECT_EQ(0, indicator.top);
    EXPECT_EQ(120, indicator.right - indicator.left);
    EXPECT_EQ(45, indicator.bottom - indicator.top);
    ASSERT_TRUE(WaitForNoticeEnd());

    CouchdeckRun::Broadcast(kQuietKey);
    ASSERT_TRUE(WaitForCount(kWake, 1));
    EXPECT_TRUE(WaitUntil([&] { return !m_run->IsShown("TModeForm"); }, 3000));
    ASSERT_TRUE(WaitForNoticeEnd());
    EXPECT_EQ(1, Count(kEnterQuiet)) << m_run->SomnaLog();
}

TEST_F(CouchdeckCommands, AnotherTagOrACopyForTheMainFormOnlyDoesNothing)
{
    StartCouchdeck();
    CouchdeckRun::Broadcast(kQuietKey, 1285);
    const UINT command = RegisterWindowMessageA("71C56EAB-4A41-4f42-8F69-871D39176D41");
    PostMessageA(m_run->MainWindow(), command, 1286, kQuietKey);
    PumpMessagesFor(1500);
    EXPECT_FALSE(m_run->IsShown("TDialogForm"));
    EXPECT_EQ(0, Count(kEnterQuiet)) << m_run->SomnaLog();
}

TEST_F(CouchdeckCommands, KeysDuringANoticeAreLost)
{
    StartCouchdeck();
    CouchdeckRun::Broadcast(kQuietKey);
    ASSERT_TRUE(WaitUntil([&] { return m_run->IsShown("TDialogForm"); }, 3000));
    CouchdeckRun::Broadcast(kQuietKey);
    ASSERT_TRUE(WaitForCount(kEnterQuiet, 1));
    PumpMessagesFor(1500);
    EXPECT_FALSE(m_run->IsShown("TDialogForm"));
    EXPECT_EQ(1, Count(kEnterQuiet));
    EXPECT_EQ(0, Count(kWake));
}

TEST_F(CouchdeckCommands, WirelessOnlyRefusesOtherKeysAndRestoresQuietMode)
{
    StartCouchdeck();
    CouchdeckRun::Broadcast(kQuietKey);
    ASSERT_TRUE(WaitForCount(kEnterQuiet, 1));
    ASSERT_TRUE(WaitForNoticeEnd());

    CouchdeckRun::Broadcast(kWirelessKey);
    ASSERT_TRUE(WaitForCount(kEnterWirelessOnly, 1));
    ASSERT_TRUE(WaitUntil([&] { return m_run->IsShown("TBlackScreen"); }, 3000));
    ASSERT_TRUE(WaitForNoticeEnd());
    const std::string before = m_run->SomnaLog();

    CouchdeckRun::Broadcast(kQuietKey);
    CouchdeckRun::Broadcast(kPowerKey);
    PumpMessagesFor(1000);
    EXPECT_FALSE(m_run->IsShown("TDialogForm"));
    EXPECT_EQ(before, m_run->SomnaLog());

    CouchdeckRun::Broadcast(kWirelessKey);
    ASSERT_TRUE(WaitForCount(kEnterQuiet, 2)) << m_run->SomnaLog();
    EXPECT_FALSE(m_run->IsShown("TBlackScreen"));
    const std::string after = m_run->SomnaLog().substr(before.size());
    EXPECT_LT(after.find(kWake), after.find(kEnterQuiet)) << after;
}

// While the black screen is up, the display is switched off again every 30 seconds.
TEST_F(CouchdeckCommands, TheBlackScreenSwitchesTheDisplayOffEveryThirtySeconds)
{
    constexpr const char* kScreenOff = "SomnaScreen 0";
    StartCouchdeck();
    CouchdeckRun::Broadcast(kWirelessKey);
    ASSERT_TRUE(WaitUntil([&] { return m_run->IsShown("TBlackScreen"); }, kNoticeWaitMs));
    const auto shown = std::chrono::steady_clock::now();
    const int before = Count(kScreenOff);
    ASSERT_TRUE(WaitForCount(kScreenOff, before + 1, 45000)) << m_run->SomnaLog();
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - shown);
    EXPECT_GE(seconds.count(), 25);

    CouchdeckRun::Broadcast(kWirelessKey);
    EXPECT_TRUE(WaitUntil([&] { return !m_run->IsShown("TBlackScreen"); }, kNoticeWaitMs));
}

TEST_F(CouchdeckCommands, TheVeltraBroadcastTogglesWirelessOnlyWithItsTagOnly)
{
    StartCouchdeck();
    const UINT broadcast = RegisterWindowMessageA("WM_VELTRA_BROADCAST_MESSAGE");
    PostMessageA(HWND_BROADCAST, broadcast, 0x0055, 0);
    PumpMessagesFor(1000);
    EXPECT_FALSE(m_run->IsShown("TDialogForm"));

    PostMessageA(HWND_BROADCAST, broadcast, 0x2255, 0);
    ASSERT_TRUE(WaitForCount(kEnterWirelessOnly, 1));
    ASSERT_TRUE(WaitUntil([&] { return m_run->IsShown("TBlackScreen"); }, 3000));
    ASSERT_TRUE(WaitForNoticeEnd());
    PostMessageA(HWND_BROADCAST, broadcast, 0x2255, 0);
    ASSERT_TRUE(WaitForCount(kWake, 1));
    EXPECT_TRUE(WaitUntil([&] { return !m_run->IsShown("TBlackScreen"); }, 3000));
    EXPECT_EQ(1, Count(kEnterWirelessOnly));
}

TEST_F(CouchdeckCommands, WithoutTheLibraryTheModeKeysShowTheNoFunctionNotice)
{
    CouchdeckSetup setup;
    setup.withLibrary = false;
    StartCouchdeck(setup);
    CouchdeckRun::Broadcast(kQuietKey);
    EXPECT_TRUE(WaitUntil([&] { return m_run->IsShown("TDialogForm"); }, 3000));
    EXPECT_TRUE(WaitForNoticeEnd());
    EXPECT_FALSE(m_run->IsShown("TModeForm"));
    PumpMessagesFor(2500);   // the veil may still be on its way out
    CouchdeckRun::Broadcast(kPowerKey);
    EXPECT_TRUE(WaitUntil([&] { return m_run->IsShown("TDialogForm"); }, 5000));
    EXPECT_TRUE(WaitForNoticeEnd());
    EXPECT_EQ("", m_run->PowerLog());
}

TEST_F(CouchdeckCommands, QuietModeIsAppliedAgainAroundAStandbyAndKeysWaitAfterTheResume)
{
    StartCouchdeck();
    CouchdeckRun::Broadcast(kQuietKey);
    ASSERT_TRUE(WaitForCount(kEnterQuiet, 1));
    ASSERT_TRUE(WaitForNoticeEnd());
    PumpMessagesFor(2500);   // the veil may still be on its way out

    SendMessageA(m_run->MainWindow(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    EXPECT_EQ(2, Count(kEnterQuiet));
    PostMessageA(m_run->MainWindow(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    CouchdeckRun::Broadcast(kQuietKey);   // dropped: the second after a resume is quiet
    ASSERT_TRUE(WaitForCount(kEnterQuiet, 3, 3000));
    PumpMessagesFor(1500);
    EXPECT_FALSE(m_run->IsShown("TDialogForm"));
    EXPECT_EQ(0, Count(kWake));
}

TEST_F(CouchdeckCommands, PowerOnAfterPowerLossCodesSetTheDevice)
{
    StartCouchdeck();
    CouchdeckRun::Broadcast(128);
    ASSERT_TRUE(WaitForCount("TacetSetDevice 1", 1));
    CouchdeckRun::Broadcast(129);
    EXPECT_TRUE(WaitForCount("TacetSetDevice 0", 1));
}

} // namespace
