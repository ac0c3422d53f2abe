// The input sequences of the key dispatcher as a low-level keyboard hook sees them, sent through
// the real SendInput.
#include "KeyDispatcher.h"
#include "KeyboardHookRecorder.h"
#include "RemoteProtocol.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>


using namespace keyrelay;
using kova::test::HookedKey;
using kova::test::KeyboardHookRecorder;

namespace {

struct RowSettings : DispatchSettings {
    bool useHotkeys = true;
    HotkeyRow row;
    bool PowerKeyEnabled() const override { return false; }
    bool PowerOffChosen() const override { return false; }
    bool HibernateChosen() const override { return false; }
    bool UseHotkeys() const override { return useHotkeys; }
    bool ProfileActive() const override { return true; }
    bool LaunchEnabled() const override { return false; }
    std::string ProgramPath() const override { return {}; }
    HotkeyRow Row(int) const override { return row; }
};

class KeyInputHookTest : public testing::Test {
protected:
    // Dispatches on another thread and pumps this one until the hook has seen `expectedKeys`.
    void Dispatch(unsigned key, size_t expectedKeys)
    {
        ASSERT_TRUE(m_recorder.Installed());
        SystemKeyActions actions(::RegisterWindowMessageA("kova-test-unused"));
        DispatchKey(key, m_settings, actions);
        m_recorder.WaitForCount(expectedKeys, 3000);
        kova::test::PumpMessagesFor(100);
    }

    RowSettings m_settings;
    KeyboardHookRecorder m_recorder;
};

} // namespace

TEST_F(KeyInputHookTest, HotkeyArrivesAsModifiersKeyAndReleasesInPressOrder)
{
    m_settings.row = {true, false, true, 'P'};
    Dispatch(KEY_PLAY_PAUSE, 6);
    const auto keys = m_recorder.Keys();
    ASSERT_EQ(keys.size(), 6u) << m_recorder.Describe();
    const DWORD expectedKeys[] = {VK_LMENU, VK_LCONTROL, 'P', 'P', VK_LMENU, VK_LCONTROL};
    const bool expectedUp[] = {false, false, false, true, true, true};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(keys[i].virtualKey, expectedKeys[i]) << m_recorder.Describe();
        EXPECT_EQ(keys[i].up, expectedUp[i]) << m_recorder.Describe();
        EXPECT_TRUE(keys[i].injected);
    }
}

TEST_F(KeyInputHookTest, ShiftIsSentWithItsScanCode)
{
    m_settings.row = {false, true, false, VK_UP};
    Dispatch(KEY_VOLUME_UP, 4);
    const auto keys = m_recorder.Keys();
    ASSERT_EQ(keys.size(), 4u) << m_recorder.Describe();
    EXPECT_EQ(keys[0].scanCode, 0x36u) << m_recorder.Describe();
    EXPECT_FALSE(keys[0].up);
    EXPECT_EQ(keys[1].virtualKey, static_cast<DWORD>(VK_UP));
    EXPECT_EQ(keys[3].scanCode, 0x36u);
    EXPECT_TRUE(keys[3].up);
}

TEST_F(KeyInputHookTest, MediaKeyArrivesAsExtendedMakeAndBreakScanCodes)
{
    m_settings.useHotkeys = false;
    Dispatch(KEY_PLAY_PAUSE, 2);
    const auto keys = m_recorder.Keys();
    ASSERT_EQ(keys.size(), 2u) << m_recorder.Describe();
    EXPECT_EQ(keys[0].scanCode, 0x22u) << m_recorder.Describe();
    EXPECT_EQ(keys[1].scanCode, 0xA2u) << m_recorder.Describe();
    for (const HookedKey& key : keys) {
        EXPECT_TRUE(key.injected);
        EXPECT_TRUE(key.extended) << m_recorder.Describe();
    }
}
