// Keyrelay.exe as a user and Couchdeck meet it: the receiver played through the pipe seam,
// broadcasts caught by a window of the test, the program's window driven by messages.
#include "KeyrelayHarness.h"
#include "RemoteProtocol.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace kova::test;
using namespace keyrelay;

namespace {

// Time enough for a report to travel through the pipe, the reader and the broadcast.
constexpr DWORD kDeliveryMs = 3000;
// Time in which nothing must arrive, when nothing is expected.
constexpr DWORD kQuietMs = 800;

class KeyrelayProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteVeltraKey();
        ASSERT_TRUE(m_run.Start());
        ASSERT_TRUE(m_run.Connect()) << "Keyrelay did not open " << m_run.PipeName();
        // Loading the settings posts the power-on-after-loss state; the tests look at what follows.
        PumpMessagesFor(200);
        m_commands.Clear();
    }

    KeyrelayRun m_run;
    BroadcastRecorder m_commands;
};

} // namespace

TEST_F(KeyrelayProgramTest, KeyReportBroadcastsItsCommandWithTheTag)
{
    m_run.SendKey(KEY_PLAY_PAUSE);
    m_run.SendKey(0);
    ASSERT_TRUE(m_commands.WaitForCount(1, kDeliveryMs));
    PumpMessagesFor(kQuietMs);
    EXPECT_EQ(m_commands.Codes(), std::vector<int>{CMD_PLAY_PAUSE});
}

TEST_F(KeyrelayProgramTest, NavigationKeysWithoutProfileBecomeCommandsInOrder)
{
    for (BYTE key : {KEY_FULL_SCREEN, KEY_PREVIOUS, KEY_NEXT, KEY_LAUNCH}) {
        m_run.SendKey(key);
        m_run.SendKey(0);
    }
    ASSERT_TRUE(m_commands.WaitForCount(4, kDeliveryMs));
    PumpMessagesFor(kQuietMs);
    EXPECT_EQ(m_commands.Codes(), (std::vector<int>{CMD_FULL_SCREEN, CMD_PREVIOUS, CMD_NEXT, CMD_LAUNCH}));
}

TEST_F(KeyrelayProgramTest, ReportsWithoutAKeyDispatchNothing)
{
    for (BYTE code : {0, 12, 128, 255})
        m_run.SendKey(code);
    PumpMessagesFor(kQuietMs);
    EXPECT_TRUE(m_commands.Commands().empty());
}

TEST_F(KeyrelayProgramTest, VolumeKeyRepeatsEveryHalfSecondUntilTheRelease)
{
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    m_run.SendKey(KEY_VOLUME_UP);
    ::QueryPerformanceCounter(&start);
    ASSERT_TRUE(m_commands.WaitForCount(1, kDeliveryMs));
    PumpMessagesFor(1750);
    m_run.SendKey(0);
    ::QueryPerformanceCounter(&now);
    const double heldMs = 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    PumpMessagesFor(300);
    const size_t atRelease = m_commands.CountOf(CMD_VOLUME_UP);
    // One at once, then one per 500 ms held.
    const size_t expected = 1 + static_cast<size_t>(heldMs / 500);
    EXPECT_GE(atRelease + 1, expected) << "held " << heldMs << " ms";
    EXPECT_LE(atRelease, expected + 1) << "held " << heldMs << " ms";
    PumpMessagesFor(1200);
    EXPECT_EQ(m_commands.CountOf(CMD_VOLUME_UP), atRelease) << "the release must stop the repetition";
    EXPECT_EQ(m_commands.Codes().size(), m_commands.CountOf(CMD_VOLUME_UP));
}

TEST_F(KeyrelayProgramTest, AnotherKeyStopsTheRepetition)
{
    m_run.SendKey(KEY_VOLUME_DOWN);
    ASSERT_TRUE(m_commands.WaitForCount(1, kDeliveryMs));
    m_run.SendKey(KEY_PLAY_PAUSE);
    ASSERT_TRUE(m_commands.WaitForCount(2, kDeliveryMs));
    PumpMessagesFor(1300);
    EXPECT_EQ(m_commands.Codes(), (std::vector<int>{CMD_VOLUME_DOWN, CMD_PLAY_PAUSE}));
}

TEST_F(KeyrelayProgramTest, SurvivesUnpluggingAndPluggingAgain)
{
    for (int round = 0; round < 3; ++round) {
        m_run.Receiver().Unplug();
        ASSERT_TRUE(m_run.WaitForDisconnected(3000)) << "round " << round;
        ASSERT_TRUE(m_run.Connect()) << "round " << round;
        m_commands.Clear();
        m_run.SendKey(KEY_NEXT);
        m_run.SendKey(0);
        ASSERT_TRUE(m_commands.WaitForCount(1, kDeliveryMs)) << "round " << round;
        EXPECT_EQ(m_commands.Codes(), std::vector<int>{CMD_NEXT});
    }
}

