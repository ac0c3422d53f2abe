#include "KovaRemoteLib.h"
#include "KovaRemoteLibDemo.h"
#include "KovaRemoteLibDll.h"
#include "SomnaLib.h"

#include "MessageBoxWatcher.h"
#include "PowerLibFixture.h"

#include "tessel/System/Assert.h"
#include "tessel/System/ProgramDirectory.h"

#include <gmock/gmock.h>

#include <functional>

using kova::test::MessageBoxWatcher;
using kova::test::ScopedEnvironment;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

class KovaRemoteLibTest : public kova::test::PowerLibFixture {
protected:
    KovaRemoteLib MakeBinding() const
    {
        return KovaRemoteLib(std::make_unique<KovaRemoteLibDll>(ProgramDir()));
    }
};

TEST_F(KovaRemoteLibTest, WithoutTheLibraryItIsUnsupportedInModeNoneAndCallsNothing)
{
    KovaRemoteLib lib = MakeBinding();
    EXPECT_FALSE(lib.IsSupported());
    EXPECT_EQ(lib.QuietMode(), QuietState::None);
    EXPECT_FALSE(kova::test::FileExists(ProgramDir() + "somna.log"));
}

TEST_F(KovaRemoteLibTest, EveryOperationButTheQuestionsRequiresSupport)
{
    KovaRemoteLib lib = MakeBinding();
    const std::vector<std::function<void()>> operations = {
        [&] { lib.Enable(true); },       [&] { lib.EnterQuiet(); },
        [&] { lib.LeaveQuiet(); },       [&] { lib.EnterWirelessOnly(); },
        [&] { lib.LeaveWirelessOnly(); }, [&] { lib.SetDevice(true); },
        [&] { lib.GetDevice(); },        [&] { lib.CheckPower(); },
    };
    for (const auto& operation : operations) {
        try {
            operation();
            ADD_FAILURE() << "no assertion";
        } catch (const tessel::AssertionError& error) {
            EXPECT_EQ(error.Failure().expression, "IsSupported()");
            EXPECT_EQ(error.Failure().unit, "KovaRemoteLib");
        }
    }
}

TEST_F(KovaRemoteLibTest, LoadingInitialisesThenAsksForSupport)
{
    InstallStandIn();
    KovaRemoteLib lib = MakeBinding();
    EXPECT_TRUE(lib.IsSupported());
    EXPECT_THAT(Calls(), ElementsAre("SomnaInit", "TacetIsSupport"));
}

struct SupportCase {
    const char* name;
    const char* variable;
    const char* value;
    std::vector<std::string> calls;
};

// The case as it appears in the test's name.
void PrintTo(const SupportCase& c, std::ostream* out)
{
    *out << c.name;
}

class KovaRemoteLibSupportTest : public KovaRemoteLibTest,
                                 public testing::WithParamInterface<SupportCase> {};

