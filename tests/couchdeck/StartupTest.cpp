// Couchdeck's start: one instance, Keyrelay started beside it, the first run's "/r", the pending
// reboot, and the exit message that ends both.

#include "CouchdeckRun.h"
#include "FakeHidDevices.h"

#include "tessel/System/WinRegistry.h"

#include <gtest/gtest.h>

using namespace kova::test;

namespace {

class CouchdeckStart : public ::testing::Test {
protected:
    void SetUp() override { DeleteVeltraKey(); }
    void TearDown() override { DeleteVeltraKey(); }

    ScopedInstallationValues m_installation;
};

TEST_F(CouchdeckStart, RunsHiddenStartsKeyrelayAndEndsBothOnTheExitMessage)
{
    CouchdeckRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitForStartup());
    EXPECT_FALSE(IsWindowVisible(run.MainWindow()));
    ASSERT_TRUE(run.WaitForKeyrelay());
    EXPECT_EQ(1, CouchdeckRun::CountLines(run.KeyrelayLog(), "start "));
    // The library is switched on and the setting stored for Keyrelay.
    EXPECT_NE(std::string::npos, run.SomnaLog().find("SomnaEnable")) << run.SomnaLog();

    PostMessageA(run.MainWindow(), WM_USER, 0x0155, 0);   // only the low byte counts
    DWORD exitCode = 1;
    ASSERT_TRUE(run.Process().WaitForExit(5000, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_TRUE(WaitUntil([&] { return run.KeyrelayLog().find("exit") != std::string::npos; },
                          3000));
}

// On its way out Couchdeck lets every HID device wake the PC, so that the remote can.
TEST_F(CouchdeckStart, EndingLetsEveryHidDeviceWakeThePc)
{
    FakeHidDevices devices;   // puts the values back afterwards
    FakeHidDevices::SetWakeForAll(DWORD{0});
    CouchdeckRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitForStartup());
    const std::vector<std::string> ids = FakeHidDevices::PresentIds();
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(DWORD{0}, FakeHidDevices::Wake(ids.front()));

    run.End();
    ASSERT_FALSE(run.Process().IsRunning());
    for (const std::string& id : ids)
        EXPECT_EQ(DWORD{1}, FakeHidDevices::Wake(id)) << id;
}

TEST_F(CouchdeckStart, WithoutKeyrelayRunsOnAndEnds)
{
    CouchdeckSetup setup;
    setup.withKeyrelay = false;
    CouchdeckRun run(setup);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitForStartup());
    PostMessageA(run.MainWindow(), WM_USER, 85, 0);
    EXPECT_TRUE(run.Process().WaitForExit(5000));
}

TEST_F(CouchdeckStart, SecondStartMakesTheFirstStartKeyrelayAgainAndLeavesNoProcess)
{
    CouchdeckRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitForStartup());
    ASSERT_TRUE(run.WaitForKeyrelay());

    ChildProcess second;
    ASSERT_TRUE(second.Start("\"" + run.Folder() + "Couchdeck.exe\" /r", run.Folder()));
    DWORD exitCode = 1;
    ASSERT_TRUE(second.WaitForExit(5000, &exitCode));
    EXPECT_EQ(0u, exitCode);
    // Started again without " -d": the second start's "/r" is not looked at.
    ASSERT_TRUE(WaitUntil(
        [&] { return CouchdeckRun::CountLines(run.KeyrelayLog(), "start ") == 2; }, 5000))
        << run.KeyrelayLog();
    EXPECT_TRUE(run.Process().IsRunning());
}

TEST_F(CouchdeckStart, PrivateMessagesWithAnotherTagGoNowhere)
{
    CouchdeckRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitForStartup());
    ASSERT_TRUE(run.WaitForKeyrelay());
    SendMessageA(run.MainWindow(), WM_USER + 3, 0x0054, 0);
    SendMessageA(run.MainWindow(), WM_USER, 0x0054, 0);
    SendMessageA(run.MainWindow(), WM_USER + 2, 0x0155, 0);   // starts Keyrelay again
    PumpMessagesFor(500);
    EXPECT_TRUE(run.Process().IsRunning());
    EXPECT_EQ(2, CouchdeckRun::CountLines(run.KeyrelayLog(), "start ")) << run.KeyrelayLog();
}

TEST_F(CouchdeckStart, PendingRebootShowsTheMessageAndEndsWithoutKeyrelay)
{
    ScopedInstallationValues::SetRunOnce("C:\\Kova\\Setup.exe");
    CouchdeckRun run;
    ASSERT_TRUE(run.Start());
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (box = run.FindWindowOfClass("#32770", CouchdeckRun::kCaption)) != nullptr; },
        5000));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(run.Process().WaitForExit(5000));
    EXPECT_EQ("", run.KeyrelayLog());
    EXPECT_EQ("", run.SomnaLog());
}