TEST_F(KeyrelayProgramTest, UnpluggingStopsARepetition)
{
    m_run.SendKey(KEY_VOLUME_UP);
    ASSERT_TRUE(m_commands.WaitForCount(1, kDeliveryMs));
    m_run.Receiver().Unplug();
    ASSERT_TRUE(m_run.WaitForDisconnected(3000));
    const size_t atLoss = m_commands.CountOf(CMD_VOLUME_UP);
    PumpMessagesFor(1200);
    EXPECT_EQ(m_commands.CountOf(CMD_VOLUME_UP), atLoss);
}

struct PowerCase {
    const char* name;
    bool powerKey;
    int choice;   // IDC_POWER_OFF, IDC_HIBERNATE or 0 for neither
    BYTE key;
    std::vector<int> expected;
};

class KeyrelayPowerKeyTest : public KeyrelayProgramTest, public testing::WithParamInterface<PowerCase> {};

// The controls are the live settings: what the dialog shows now decides, saved or not.
TEST_P(KeyrelayPowerKeyTest, FollowsTheDialogsCurrentControls)
{
    const PowerCase& c = GetParam();
    m_run.SetCheck(IDC_POWER_ENABLE, c.powerKey);
    m_run.SetCheck(IDC_POWER_OFF, c.choice == IDC_POWER_OFF);
    m_run.SetCheck(IDC_HIBERNATE, c.choice == IDC_HIBERNATE);
    m_run.SendKey(c.key);
    m_run.SendKey(0);
    if (!c.expected.empty()) {
        ASSERT_TRUE(m_commands.WaitForCount(c.expected.size(), kDeliveryMs));
    }
    PumpMessagesFor(kQuietMs);
    EXPECT_EQ(m_commands.Codes(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyrelayPowerKeyTest, testing::Values(
    PowerCase{"PowerOff", true, IDC_POWER_OFF, KEY_POWER, {CMD_POWER_OFF}},
    PowerCase{"Hibernate", true, IDC_HIBERNATE, KEY_POWER, {CMD_HIBERNATE}},
    PowerCase{"NeitherChosen", true, 0, KEY_POWER, {}},
    PowerCase{"PowerKeyDisabled", false, IDC_POWER_OFF, KEY_POWER, {}},
    PowerCase{"Suspend", true, IDC_HIBERNATE, KEY_SUSPEND, {CMD_SUSPEND}},
    PowerCase{"SuspendDisabled", false, IDC_HIBERNATE, KEY_SUSPEND, {}},
    PowerCase{"NoiseOff", true, 0, KEY_NOISE_OFF, {CMD_NOISE_OFF}},
    PowerCase{"PiloWifi", true, 0, KEY_PILO_WIFI, {CMD_PILO_WIFI}}),
    [](const testing::TestParamInfo<PowerCase>& info) { return std::string(info.param.name); });

TEST_F(KeyrelayProgramTest, TrayMenuItemsDispatchTheirKeysOnlyWithThePowerKeyEnabled)
{
    m_run.SetCheck(IDC_POWER_ENABLE, false);
    ::SendMessageA(m_run.Window(), WM_COMMAND, ID_TRAY_NOISE_OFF, 0);
    ::SendMessageA(m_run.Window(), WM_COMMAND, ID_TRAY_PILO_WIFI, 0);
    PumpMessagesFor(kQuietMs);
    EXPECT_TRUE(m_commands.Commands().empty());
    m_run.SetCheck(IDC_POWER_ENABLE, true);
    ::SendMessageA(m_run.Window(), WM_COMMAND, ID_TRAY_NOISE_OFF, 0);
    ::SendMessageA(m_run.Window(), WM_COMMAND, ID_TRAY_PILO_WIFI, 0);
    ASSERT_TRUE(m_commands.WaitForCount(2, kDeliveryMs));
    EXPECT_EQ(m_commands.Codes(), (std::vector<int>{CMD_NOISE_OFF, CMD_PILO_WIFI}));
}

TEST_F(KeyrelayProgramTest, ExitMessageEndsTheProgramOnlyWithItsTag)
{
    for (WPARAM tag : {WPARAM{0}, WPARAM{83}, WPARAM{85}, WPARAM{1286}})
        ::SendMessageA(m_run.Window(), WM_EXIT_RECEIVER, tag, 0);
    PumpMessagesFor(kQuietMs);
    EXPECT_TRUE(m_run.Process().IsRunning());
    EXPECT_TRUE(m_run.Exit());
    EXPECT_FALSE(::IsWindow(m_run.Window()));
}

TEST_F(KeyrelayProgramTest, StartsHiddenAndHidingActionsKeepItRunning)
{
    EXPECT_FALSE(::IsWindowVisible(m_run.Window()));
    ::SendMessageA(m_run.Window(), WM_COMMAND, ID_TRAY_SETTINGS, 0);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(m_run.Window()) != FALSE; }, 2000));
    ::SendMessageA(m_run.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(::IsWindowVisible(m_run.Window()));
    ::SendMessageA(m_run.Window(), WM_TRAY_NOTIFY, 1, WM_LBUTTONUP);
    EXPECT_TRUE(::IsWindowVisible(m_run.Window()));
    ::SendMessageA(m_run.Window(), WM_COMMAND, MAKEWPARAM(IDC_CLOSE, BN_CLICKED), 0);
    EXPECT_FALSE(::IsWindowVisible(m_run.Window()));
    EXPECT_TRUE(m_run.Process().IsRunning());
    // The reader still works while the window is hidden.
    m_run.SendKey(KEY_PREVIOUS);
    ASSERT_TRUE(m_commands.WaitForCount(1, kDeliveryMs));
    EXPECT_EQ(m_commands.Codes(), std::vector<int>{CMD_PREVIOUS});
}

