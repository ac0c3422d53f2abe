// DispatchKey against settings and actions the test controls: which command, which inputs in
// which order, and what never happens.
#include "KeyDispatcher.h"
#include "RemoteProtocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace keyrelay;

namespace {

struct FakeSettings : DispatchSettings {
    bool powerKey = true, powerOff = false, hibernate = true, useHotkeys = true, profileActive = false,
         launch = false;
    std::string path = "C:\\Apps\\player.exe";
    HotkeyRow rows[kHotkeyRows] = {};
    bool PowerKeyEnabled() const override { return powerKey; }
    bool PowerOffChosen() const override { return powerOff; }
    bool HibernateChosen() const override { return hibernate; }
    bool UseHotkeys() const override { return useHotkeys; }
    bool ProfileActive() const override { return profileActive; }
    bool LaunchEnabled() const override { return launch; }
    std::string ProgramPath() const override { return path; }
    HotkeyRow Row(int row) const override { return rows[row]; }
};

// One recorded effect: "post 146", "send A4/0/0 A2/0/0", "pause 10", "start C:\x.exe".
struct RecordingActions : KeyActions {
    std::vector<std::string> log;
    void PostCommand(unsigned code) override { log.push_back("post " + std::to_string(code & 0xFF)); }
    void SendInputs(std::span<const INPUT> inputs) override
    {
        std::string line = "send";
        char item[32];
        for (const INPUT& input : inputs) {
            EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
            EXPECT_EQ(input.ki.time, 0u);
            EXPECT_EQ(input.ki.dwExtraInfo, 0u);
            std::snprintf(item, sizeof(item), " %02X/%02X/%u", input.ki.wVk, input.ki.wScan,
                          static_cast<unsigned>(input.ki.dwFlags));
            line += item;
        }
        log.push_back(line);
    }
    void Pause(DWORD ms) override { log.push_back("pause " + std::to_string(ms)); }
    void StartProgram(const std::string& path) override { log.push_back("start " + path); }
};

std::vector<std::string> Dispatched(unsigned code, const FakeSettings& settings)
{
    RecordingActions actions;
    DispatchKey(code, settings, actions);
    return actions.log;
}

using Log = std::vector<std::string>;

} // namespace

struct CommandCase {
    const char* name;
    unsigned code;
    bool powerKey, powerOff, hibernate, profileActive;
    Log expected;
};

class DispatchCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(DispatchCommandTest, PostsTheCommandOfTheTable)
{
    const CommandCase& c = GetParam();
    FakeSettings settings;
    settings.powerKey = c.powerKey;
    settings.powerOff = c.powerOff;
    settings.hibernate = c.hibernate;
    settings.profileActive = c.profileActive;
    EXPECT_EQ(Dispatched(c.code, settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, DispatchCommandTest, testing::Values(
    CommandCase{"PowerOff", 1, true, true, false, false, {"post 146"}},
    CommandCase{"PowerHibernate", 1, true, false, true, false, {"post 147"}},
    CommandCase{"PowerNeitherChosen", 1, true, false, false, false, {}},
    CommandCase{"PowerDisabled", 1, false, true, false, false, {}},
    CommandCase{"Suspend", 2, true, false, true, false, {"post 148"}},
    CommandCase{"NoiseOff", 3, true, false, true, true, {"post 149"}},
    CommandCase{"PiloWifi", 4, true, false, true, false, {"post 150"}},
    CommandCase{"SuspendDisabled", 2, false, false, true, false, {}},
    CommandCase{"NoiseOffDisabled", 3, false, false, true, false, {}},
    CommandCase{"PiloWifiDisabled", 4, false, false, true, false, {}},
    CommandCase{"LaunchWithoutSwitch", 5, false, false, false, true, {"post 151"}},
    CommandCase{"FullScreenNoProfile", 6, true, false, true, false, {"post 152"}},
    CommandCase{"VolumeUpNoProfile", 7, true, false, true, false, {"post 153"}},
    CommandCase{"PreviousNoProfile", 8, true, false, true, false, {"post 154"}},
    CommandCase{"PlayPauseNoProfile", 9, true, false, true, false, {"post 155"}},
    CommandCase{"NextNoProfile", 10, true, false, true, false, {"post 156"}},
    CommandCase{"VolumeDownNoProfile", 11, true, false, true, false, {"post 157"}},
    CommandCase{"OnlyLowByteCounts", 0x109, true, false, true, false, {"post 155"}},
    CommandCase{"Zero", 0, true, true, false, false, {}},
    CommandCase{"Twelve", 12, true, true, false, false, {}},
    CommandCase{"MaxByte", 255, true, true, false, true, {}},
    CommandCase{"LowByteZero", 0x100, true, true, false, false, {}}),
    [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST(DispatchKeyTest, LaunchStartsTheProgramOnlyWithSwitchAndActiveProfile)
{
    FakeSettings settings;
    settings.launch = true;
    settings.profileActive = true;
    EXPECT_EQ(Dispatched(5, settings), (Log{"post 151", "start C:\\Apps\\player.exe"}));
    settings.profileActive = false;
    EXPECT_EQ(Dispatched(5, settings), (Log{"post 151"}));
    settings.profileActive = true;
    settings.launch = false;
    EXPECT_EQ(Dispatched(5, settings), (Log{"post 151"}));
}

TEST(DispatchKeyTest, HotkeyPressesModifiersInOrderAndReleasesThemInTheSameOrder)
{
    FakeSettings settings;
    settings.profileActive = true;
    settings.rows[3] = {true, false, true, 'P'};   // play/pause: Alt+Ctrl+P
    EXPECT_EQ(Dispatched(KEY_PLAY_PAUSE, settings), (Log{"send A4/00/0 A2/00/0 50/00/0", "pause 10", "send 50/00/2",
                                                  "pause 10", "send A4/00/2 A2/00/2"}));
}

TEST(DispatchKeyTest, ShiftCarriesItsScanCode)
{
    FakeSettings settings;
    settings.profileActive = true;
    settings.rows[1] = {true, true, true, 0xBB};
    EXPECT_EQ(Dispatched(KEY_VOLUME_UP, settings), (Log{"send A4/00/0 10/36/0 A2/00/0 BB/00/0", "pause 10", "send BB/00/2",
                                                 "pause 10", "send A4/00/2 10/36/2 A2/00/2"}));
}

TEST(DispatchKeyTest, HotkeyWithoutModifiersSendsNoReleaseList)
{
    FakeSettings settings;
    settings.profileActive = true;
    settings.rows[4] = {false, false, false, VK_RIGHT};
    EXPECT_EQ(Dispatched(KEY_NEXT, settings), (Log{"send 27/00/0", "pause 10", "send 27/00/2", "pause 10"}));
}

TEST(DispatchKeyTest, UnusedRowStillSendsItsModifiersAndKeyZero)
{
    FakeSettings settings;
    settings.profileActive = true;
    settings.rows[5] = {false, false, true, 0};
    EXPECT_EQ(Dispatched(KEY_VOLUME_DOWN, settings), (Log{"send A2/00/0 00/00/0", "pause 10", "send 00/00/2", "pause 10",
                                                   "send A2/00/2"}));
}

TEST(DispatchKeyTest, FullScreenSendsItsHotkeyEvenInMediaKeyMode)
{
    FakeSettings settings;
    settings.profileActive = true;
    settings.useHotkeys = false;
    settings.rows[0] = {true, false, false, VK_RETURN};
    EXPECT_EQ(Dispatched(KEY_FULL_SCREEN, settings), (Log{"send A4/00/0 0D/00/0", "pause 10", "send 0D/00/2", "pause 10",
                                                   "send A4/00/2"}));
}

struct MediaCase {
    unsigned key;
    const char* expected;
};

class DispatchMediaKeyTest : public testing::TestWithParam<MediaCase> {};

TEST_P(DispatchMediaKeyTest, SendsMakeAndBreakExtendedScanCodesInOneCall)
{
    FakeSettings settings;
    settings.profileActive = true;
    settings.useHotkeys = false;
    EXPECT_EQ(Dispatched(GetParam().key, settings), (Log{GetParam().expected}));
}

INSTANTIATE_TEST_SUITE_P(Keys, DispatchMediaKeyTest, testing::Values(
    MediaCase{7, "send 00/30/9 00/B0/9"}, MediaCase{8, "send 00/10/9 00/90/9"},
    MediaCase{9, "send 00/22/9 00/A2/9"}, MediaCase{10, "send 00/19/9 00/99/9"},
    MediaCase{11, "send 00/2E/9 00/AE/9"}));
