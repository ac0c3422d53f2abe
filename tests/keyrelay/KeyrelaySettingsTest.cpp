// The settings dialog against Wine's real registry, driven through its controls with the messages
// a user's clicks produce.
#include "KeyboardHookRecorder.h"
#include "KeyrelayHarness.h"
#include "RemoteProtocol.h"
#include "SettingsRegistry.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace kova::test;
using namespace keyrelay;

namespace {

struct ExpectedProfile {
    const char* name;
    DWORD keys[6];
};

// The default profiles, written out independently of the program's own table.
const ExpectedProfile kDefaultTable[14] = {
    {"Media Player", {0x40D, 0x79, 0x142, 0x150, 0x146, 0x78}},
    {"iTunes", {0x146, 0x126, 0x25, 0x20, 0x27, 0x128}},
    {"PowerDVD", {0x5A, 0x2BB, 0x50, 0x0D, 0x4E, 0xBD}},
    {"WinDVD", {0x5A, 0x226, 0x21, 0x20, 0x22, 0x228}},
    {"QuickTime", {0x146, 0x26, 0, 0x20, 0, 0x28}},
    {"Real Player", {0x133, 0x126, 0x152, 0x150, 0x154, 0x128}},
    {"DivX Player", {0x40D, 0, 0, 0x20, 0, 0}},
    {"WinAmp", {0, 0x26, 0x5A, 0x58, 0x42, 0x28}},
    {"PowerPoint", {0x74, 0x42, 0x21, 0x74, 0x22, 0x1B}},
    {"User Define 1", {0, 0, 0, 0, 0, 0}},
    {"User Define 2", {0, 0, 0, 0, 0, 0}},
    {"User Define 3", {0, 0, 0, 0, 0, 0}},
    {"User Define 4", {0, 0, 0, 0, 0, 0}},
    {"User Define 5", {0, 0, 0, 0, 0, 0}},
};

const char* kRowNames[6] = {"Key00", "Key01", "Key02", "Key03", "Key04", "Key05"};

constexpr int kKeyF = 6;     // entries of the key-name table
constexpr int kKeyX = 24;
constexpr int kKeyEnter = 39;

class KeyrelaySettingsTest : public testing::Test {
protected:
    void SetUp() override { DeleteVeltraKey(); }
    void TearDown() override
    {
        m_run.reset();
        DeleteVeltraKey();
    }

    KeyrelayRun& Start()
    {
        m_run = std::make_unique<KeyrelayRun>();
        EXPECT_TRUE(m_run->Start());
        return *m_run;
    }

    // A settings key that exists, so the rest of the registry is read.
    static void StoreTopValues(DWORD profile)
    {
        PutDword("", "Power_Enable", 1);
        PutDword("", "Power", 0);
        PutDword("", "Power_On", 0);
        PutDword("", "Profile", profile);
    }

    // Clicks "Save" and answers its message box; returns the box's text.
    std::string Save()
    {
        m_run->PostClick(IDC_SAVE);
        const HWND box = m_run->WaitForDialog(kWindowCaption);
        if (!box)
            return "<no message box>";
        char text[128] = {};
        ::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
        ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntil([&] { return !::IsWindow(box); }, 3000);
        return text;
    }

    void ExpectRow(int row, bool alt, bool shift, bool ctrl, int keyEntry)
    {
        EXPECT_EQ(m_run->IsChecked(IDC_GRID_ALT + row), alt) << "row " << row;
        EXPECT_EQ(m_run->IsChecked(IDC_GRID_SHIFT + row), shift) << "row " << row;
        EXPECT_EQ(m_run->IsChecked(IDC_GRID_CTRL + row), ctrl) << "row " << row;
        EXPECT_EQ(m_run->ComboSelection(IDC_GRID_KEY + row), keyEntry) << "row " << row;
    }

    std::unique_ptr<KeyrelayRun> m_run;
};

} // namespace

