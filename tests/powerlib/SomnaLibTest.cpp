#include "SomnaLib.h"
#include "SomnaLibDemo.h"
#include "SomnaLibDll.h"

#include "MessageBoxWatcher.h"
#include "PowerLibFixture.h"

#include <gmock/gmock.h>

using kova::test::MessageBoxWatcher;
using kova::test::ScopedEnvironment;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

using SomnaLibTest = kova::test::PowerLibFixture;

TEST_F(SomnaLibTest, LoadingInitialisesOnceAndScreenOffSwitchesTheScreen)
{
    InstallStandIn();
    SomnaLib lib(std::make_unique<SomnaLibDll>(ProgramDir()));
    lib.ScreenOff();
    EXPECT_THAT(Calls(), ElementsAre("SomnaInit", "SomnaScreen 0"));
}

TEST_F(SomnaLibTest, AFailedInitIsIgnored)
{
    InstallStandIn();
    ScopedEnvironment fail("SOMNA_FAIL", "SomnaInit");
    SomnaLibDll dll(ProgramDir());
    EXPECT_TRUE(dll.IsLoaded());
    dll.ScreenOff();
    EXPECT_THAT(Calls(), ElementsAre("SomnaInit", "SomnaScreen 0"));
}

TEST_F(SomnaLibTest, WithoutTheLibraryScreenOffCallsNothing)
{
    MessageBoxWatcher boxes;
    SomnaLib lib(std::make_unique<SomnaLibDll>(ProgramDir()));
    lib.ScreenOff();
    EXPECT_FALSE(kova::test::FileExists(ProgramDir() + "somna.log"));
    EXPECT_THAT(boxes.Messages(), IsEmpty());
}

TEST_F(SomnaLibTest, ALibraryThatLacksAnExportIsNeverCalled)
{
    InstallIncompleteStandIn();
    SomnaLibDll dll(ProgramDir());
    EXPECT_FALSE(dll.IsLoaded());
    dll.ScreenOff();
    dll.ScreenOn();
    dll.Enable(true);
    EXPECT_FALSE(dll.IsSupported());
    EXPECT_FALSE(dll.CheckReboot());
    EXPECT_THAT(Calls(), IsEmpty());
}

TEST_F(SomnaLibTest, AFileThatCannotBeLoadedIsReported)
{
    kova::test::WriteTextFile(LibraryPath(), "not a library");
    MessageBoxWatcher boxes;
    SomnaLib lib(std::make_unique<SomnaLibDll>(ProgramDir()));
    lib.ScreenOff();
    const auto messages = boxes.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "LoadLibrary Error");
    EXPECT_EQ(messages[0].text, "Can not load " + LibraryPath());
}

TEST_F(SomnaLibTest, TheQuestionsAskTheLibraryEachTimeAndCountOnlyOne)
{
    InstallStandIn();
    SomnaLibDll dll(ProgramDir());
    EXPECT_TRUE(dll.IsSupported());
    EXPECT_FALSE(dll.CheckReboot());
    {
        ScopedEnvironment support("SOMNA_OUT_SOMNAISSUPPORT", "2");
        ScopedEnvironment reboot("SOMNA_OUT_SOMNACHECKREBOOT", "1");
        EXPECT_FALSE(dll.IsSupported());
        EXPECT_TRUE(dll.CheckReboot());
    }
    {
        ScopedEnvironment fail("SOMNA_FAIL", "SomnaIsSupport,SomnaCheckReboot");
        ScopedEnvironment reboot("SOMNA_OUT_SOMNACHECKREBOOT", "1");
        EXPECT_FALSE(dll.IsSupported());
        EXPECT_FALSE(dll.CheckReboot());
    }
    EXPECT_THAT(Calls(), ElementsAre("SomnaInit", "SomnaIsSupport", "SomnaCheckReboot",
                                     "SomnaIsSupport", "SomnaCheckReboot", "SomnaIsSupport",
                                     "SomnaCheckReboot"));
}

TEST_F(SomnaLibTest, EveryOperationReachesItsExport)
{
    InstallStandIn();
    SomnaLibDll dll(ProgramDir());
    ClearCalls();
    dll.Enable(true);
    dll.Enable(false);
    dll.EnterSleep();
    dll.LeaveSleep();
    dll.SoundOff();
    dll.SoundOn();
    dll.ScreenOff();
    dll.ScreenOn();
    EXPECT_FALSE(dll.IsEnabled());
    EXPECT_THAT(Calls(), ElementsAre("SomnaEnable", "SomnaDisable", "SomnaSleep", "SomnaWake",
                                     "SomnaSound 0", "SomnaSound 1", "SomnaScreen 0",
                                     "SomnaScreen 1"));
}

TEST_F(SomnaLibTest, TheDemoImplementationLoadsNothing)
{
    MessageBoxWatcher boxes;
    SomnaLibDemo demo;
    const auto messages = boxes.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "SomnaLibDemo");
    EXPECT_EQ(messages[0].caption, "");
    EXPECT_TRUE(demo.IsSupported());
    EXPECT_FALSE(demo.CheckReboot());
    demo.Enable(true);
    EXPECT_TRUE(demo.IsEnabled());
}

} // namespace
