// Wakegate.dll loaded as an outside caller would, and Couchdeck's own routines, on fake HID
// devices made through the setup API.

#include "RemoteWake.h"

#include "FakeHidDevices.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using kova::test::FakeHidDevices;
using WakeExport = unsigned char(__cdecl*)();

constexpr const char* kKeyboard = "HID\\VID_1234&PID_5678\\7&TEST&0&0000";
constexpr const char* kReceiver = "HID\\VID_1130&PID_CC00\\7&TEST&0&0001";

class WakegateTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_library.reset(LoadLibraryA((kova::test::BinDirectory() + "Wakegate.dll").c_str()));
        ASSERT_TRUE(m_library) << "Wakegate.dll in bin";
        m_check = Export("CheckStandByAllowed", 1);
        m_set = Export("SetStandByAllowed", 2);
    }

    WakeExport Export(const char* name, WORD ordinal) const
    {
        const FARPROC byName = GetProcAddress(m_library.get(), name);
        const FARPROC byOrdinal = GetProcAddress(m_library.get(), MAKEINTRESOURCEA(ordinal));
        EXPECT_NE(byName, nullptr) << name;
        EXPECT_EQ(byName, byOrdinal) << name;
        return reinterpret_cast<WakeExport>(reinterpret_cast<void (*)()>(byOrdinal));
    }

    // Every device the machine already has may wake; then two of the test's own.
    void AddKeyboardAndReceiver(std::optional<DWORD> keyboard, std::optional<DWORD> receiver,
                                bool receiverHasParameters = true)
    {
        FakeHidDevices::SetWakeForAll(1);
        m_devices.Add(kKeyboard);
        m_devices.Add(kReceiver, receiverHasParameters);
        FakeHidDevices::SetWake(kKeyboard, keyboard);
        if (receiverHasParameters)
            FakeHidDevices::SetWake(kReceiver, receiver);
    }

    tessel::UniqueModule m_library;
    WakeExport m_check = nullptr;
    WakeExport m_set = nullptr;
    FakeHidDevices m_devices;
};

TEST_F(WakegateTest, TheFakeDevicesAreSeenAsPresentHidDevices)
{
    AddKeyboardAndReceiver(1, 1);
    const auto ids = FakeHidDevices::PresentIds();
    EXPECT_NE(std::find(ids.begin(), ids.end(), kKeyboard), ids.end());
    EXPECT_NE(std::find(ids.begin(), ids.end(), kReceiver), ids.end());
}

TEST_F(WakegateTest, EveryDeviceWithTheValueOneMayWake)
{
    AddKeyboardAndReceiver(1, 1);
    EXPECT_EQ(m_check(), 1);
    EXPECT_TRUE(remote_wake::AllDevicesMayWake());
    EXPECT_TRUE(remote_wake::AnyDeviceMayWake());
}

struct ReceiverCase {
    const char* name;
    std::optional<DWORD> value;
    bool hasParameters;
};

// The case as it appears in the test's name.
void PrintTo(const ReceiverCase& c, std::ostream* out)
{
    *out << c.name;
}

class WakegateOneDeviceNotAllowedTest : public WakegateTest,
                                        public testing::WithParamInterface<ReceiverCase> {};

TEST_P(WakegateOneDeviceNotAllowedTest, CheckFailsWhileCouchdecksTestStillFindsOne)
{
    AddKeyboardAndReceiver(1, GetParam().value, GetParam().hasParameters);
    EXPECT_EQ(m_check(), 0);
    EXPECT_TRUE(remote_wake::AnyDeviceMayWake());
}

INSTANTIATE_TEST_SUITE_P(
    Receiver, WakegateOneDeviceNotAllowedTest,
    testing::Values(ReceiverCase{"WithoutTheValue", std::nullopt, true},
                    ReceiverCase{"WithZero", 0, true}, ReceiverCase{"WithTwo", 2, true},
                    ReceiverCase{"WithoutParametersKey", std::nullopt, false}));

TEST_F(WakegateTest, CouchdecksTestIsFalseWhenNoDeviceMayWake)
{
    FakeHidDevices::SetWakeForAll(0);
    m_devices.Add(kKeyboard);
    m_devices.Add(kReceiver);
    FakeHidDevices::SetWake(kKeyboard, std::nullopt);
    FakeHidDevices::SetWake(kReceiver, 0);
    EXPECT_FALSE(remote_wake::AnyDeviceMayWake());
    EXPECT_EQ(m_check(), 0);
}

TEST_F(WakegateTest, AfterSettingEveryDeviceMayWake)
{
    AddKeyboardAndReceiver(0, std::nullopt);
    FakeHidDevices::SetWakeForAll(std::nullopt);
    ASSERT_EQ(m_check(), 0);

    EXPECT_EQ(m_set(), 1);
    EXPECT_EQ(FakeHidDevices::Wake(kKeyboard), 1u);
    EXPECT_EQ(FakeHidDevices::Wake(kReceiver), 1u);
    EXPECT_EQ(m_check(), 1);
}

TEST_F(WakegateTest, ADeviceWithoutItsParametersKeyFailsTheSetButTheOthersAreSet)
{
    AddKeyboardAndReceiver(0, std::nullopt, false);
    EXPECT_EQ(m_set(), 0);
    EXPECT_EQ(FakeHidDevices::Wake(kKeyboard), 1u);
    EXPECT_EQ(m_check(), 0);
}

TEST_F(WakegateTest, CouchdecksSetRoutineIsTheSame)
{
    AddKeyboardAndReceiver(0, std::nullopt);
    EXPECT_TRUE(remote_wake::AllowAllDevicesToWake());
    EXPECT_EQ(m_check(), 1);
}

} // namespace