TEST_F(KeyrelaySettingsTest, EmptyRegistryShowsTheDefaultsAndSaveWritesTheWholeLayout)
{
    KeyrelayRun& run = Start();
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 0);
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 0), "Media Player");
    EXPECT_EQ(::SendMessageA(run.Item(IDC_PROFILE), CB_GETCOUNT, 0, 0), 14);
    EXPECT_TRUE(run.IsChecked(IDC_POWER_ENABLE));
    EXPECT_TRUE(run.IsChecked(IDC_HIBERNATE));
    EXPECT_FALSE(run.IsChecked(IDC_POWER_OFF));
    EXPECT_FALSE(run.IsChecked(IDC_POWER_ON_AFTER_LOSS));
    EXPECT_TRUE(run.IsChecked(IDC_USE_HOTKEYS));
    ExpectRow(0, true, false, false, kKeyEnter);   // Alt+Enter
    ExpectRow(4, false, false, true, kKeyF);       // Ctrl+F
    EXPECT_TRUE(run.IsEnabled(IDC_SAVE));

    EXPECT_EQ(Save(), "Save ok!");
    EXPECT_EQ(GetDword("", "Power_Enable"), 1u);
    EXPECT_EQ(GetDword("", "Power"), 0u);
    EXPECT_EQ(GetDword("", "Power_On"), 0u);
    EXPECT_EQ(GetDword("", "Profile"), 0u);
    for (int slot = 0; slot < 14; ++slot) {
        const std::string key = SlotKey(slot);
        EXPECT_EQ(GetString(key, "Name"), std::string(kDefaultTable[slot].name)) << slot;
        EXPECT_EQ(GetString(key, "Apppath"), std::string()) << slot;
        EXPECT_EQ(GetDword(key, "Flags"), 0u) << slot;
        for (int row = 0; row < 6; ++row)
            EXPECT_EQ(GetDword(key, kRowNames[row]), kDefaultTable[slot].keys[row]) << slot << " row " << row;
    }
}

TEST_F(KeyrelaySettingsTest, NoActiveProfileDisablesTheProfileControlsAndSavesMinusOneAgain)
{
    StoreTopValues(static_cast<DWORD>(-1));
    KeyrelayRun& run = Start();
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), -1);
    for (int id : {IDC_PROFILE, IDC_PATH, IDC_BROWSE, IDC_RENAME, IDC_DEFAULT, IDC_SAVE, IDC_USE_HOTKEYS,
                   IDC_GRID_ALT, IDC_GRID_KEY + 5})
        EXPECT_FALSE(run.IsEnabled(id)) << id;
    ::EnableWindow(run.Item(IDC_SAVE), TRUE);
    EXPECT_EQ(Save(), "Save ok!");
    EXPECT_EQ(GetDword("", "Profile"), 0xFFFFFFFFu);
}

TEST_F(KeyrelaySettingsTest, ProfileOutOfRangeShowsNoSelection)
{
    StoreTopValues(14);
    KeyrelayRun& run = Start();
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), -1);
    EXPECT_TRUE(run.IsEnabled(IDC_PROFILE));
    EXPECT_EQ(Save(), "Save ok!");   // nothing selected: no record is overwritten
    EXPECT_EQ(GetDword("", "Profile"), 0xFFFFFFFFu);
    EXPECT_EQ(GetDword(SlotKey(0), "Key00"), 0x40Du);
}

TEST_F(KeyrelaySettingsTest, StoredValuesLoadWithinTheirLimits)
{
    StoreTopValues(9);
    PutString(SlotKey(9), "Name", std::string(64, 'n'));
    PutString(SlotKey(10), "Name", std::string(63, 'm'));
    PutDword(SlotKey(9), "Key00", 0x146);
    DeleteValue(SlotKey(0), "Key03");
    PutDword(SlotKey(0), "Key00", 0x40D);
    KeyrelayRun& run = Start();
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 9), "");
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 10), std::string(63, 'm'));
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 9);
    ExpectRow(0, false, false, true, kKeyF);
    EXPECT_EQ(Save(), "Save ok!");
    EXPECT_EQ(GetDword(SlotKey(9), "Key00"), 0x146u);
    EXPECT_EQ(GetDword(SlotKey(0), "Key03"), 0x150u) << "a missing row keeps its default";
}