// The library's power-on-after-power-loss state is stored for Keyrelay; when the machine could
// power on after a power loss but the device is not set to, a box reminds the user first.
class CouchdeckPowerOn : public CouchdeckStart, public ::testing::WithParamInterface<bool> {};

TEST_P(CouchdeckPowerOn, IsStoredForKeyrelayAndRemindedWhenOff)
{
    constexpr const char* kSettingsKey = "Software\\Veltra\\Keyrelay\\0.0.6";
    const bool deviceSet = GetParam();
    {
        tessel::RegAccessor settings;   // Couchdeck stores into Keyrelay's key, never creates it
        ASSERT_TRUE(settings.Open(HKEY_CURRENT_USER, kSettingsKey, true));
        ASSERT_TRUE(settings.WriteDword("Power_On", deviceSet ? 0 : 1));
    }
    CouchdeckSetup setup;
    setup.powerOnSet = deviceSet;
    CouchdeckRun run(setup);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitForStartup());

    HWND box = nullptr;
    const bool reminded = WaitUntil(
        [&] { return (box = run.FindWindowOfClass("#32770", CouchdeckRun::kCaption)) != nullptr; },
        deviceSet ? 1500 : 5000);
    EXPECT_EQ(!deviceSet, reminded);
    if (box)
        PostMessageA(box, WM_COMMAND, IDOK, 0);

    DWORD stored = 2;
    EXPECT_TRUE(WaitUntil(
        [&] {
            tessel::RegAccessor settings;
            return settings.Open(HKEY_CURRENT_USER, kSettingsKey, false) &&
                   settings.ReadDword("Power_On", stored) && stored == (deviceSet ? 1u : 0u);
        },
        5000))
        << "Power_On = " << stored;
}

INSTANTIATE_TEST_SUITE_P(Device, CouchdeckPowerOn, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Set" : "NotSet"; });

struct FirstRunCase {
    const char* arguments;
    const char* runValue;      // null: no RUN entry
    bool firstRun;
    const char* runAfter;      // expected RUN entry afterwards
};

void PrintTo(const FirstRunCase& c, std::ostream* out)
{
    *out << "arguments " << c.arguments;
}

class CouchdeckFirstRun : public CouchdeckStart,
                          public ::testing::WithParamInterface<FirstRunCase> {};

TEST_P(CouchdeckFirstRun, StartsKeyrelayWithItsSettingsAndStripsTheLogOnOptions)
{
    const FirstRunCase& c = GetParam();
    if (c.runValue)
        ScopedInstallationValues::SetRun(c.runValue);
    CouchdeckRun run;
    ASSERT_TRUE(run.Start(c.arguments));
    ASSERT_TRUE(run.WaitForStartup(15000));
    ASSERT_TRUE(run.WaitForKeyrelay());
    const std::string expected = c.firstRun ? "start -d" : "start ";
    EXPECT_EQ(1, CouchdeckRun::CountLines(run.KeyrelayLog(), expected)) << run.KeyrelayLog();

    std::string runValue;
    if (c.runAfter) {
        ASSERT_TRUE(ScopedInstallationValues::ReadRun(runValue));
        EXPECT_EQ(c.runAfter, runValue);
    } else {
        EXPECT_FALSE(ScopedInstallationValues::ReadRun(runValue));
    }

    // On the first run the help picture stands at the left edge, Keyrelay's window beside it.
    EXPECT_EQ(c.firstRun, run.IsShown("TSettingHelp"));
    if (c.firstRun) {
        RECT help{};
        RECT keyrelay{};
        GetWindowRect(run.FindWindowOfClass("TSettingHelp"), &help);
        GetWindowRect(FindWindowA("#32770", CouchdeckRun::kCaption), &keyrelay);
        EXPECT_EQ(0, help.left);
        EXPECT_EQ(keyrelay.top, help.top);
        EXPECT_EQ(help.right - help.left, keyrelay.left);
    }
}

std::string FirstRunName(const ::testing::TestParamInfo<FirstRunCase>& info)
{
    static const char* const names[] = {"SlashRWithDash", "DashRWithoutDash", "DashFirstInValue",
                                        "NoRunEntry", "CapitalR", "QuotedR"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CouchdeckFirstRun,
    ::testing::Values(
        FirstRunCase{"/r", "C:\\Kova\\Couchdeck.exe -r", true, "C:\\Kova\\Couchdeck.exe"},
        FirstRunCase{"-r", "C:\\Kova\\Couchdeck.exe /r", true, "C:\\Kova\\Couchdeck.exe /r"},
        FirstRunCase{"x -r", "-r", true, "-r"},
        FirstRunCase{"/r", nullptr, true, nullptr},
        FirstRunCase{"/R", "C:\\Kova\\Couchdeck.exe -r", false, "C:\\Kova\\Couchdeck.exe -r"},
        FirstRunCase{"\"/r\"", nullptr, false, nullptr}),
    FirstRunName);

} // namespace