TEST_F(KeyrelayProgramTest, EscapeAsksAndNoKeepsItRunning)
{
    ::SendMessageA(m_run.Window(), WM_COMMAND, ID_TRAY_SETTINGS, 0);
    ::PostMessageA(m_run.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = ::FindWindowA("#32770", "Info")) != nullptr; }, 3000));
    char text[128] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    EXPECT_STREQ(text, "Are you sure to exit Veltra Kova Remote?");
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 3000));
    PumpMessagesFor(300);
    EXPECT_TRUE(m_run.Process().IsRunning());
    EXPECT_TRUE(::IsWindowVisible(m_run.Window()));
}

TEST(KeyrelayStartTest, SecondStartExitsAtOnceAndBringsTheFirstForward)
{
    DeleteVeltraKey();
    KeyrelayRun first;
    ASSERT_TRUE(first.Start());
    ASSERT_FALSE(::IsWindowVisible(first.Window()));
    ChildProcess second;
    ASSERT_TRUE(second.Start("\"" + BinDirectory() + "Keyrelay.exe\" -d", BinDirectory()));
    DWORD code = 1;
    ASSERT_TRUE(second.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(first.Window()) != FALSE; }, 3000));
    EXPECT_EQ(FindKeyrelayWindow(), first.Window());
    EXPECT_TRUE(first.Exit());
}

TEST(KeyrelayStartTest, DebugSwitchShowsTheWindowFromTheStart)
{
    DeleteVeltraKey();
    KeyrelayRun run;
    ASSERT_TRUE(run.Start("-d"));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(run.Window()) != FALSE; }, 3000));
    EXPECT_TRUE(run.ShowsDisconnected()) << "no receiver plugged in yet";
    EXPECT_TRUE(run.Exit());
}

TEST(KeyrelayStartTest, TheHotkeyGridHoldsTheKeyNames)
{
    DeleteVeltraKey();
    KeyrelayRun run;
    ASSERT_TRUE(run.Start());
    for (int row = 0; row < 6; ++row) {
        const HWND keys = run.Item(IDC_GRID_KEY + row);
        ASSERT_NE(keys, nullptr) << row;
        EXPECT_EQ(::SendMessageA(keys, CB_GETCOUNT, 0, 0), 85);
        EXPECT_NE(run.Item(IDC_GRID_ALT + row), nullptr);
        EXPECT_NE(run.Item(IDC_GRID_SHIFT + row), nullptr);
        EXPECT_NE(run.Item(IDC_GRID_CTRL + row), nullptr);
    }
    EXPECT_FALSE(::IsWindowVisible(run.Item(IDCANCEL))) << "the Exit button is hidden";
    EXPECT_TRUE(run.Exit());
}

TEST_F(KeyrelayProgramTest, SystemMenuItemOpensTheAboutBox)
{
    ::SendMessageA(m_run.Window(), WM_COMMAND, ID_TRAY_SETTINGS, 0);
    ::PostMessageA(m_run.Window(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    const HWND about = m_run.WaitForDialog("About Veltra Kova Remote");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(m_run.Window())) << "the About box is modal";
    ::PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }, 3000));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(m_run.Window()) != FALSE; }, 2000));
    EXPECT_TRUE(m_run.Process().IsRunning());
}