TEST_F(KeyrelaySettingsTest, WrongTypesAndOversizedValuesLoadWithoutHarm)
{
    StoreTopValues(0);
    PutRaw("", "Power", REG_BINARY, {1, 0, 0, 0, 9, 9, 9, 9});
    PutRaw(SlotKey(0), "Name", REG_DWORD, {1, 2, 3, 4});
    PutString(SlotKey(1), "Name", std::string(5000, 'x'));
    PutString(SlotKey(2), "Apppath", "C:\\" + std::string(300, 'p') + ".exe");
    PutString(SlotKey(3), "Apppath", "C:\\" + std::string(255, 'q'));   // 258 characters: kept
    PutString(SlotKey(1), "Key00", "not a number");
    PutRaw(SlotKey(1), "Key01", REG_BINARY, std::vector<BYTE>(100, 0xFF));
    PutRaw(SlotKey(4), "Name", REG_SZ, std::vector<BYTE>(64, 'z'));   // no terminator, too long
    PutRaw(SlotKey(5), "Name", REG_SZ, std::vector<BYTE>(10, 'y'));   // no terminator
    KeyrelayRun& run = Start();
    EXPECT_TRUE(run.Process().IsRunning());
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 0), "");
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 1), "");
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 4), "");
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 5), "yyyyyyyyyy");
    EXPECT_TRUE(run.IsChecked(IDC_HIBERNATE)) << "a Power value of the wrong type is no 1";
    run.Choose(IDC_PROFILE, 1);
    ExpectRow(0, false, false, true, kKeyF);   // iTunes' defaults kept: Ctrl+F
    run.Choose(IDC_PROFILE, 2);
    EXPECT_EQ(run.ItemText(IDC_PATH), "");
    run.Choose(IDC_PROFILE, 3);
    EXPECT_EQ(run.ItemText(IDC_PATH), "C:\\" + std::string(255, 'q'));
}

TEST_F(KeyrelaySettingsTest, WrongTypeOfPowerEnableCountsAsAFreshConfiguration)
{
    PutString("", "Power_Enable", "1");
    PutDword("", "Profile", 5);
    KeyrelayRun& run = Start();
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 0) << "defaults show Media Player";
    EXPECT_TRUE(run.IsChecked(IDC_POWER_ENABLE));
}

TEST_F(KeyrelaySettingsTest, HotkeyModeFollowsTheKindOfProfile)
{
    StoreTopValues(0);
    KeyrelayRun& run = Start();
    run.Choose(IDC_PROFILE, 1);   // iTunes, predefined
    EXPECT_FALSE(run.IsEnabled(IDC_GRID_KEY));
    EXPECT_FALSE(run.IsChecked(IDC_REDEFINE_HOTKEYS));
    EXPECT_TRUE(run.IsEnabled(IDC_REDEFINE_HOTKEYS));
    EXPECT_TRUE(run.IsEnabled(IDC_RESET));
    EXPECT_FALSE(run.IsEnabled(IDC_RENAME));
    run.Click(IDC_REDEFINE_HOTKEYS);
    EXPECT_TRUE(run.IsEnabled(IDC_GRID_KEY + 3));

    run.Choose(IDC_PROFILE, 10);   // User Define 2
    EXPECT_TRUE(run.IsEnabled(IDC_GRID_KEY));
    EXPECT_TRUE(run.IsEnabled(IDC_GRID_ALT + 5));
    EXPECT_TRUE(run.IsChecked(IDC_REDEFINE_HOTKEYS));
    EXPECT_FALSE(run.IsEnabled(IDC_REDEFINE_HOTKEYS));
    EXPECT_FALSE(run.IsEnabled(IDC_RESET));
    EXPECT_TRUE(run.IsEnabled(IDC_RENAME));
    run.Click(IDC_USE_HOTKEYS);   // media keys instead: nothing to edit
    EXPECT_FALSE(run.IsEnabled(IDC_GRID_KEY));

    run.Choose(IDC_PROFILE, 2);
    run.Click(IDC_USE_HOTKEYS);
    EXPECT_FALSE(run.IsChecked(IDC_USE_HOTKEYS));
    EXPECT_FALSE(run.IsEnabled(IDC_REDEFINE_HOTKEYS)) << "predefined profile in media-key mode";
}

