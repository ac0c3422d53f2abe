// The hibernation and standby keys: what the system allows, whether a HID device may wake the
// PC, the confirmation by a second press and the logged action.

#include "CouchdeckRun.h"
#include "FakeHidDevices.h"
#include "SystemPowrProf.h"

#include <gtest/gtest.h>

using namespace kova::test;

namespace {

// A notice stays 3 s; under Wine on a display without a window manager, hiding the veil can
// take 2 s more.
constexpr DWORD kNoticeWaitMs = 12000;

struct SleepKey {
    const char* name;
    unsigned code;
    const char* action;   // the power log's line once it is carried out
};

void PrintTo(const SleepKey& key, std::ostream* out)
{
    *out << key.name;
}

const SleepKey kHibernateKey{"Hibernate", 147, "Hibernate 1"};
const SleepKey kStandbyKey{"Standby", 148, "Standby 1"};

class CouchdeckSleepKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ScopedSystemPowrProf::Supported())
            GTEST_SKIP() << "the system's power queries can only be answered for the test under Wine";
        DeleteVeltraKey();
    }
    void TearDown() override
    {
        m_run.reset();   // before the system library goes back
        m_powrProf.reset();
        DeleteVeltraKey();
    }

    void Start(bool sleepAllowed, bool remoteWake)
    {
        m_powrProf = std::make_unique<ScopedSystemPowrProf>(sleepAllowed, sleepAllowed);
        ASSERT_TRUE(m_powrProf->Installed());
        FakeHidDevices::SetWakeForAll(remoteWake ? DWORD{1} : DWORD{0});
        m_run = std::make_unique<CouchdeckRun>();
        ASSERT_TRUE(m_run->Start());
        ASSERT_TRUE(m_run->WaitForStartup());
    }
    bool WaitForDialog(bool shown, DWORD timeoutMs)
    {
        return WaitUntil([&] { return m_run->IsShown("TDialogForm") == shown; }, timeoutMs);
    }
    int CountInPowerLog(const std::string& line) const
    {
        return CouchdeckRun::CountLines(m_run->PowerLog(), line);
    }

    FakeHidDevices m_devices;   // gives every device its remote-wake value back
    std::unique_ptr<ScopedSystemPowrProf> m_powrProf;
    std::unique_ptr<CouchdeckRun> m_run;
};

class CouchdeckSleepKey : public CouchdeckSleepKeys,
                          public ::testing::WithParamInterface<SleepKey> {};

TEST_P(CouchdeckSleepKey, WithoutRemoteWakeShowsTheHelpPictureInsteadOfTheAction)
{
    Start(true, false);
    CouchdeckRun::Broadcast(GetParam().code);
    ASSERT_TRUE(WaitUntil([&] { return m_run->IsShown("TSettingHelp"); }, 5000));
    RECT help{};
    GetWindowRect(m_run->FindWindowOfClass("TSettingHelp"), &help);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (help.right - help.left)) / 2, help.left);

    // No confirmation is asked for, so a second press does not carry anything out either.
    PumpMessagesFor(700);
    CouchdeckRun::Broadcast(GetParam().code);
    PumpMessagesFor(1500);
    EXPECT_FALSE(m_run->IsShown("TDialogForm"));
    EXPECT_EQ("", m_run->PowerLog());
}

TEST_P(CouchdeckSleepKey, ASecondPressConfirmsAndTheNextPressesAreDiscarded)
{
    Start(true, true);
    CouchdeckRun::Broadcast(GetParam().code);
    ASSERT_TRUE(WaitForDialog(true, 3000));
    PumpMessagesFor(700);
    CouchdeckRun::Broadcast(GetParam().code);
    ASSERT_TRUE(WaitUntil([&] { return !m_run->PowerLog().empty(); }, kNoticeWaitMs));
    EXPECT_EQ(1, CountInPowerLog(GetParam().action)) << m_run->PowerLog();
    EXPECT_FALSE(m_run->IsShown("TSettingHelp"));

    // The quiet period after the action drops this press.
    CouchdeckRun::Broadcast(GetParam().code);
    EXPECT_FALSE(WaitForDialog(true, 1000));
    EXPECT_EQ(1, CountInPowerLog(GetParam().action));
}

INSTANTIATE_TEST_SUITE_P(Keys, CouchdeckSleepKey, ::testing::Values(kHibernateKey, kStandbyKey),
                         [](const auto& info) { return std::string(info.param.name); });

// Refused by the system: hibernation is switched on once with PowerCfg and then refused with a
// notice, standby has its notice at once. Neither asks for a confirmation, so a second press
// carries nothing out.
TEST_F(CouchdeckSleepKeys, ThatTheSystemRefusesOnlyShowTheirNotice)
{
    Start(false, true);
    for (const SleepKey& key : {kHibernateKey, kStandbyKey}) {
        CouchdeckRun::Broadcast(key.code);
        ASSERT_TRUE(WaitForDialog(true, 5000)) << key.name;
        PumpMessagesFor(700);
        CouchdeckRun::Broadcast(key.code);
        EXPECT_TRUE(WaitForDialog(false, kNoticeWaitMs)) << key.name;
        EXPECT_FALSE(m_run->IsShown("TSettingHelp"));
        PumpMessagesFor(500);
    }
    EXPECT_EQ("PowerCfg /hibernate on\r\n", m_run->PowerLog());
}

} // namespace