TEST_P(KovaRemoteLibSupportTest, AnythingButASuccessfulOneIsUnsupported)
{
    InstallStandIn();
    ScopedEnvironment answer(GetParam().variable, GetParam().value);
    KovaRemoteLib lib = MakeBinding();
    EXPECT_FALSE(lib.IsSupported());
    EXPECT_EQ(lib.QuietMode(), QuietState::None);
    EXPECT_EQ(Calls(), GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, KovaRemoteLibSupportTest,
    testing::Values(
        SupportCase{"InitFails", "SOMNA_FAIL", "SomnaInit", {"SomnaInit"}},
        SupportCase{"SupportCallFails", "SOMNA_FAIL", "TacetIsSupport",
                    {"SomnaInit", "TacetIsSupport"}},
        SupportCase{"SupportIsZero", "SOMNA_OUT_TACETISSUPPORT", "0",
                    {"SomnaInit", "TacetIsSupport"}},
        SupportCase{"SupportIsTwo", "SOMNA_OUT_TACETISSUPPORT", "2",
                    {"SomnaInit", "TacetIsSupport"}},
        SupportCase{"SupportIsHigh", "SOMNA_OUT_TACETISSUPPORT", "0x101",
                    {"SomnaInit", "TacetIsSupport"}}));

TEST_F(KovaRemoteLibTest, ALibraryThatLacksAnExportIsUnsupportedAndNeverCalled)
{
    InstallIncompleteStandIn();
    KovaRemoteLib lib = MakeBinding();
    EXPECT_FALSE(lib.IsSupported());
    EXPECT_THAT(Calls(), IsEmpty());
}

TEST_F(KovaRemoteLibTest, AFileThatIsNoLibraryIsSilentlyUnsupported)
{
    kova::test::WriteTextFile(LibraryPath(), "not a library");
    MessageBoxWatcher boxes;
    KovaRemoteLib lib = MakeBinding();
    EXPECT_FALSE(lib.IsSupported());
    EXPECT_THAT(boxes.Messages(), IsEmpty());
}

struct ModeSwitchCase {
    const char* name;
    std::function<void(KovaRemoteLib&)> prepare;
    std::function<void(KovaRemoteLib&)> action;
    std::vector<std::string> calls;
    QuietState mode;
};

// The case as it appears in the test's name.
void PrintTo(const ModeSwitchCase& c, std::ostream* out)
{
    *out << c.name;
}

class KovaRemoteLibModeTest : public KovaRemoteLibTest,
                              public testing::WithParamInterface<ModeSwitchCase> {};

TEST_P(KovaRemoteLibModeTest, MakesExactlyTheseCallsAndRecordsTheMode)
{
    InstallStandIn();
    KovaRemoteLib lib = MakeBinding();
    ASSERT_TRUE(lib.IsSupported());
    GetParam().prepare(lib);
    ClearCalls();

    GetParam().action(lib);
    EXPECT_EQ(Calls(), GetParam().calls);
    EXPECT_EQ(lib.QuietMode(), GetParam().mode);
    EXPECT_EQ(Calls(), GetParam().calls) << "the mode is not asked of the library";
}

INSTANTIATE_TEST_SUITE_P(
    Switches, KovaRemoteLibModeTest,
    testing::Values(
        ModeSwitchCase{"EnterQuiet", [](KovaRemoteLib&) {},
                       [](KovaRemoteLib& lib) { lib.EnterQuiet(); },
                       {"SomnaSound 0", "TacetSleep 16385", "SomnaSound 1"},
                       QuietState::Quiet},
        ModeSwitchCase{"LeaveQuiet", [](KovaRemoteLib& lib) { lib.EnterQuiet(); },
                       [](KovaRemoteLib& lib) { lib.LeaveQuiet(); },
                       {"SomnaSound 0", "TacetWake", "SomnaSound 1"}, QuietState::None},
        ModeSwitchCase{"EnterWirelessOnly", [](KovaRemoteLib&) {},
                       [](KovaRemoteLib& lib) { lib.EnterWirelessOnly(); },
                       {"SomnaSound 0", "SomnaScreen 0", "TacetSleep 16386"},
                       QuietState::WirelessOnly},
        ModeSwitchCase{"LeaveWirelessOnly",
                       [](KovaRemoteLib& lib) { lib.EnterWirelessOnly(); },
                       [](KovaRemoteLib& lib) { lib.LeaveWirelessOnly(); },
                       {"TacetWake", "SomnaSound 1", "SomnaScreen 1"}, QuietState::None},
        ModeSwitchCase{"Enable", [](KovaRemoteLib&) {},
                       [](KovaRemoteLib& lib) { lib.Enable(true); }, {"SomnaEnable"},
                       QuietState::None},
        ModeSwitchCase{"Disable", [](KovaRemoteLib&) {},
                       [](KovaRemoteLib& lib) { lib.Enable(false); }, {"SomnaDisable"},
                       QuietState::None}));

TEST_F(KovaRemoteLibTest, WirelessOnlyWaitsBetweenScreenAndMode)
{
    InstallStandIn();
    KovaRemoteLib lib = MakeBinding();
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    lib.EnterWirelessOnly();
    lib.LeaveWirelessOnly();
    QueryPerformanceCounter(&end);
    const double elapsedMs =
        1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    EXPECT_GE(elapsedMs, 350.0);  // two pauses of 200 ms, with room for the timer
}

TEST_F(KovaRemoteLibTest, TheDeviceSettingRoundTripsThroughTheLibrary)
{
    InstallStandIn();
    KovaRemoteLib lib = MakeBinding();
    EXPECT_FALSE(lib.GetDevice());
    lib.SetDevice(true);
    EXPECT_TRUE(lib.GetDevice());
    lib.SetDevice(false);
    EXPECT_FALSE(lib.GetDevice());
    EXPECT_THAT(Calls(), ElementsAre("SomnaInit", "TacetIsSupport", "TacetGetDevice",
                                     "TacetSetDevice 1", "TacetGetDevice", "TacetSetDevice 0",
                                     "TacetGetDevice"));
}

struct OutValueCase {
    const char* value;
    bool expected;
};

// The case as it appears in the test's name.
void PrintTo(const OutValueCase& c, std::ostream* out)
{
    *out << c.value;
}

class KovaRemoteLibOutValueTest : public KovaRemoteLibTest,
                                  public testing::WithParamInterface<OutValueCase> {};

TEST_P(KovaRemoteLibOutValueTest, OnlyTheValueOneCountsAsTrue)
{
    InstallStandIn();
    KovaRemoteLib lib = MakeBinding();
    ScopedEnvironment device("SOMNA_OUT_TACETGETDEVICE", GetParam().value);
    ScopedEnvironment power("SOMNA_OUT_TACETCHECKPOWER", GetParam().value);
    EXPECT_EQ(lib.GetDevice(), GetParam().expected);
    EXPECT_EQ(lib.CheckPower(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, KovaRemoteLibOutValueTest,
                         testing::Values(OutValueCase{"0", false}, OutValueCase{"1", true},
                                         OutValueCase{"2", false}, OutValueCase{"257", false},
                                         OutValueCase{"0xFFFFFFFF", false}));

struct FailureCase {
    const char* name;
    const char* failing;
    std::function<bool(KovaRemoteLib&)> action;
    const char* caption;
    const char* text;
};

// The case as it appears in the test's name.
void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class KovaRemoteLibFailureTest : public KovaRemoteLibTest,
                                 public testing::WithParamInterface<FailureCase> {};

TEST_P(KovaRemoteLibFailureTest, ShowsItsMessageAndAnswersFalse)
{
    InstallStandIn();
    KovaRemoteLib lib = MakeBinding();
    ScopedEnvironment fail("SOMNA_FAIL", GetParam().failing);
    // The stand-in still fills 1 into a failed call's value: the binding must not trust it.
    ScopedEnvironment device("SOMNA_OUT_TACETGETDEVICE", "1");
    MessageBoxWatcher boxes;
    EXPECT_FALSE(GetParam().action(lib));
    const auto messages = boxes.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, GetParam().caption);
    EXPECT_EQ(messages[0].text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, KovaRemoteLibFailureTest,
    testing::Values(
        FailureCase{"GetDevice", "TacetGetDevice",
                    [](KovaRemoteLib& lib) { return lib.GetDevice(); }, "Error",
                    "TacetGetDevice Error"},
        FailureCase{"CheckPower", "TacetCheckPower",
                    [](KovaRemoteLib& lib) { return lib.CheckPower(); }, "",
                    "TacetCheckPower ERROR"},
        FailureCase{"SetDeviceOn", "TacetSetDevice",
                    [](KovaRemoteLib& lib) {
                        lib.SetDevice(true);
                        return false;
                    },
                    "Error", "TacetSetDevice Error"},
        FailureCase{"SetDeviceOff", "TacetSetDevice",
                    [](KovaRemoteLib& lib) {
                        lib.SetDevice(false);
                        return false;
                    },
                    "Error", "TacetSetDevice Error"}));

TEST_F(KovaRemoteLibTest, AFailedSetLeavesTheDeviceSettingAsItWas)
{
    InstallStandIn();
    KovaRemoteLib lib = MakeBinding();
    lib.SetDevice(true);
    {
        ScopedEnvironment fail("SOMNA_FAIL", "TacetSetDevice");
        MessageBoxWatcher boxes;
        lib.SetDevice(false);
    }
    EXPECT_TRUE(lib.GetDevice());
}

TEST_F(KovaRemoteLibTest, TheDemoImplementationLoadsNothingAndFollowsTheCalls)
{
    MessageBoxWatcher boxes;
    KovaRemoteLib lib(std::make_unique<KovaRemoteLibDemo>());
    const auto messages = boxes.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "KovaRemoteLibDemo");
    EXPECT_EQ(messages[0].caption, "");

    EXPECT_TRUE(lib.IsSupported());
    EXPECT_TRUE(lib.CheckPower());
    EXPECT_FALSE(lib.GetDevice());
    lib.EnterQuiet();
    EXPECT_EQ(lib.QuietMode(), QuietState::Quiet);
    lib.LeaveQuiet();
    EXPECT_EQ(lib.QuietMode(), QuietState::None);
    lib.EnterWirelessOnly();
    EXPECT_EQ(lib.QuietMode(), QuietState::WirelessOnly);
    lib.LeaveWirelessOnly();
    EXPECT_EQ(lib.QuietMode(), QuietState::None);
}

// Runs in the tests' own folder, which holds no library, and in a copy of this program
// placed beside the stand-in (below).
TEST(PowerLibInstanceTest, TheProgramsBindingsUseTheLibraryBesideTheProgram)
{
    const bool present = kova::test::FileExists(tessel::ProgramDirectory() + "Somna.dll");
    KovaRemoteLib* lib = KovaRemoteLib::Instance();
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib, KovaRemoteLib::Instance());
    EXPECT_EQ(lib->IsSupported(), present);
    SomnaLib::Instance()->ScreenOff();
}

TEST_F(KovaRemoteLibTest, AProgramBesideTheLibraryFindsIt)
{
    InstallStandIn();
    const std::string copy = ProgramDir() + "powerlib_tests.exe";
    ASSERT_TRUE(CopyFileA(tessel::ModulePath().c_str(), copy.c_str(), FALSE));
    kova::test::ChildProcess child;
    const std::string commandLine = "\"" + copy + "\" --gtest_filter=PowerLibInstanceTest.*";
    ASSERT_TRUE(child.Start(commandLine, ProgramDir()));
    DWORD exitCode = 1;
    ASSERT_TRUE(child.WaitForExit(30000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_THAT(Calls(), ElementsAre("SomnaInit", "TacetIsSupport", "SomnaInit", "SomnaScreen 0"));
}

} // namespace