TEST_F(KeyrelaySettingsTest, ResetRestoresThePredefinedHotkeysOnly)
{
    StoreTopValues(1);
    PutString(SlotKey(1), "Apppath", "C:\\Music\\player.exe");
    PutDword(SlotKey(1), "Key00", 0x20);
    KeyrelayRun& run = Start();
    ExpectRow(0, false, false, false, 41);   // Space as stored
    run.Click(IDC_RESET);
    ExpectRow(0, false, false, true, kKeyF);   // Ctrl+F
    ExpectRow(1, false, false, true, 60);      // Ctrl+Arrow Up
    ExpectRow(2, false, false, false, 59);     // Arrow Left
    ExpectRow(3, false, false, false, 41);     // Space
    ExpectRow(5, false, false, true, 62);      // Ctrl+Arrow Down
    EXPECT_EQ(run.ItemText(IDC_PATH), "C:\\Music\\player.exe");
}

TEST_F(KeyrelaySettingsTest, EditsSurviveAChangeOfProfileAndSaveWritesThem)
{
    StoreTopValues(11);
    KeyrelayRun& run = Start();
    ::SendMessageA(run.Item(IDC_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\Tools\\viewer.exe"));
    run.SetCheck(IDC_GRID_SHIFT + 2, true);
    ::SendMessageA(run.Item(IDC_GRID_KEY + 2), CB_SETCURSEL, kKeyX, 0);
    run.Choose(IDC_PROFILE, 0);
    run.Choose(IDC_PROFILE, 11);
    EXPECT_EQ(run.ItemText(IDC_PATH), "C:\\Tools\\viewer.exe");
    ExpectRow(2, false, true, false, kKeyX);
    run.Choose(IDC_PROFILE, 0);
    EXPECT_EQ(Save(), "Save ok!");
    EXPECT_EQ(GetString(SlotKey(11), "Apppath"), std::string("C:\\Tools\\viewer.exe"));
    EXPECT_EQ(GetDword(SlotKey(11), "Key02"), 0x258u);
    EXPECT_EQ(GetDword("", "Profile"), 0u);
}

TEST_F(KeyrelaySettingsTest, RenameKeepsTheListPosition)
{
    StoreTopValues(12);
    PutString(SlotKey(12), "Name", "User Define 4");
    PutString(SlotKey(13), "Name", "User Define 5");
    KeyrelayRun& run = Start();
    run.PostClick(IDC_RENAME);
    const HWND rename = run.WaitForDialog("Rename Profile");
    ASSERT_NE(rename, nullptr);
    char current[80] = {};
    ::SendDlgItemMessageA(rename, IDC_RENAME_EDIT, WM_GETTEXT, sizeof(current), reinterpret_cast<LPARAM>(current));
    EXPECT_STREQ(current, "User Define 4");
    ::SendDlgItemMessageA(rename, IDC_RENAME_EDIT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Slide Show"));
    ::PostMessageA(rename, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(rename); }, 3000));
    EXPECT_TRUE(WaitUntil([&] { return run.ComboText(IDC_PROFILE, 12) == "Slide Show"; }, 2000));
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 12);
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 13), "User Define 5");
    EXPECT_EQ(GetString(SlotKey(12), "Name"), std::string("User Define 4")) << "nothing is written before Save";
    EXPECT_EQ(Save(), "Save ok!");
    EXPECT_EQ(GetString(SlotKey(12), "Name"), std::string("Slide Show"));
}

