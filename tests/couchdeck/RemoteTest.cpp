// The whole chain as a person uses it: Couchdeck starts the real Keyrelay, Keyrelay reads the
// remote's reports from a virtual receiver and broadcasts the commands, Couchdeck carries them out.

#include "CouchdeckRun.h"
#include "FakeHidDevices.h"
#include "RemotePipeServer.h"
#include "SystemPowrProf.h"

#include <gtest/gtest.h>

using namespace kova::test;

namespace {

constexpr BYTE kPowerKey = 1;
constexpr BYTE kNoiseOffKey = 3;
constexpr BYTE kWirelessKey = 4;
constexpr DWORD kNoticeWaitMs = 12000;

std::string PipeName()
{
    return "\\\\.\\pipe\\kova-couchdeck-test-" + std::to_string(GetCurrentProcessId());
}

class CouchdeckByRemote : public ::testing::Test {
protected:
    CouchdeckByRemote() : m_receiver(PipeName()), m_receiverPath("KOVA_RECEIVER_PATH", PipeName()) {}

    void SetUp() override
    {
        DeleteVeltraKey();
        // Hibernation allowed and a device that may wake the PC, on any Wine.
        if (ScopedSystemPowrProf::Supported()) {
            m_powrProf = std::make_unique<ScopedSystemPowrProf>(true, true);
            ASSERT_TRUE(m_powrProf->Installed());
        }
        FakeHidDevices::SetWakeForAll(DWORD{1});
        ASSERT_TRUE(m_receiver.Plug());
        CouchdeckSetup setup;
        setup.realKeyrelay = true;
        m_run = std::make_unique<CouchdeckRun>(setup);
        ASSERT_TRUE(m_run->Start());
        ASSERT_TRUE(m_run->WaitForStartup());
        ASSERT_TRUE(m_receiver.WaitForClient(10000)) << "Keyrelay did not open the receiver";
    }
    void TearDown() override
    {
        m_run.reset();
        m_powrProf.reset();
        DeleteVeltraKey();
    }

    void Press(BYTE key)
    {
        ASSERT_TRUE(m_receiver.SendKey(key));
        ASSERT_TRUE(m_receiver.SendKey(0));
    }
    int SomnaCount(const char* line) const
    {
        return CouchdeckRun::CountLines(m_run->SomnaLog(), line);
    }
    bool WaitForDialog(bool shown, DWORD timeoutMs)
    {
        return WaitUntil([&] { return m_run->IsShown("TDialogForm") == shown; }, timeoutMs);
    }

    FakeHidDevices m_devices;
    kova::remote::RemotePipeServer m_receiver;
    ScopedEnvironment m_receiverPath;
    std::unique_ptr<ScopedSystemPowrProf> m_powrProf;
    std::unique_ptr<CouchdeckRun> m_run;
};

// Keyrelay's first settings make the power key hibernate.
TEST_F(CouchdeckByRemote, PowerKeyTwiceHibernates)
{
    Press(kPowerKey);
    ASSERT_TRUE(WaitForDialog(true, 5000));
    EXPECT_TRUE(IsWindowVisible(m_run->MainWindow()));
    PumpMessagesFor(700);
    Press(kPowerKey);
    ASSERT_TRUE(WaitUntil([&] { return !m_run->PowerLog().empty(); }, kNoticeWaitMs));
    EXPECT_EQ("Hibernate 1\r\n", m_run->PowerLog());
}

TEST_F(CouchdeckByRemote, QuietAndWirelessOnlyKeysSwitchTheModes)
{
    Press(kNoiseOffKey);
    ASSERT_TRUE(WaitUntil([&] { return SomnaCount("TacetSleep 16385") == 1; }, kNoticeWaitMs));
    EXPECT_TRUE(WaitUntil([&] { return m_run->IsShown("TModeForm"); }, 3000));
    ASSERT_TRUE(WaitForDialog(false, kNoticeWaitMs));

    Press(kWirelessKey);
    ASSERT_TRUE(WaitUntil([&] { return SomnaCount("TacetSleep 16386") == 1; }, kNoticeWaitMs));
    EXPECT_TRUE(WaitUntil([&] { return m_run->IsShown("TBlackScreen"); }, 3000));
    ASSERT_TRUE(WaitForDialog(false, kNoticeWaitMs));

    // Back from wireless-only mode, quiet mode is on again.
    Press(kWirelessKey);
    EXPECT_TRUE(WaitUntil([&] { return SomnaCount("TacetSleep 16385") == 2; }, kNoticeWaitMs))
        << m_run->SomnaLog();
    EXPECT_TRUE(WaitUntil([&] { return !m_run->IsShown("TBlackScreen"); }, 3000));
}

} // namespace