TEST_F(KeyrelaySettingsTest, DefaultAsksFirstAndWritesNothingBeforeSave)
{
    StoreTopValues(1);
    PutString(SlotKey(1), "Name", "Jukebox");
    PutDword(SlotKey(1), "Key00", 0x20);
    KeyrelayRun& run = Start();
    for (int answer : {IDCANCEL, IDOK}) {
        run.PostClick(IDC_DEFAULT);
        const HWND box = run.WaitForDialog(kWindowCaption);
        ASSERT_NE(box, nullptr);
        char text[128] = {};
        ::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
        EXPECT_STREQ(text, "Reset profiles to defaults?");
        ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 3000));
        PumpMessagesFor(200);
        if (answer == IDCANCEL) {
            EXPECT_EQ(run.ComboText(IDC_PROFILE, 1), "Jukebox");
            EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 1);
        }
    }
    EXPECT_EQ(run.ComboText(IDC_PROFILE, 1), "iTunes");
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 0);
    ExpectRow(0, true, false, false, kKeyEnter);
    EXPECT_EQ(GetString(SlotKey(1), "Name"), std::string("Jukebox"));
}

TEST_F(KeyrelaySettingsTest, PowerKeySwitchGreysItsOptionsAndPostsPowerOnAfterLossOff)
{
    StoreTopValues(0);
    PutDword("", "Power_On", 1);
    KeyrelayRun& run = Start();
    BroadcastRecorder commands;
    run.Click(IDC_POWER_ENABLE);
    ASSERT_TRUE(commands.WaitForCount(1, 3000));
    EXPECT_EQ(commands.Codes(), std::vector<int>{CMD_POWER_ON_AFTER_LOSS_OFF});
    for (int id : {IDC_POWER_OFF, IDC_HIBERNATE, IDC_POWER_ON_AFTER_LOSS})
        EXPECT_FALSE(run.IsEnabled(id)) << id;
    commands.Clear();
    run.Click(IDC_POWER_ENABLE);
    ASSERT_TRUE(commands.WaitForCount(1, 3000));
    EXPECT_EQ(commands.Codes(), std::vector<int>{CMD_POWER_ON_AFTER_LOSS_ON});
    EXPECT_TRUE(run.IsEnabled(IDC_POWER_OFF));
}

// What a remote key does follows the controls as they are now, saved or not, and the registry
// after Couchdeck's reload message.
class KeyrelayLiveSettingsTest : public KeyrelaySettingsTest {
protected:
    KeyrelayRun& StartConnected(DWORD profile)
    {
        StoreTopValues(profile);
        KeyrelayRun& run = Start();
        EXPECT_TRUE(run.Connect());
        PumpMessagesFor(200);
        return run;
    }
    void Press(BYTE key)
    {
        m_run->SendKey(key);
        m_run->SendKey(0);
    }
};

TEST_F(KeyrelayLiveSettingsTest, RemoteKeyUsesTheUnsavedHotkey)
{
    KeyrelayRun& run = StartConnected(0);
    KeyboardHookRecorder hook;
    ASSERT_TRUE(hook.Installed());
    ::SendMessageA(run.Item(IDC_GRID_KEY + 3), CB_SETCURSEL, kKeyX, 0);   // Ctrl+P becomes Ctrl+X
    BroadcastRecorder commands;
    Press(KEY_PLAY_PAUSE);
    ASSERT_TRUE(hook.WaitForCount(4, 4000)) << hook.Describe();
    const auto keys = hook.Keys();
    EXPECT_EQ(keys[0].virtualKey, static_cast<DWORD>(VK_LCONTROL)) << hook.Describe();
    EXPECT_EQ(keys[1].virtualKey, static_cast<DWORD>('X')) << hook.Describe();
    EXPECT_TRUE(keys[2].up);
    EXPECT_TRUE(keys[3].up);
    PumpMessagesFor(300);
    EXPECT_TRUE(commands.Commands().empty()) << "a profile's hotkey never reaches Couchdeck";
}

TEST_F(KeyrelayLiveSettingsTest, MediaKeyModeSendsTheExtendedScanCode)
{
    KeyrelayRun& run = StartConnected(0);
    run.Click(IDC_USE_HOTKEYS);
    KeyboardHookRecorder hook;
    Press(KEY_NEXT);
    ASSERT_TRUE(hook.WaitForCount(2, 4000)) << hook.Describe();
    EXPECT_EQ(hook.Keys()[0].scanCode, 0x19u) << hook.Describe();
    EXPECT_EQ(hook.Keys()[1].scanCode, 0x99u) << hook.Describe();
}

TEST_F(KeyrelayLiveSettingsTest, ReloadMessageMakesTheNewProfileValueCount)
{
    KeyrelayRun& run = StartConnected(0);
    BroadcastRecorder commands;
    PutDword("", "Profile", static_cast<DWORD>(-1));
    ::SendMessageA(run.Window(), WM_RELOAD_SETTINGS, 83, 0);   // wrong tag: ignored
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 0);
    ::SendMessageA(run.Window(), WM_RELOAD_SETTINGS, RECEIVER_TAG, 0);
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), -1);
    PumpMessagesFor(200);   // the reload posts the power-on-after-loss state again
    commands.Clear();
    Press(KEY_PLAY_PAUSE);
    ASSERT_TRUE(commands.WaitForCount(1, 3000));
    EXPECT_EQ(commands.Codes(), std::vector<int>{CMD_PLAY_PAUSE});

    PutDword("", "Profile", 6);
    ::SendMessageA(run.Window(), WM_RELOAD_SETTINGS, RECEIVER_TAG, 0);
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 6);
    EXPECT_TRUE(run.IsEnabled(IDC_PROFILE));
    KeyboardHookRecorder hook;
    PumpMessagesFor(200);
    commands.Clear();
    Press(KEY_PLAY_PAUSE);   // DivX Player: Space
    ASSERT_TRUE(hook.WaitForCount(2, 4000)) << hook.Describe();
    EXPECT_EQ(hook.Keys()[0].virtualKey, static_cast<DWORD>(VK_SPACE));
    PumpMessagesFor(300);
    EXPECT_TRUE(commands.Commands().empty());
}

// The launch key starts the profile's program only with "-a" and an active profile.
TEST_F(KeyrelayLiveSettingsTest, LaunchKeyStartsTheProgramOnlyWithTheSwitch)
{
    for (const char* arguments : {"", "-a"}) {
        StoreTopValues(0);
        m_run = std::make_unique<KeyrelayRun>();
        ASSERT_TRUE(m_run->Start(arguments));
        ASSERT_TRUE(m_run->Connect());
        const std::string program = BinDirectory() + "VirtualRemote.exe";
        ::SendMessageA(m_run->Item(IDC_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(program.c_str()));
        BroadcastRecorder commands;
        PumpMessagesFor(200);
        commands.Clear();
        Press(KEY_LAUNCH);
        ASSERT_TRUE(commands.WaitForCount(1, 3000));
        EXPECT_EQ(commands.Codes(), std::vector<int>{CMD_LAUNCH});
        HWND started = nullptr;
        const bool launched = WaitUntil([&] { return (started = ::FindWindowA(nullptr, "Virtual Remote")) != nullptr; },
                                        std::string(arguments).empty() ? 1500 : 8000);
        EXPECT_EQ(launched, !std::string(arguments).empty()) << "arguments: " << arguments;
        if (started) {
            ::PostMessageA(started, WM_CLOSE, 0, 0);
            WaitUntil([&] { return !::IsWindow(started); }, 5000);
        }
        m_run.reset();
    }
}

TEST_F(KeyrelaySettingsTest, ReloadOfAFreshConfigurationShowsTheDefaultsReadyToEdit)
{
    StoreTopValues(static_cast<DWORD>(-1));
    KeyrelayRun& run = Start();
    EXPECT_FALSE(run.IsEnabled(IDC_PROFILE));
    DeleteVeltraKey();
    ::SendMessageA(run.Window(), WM_RELOAD_SETTINGS, RECEIVER_TAG, 0);
    EXPECT_EQ(run.ComboSelection(IDC_PROFILE), 0);
    for (int id : {IDC_PROFILE, IDC_PATH, IDC_DEFAULT, IDC_SAVE, IDC_USE_HOTKEYS})
        EXPECT_TRUE(run.IsEnabled(id)) << id;
    EXPECT_FALSE(GetDword("", "Power_Enable").has_value()) << "loading writes nothing";
}
