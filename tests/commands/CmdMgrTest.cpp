#include "CmdMgr.h"

#include "CommandFakes.h"

#include "tessel/System/Assert.h"
#include "tessel/System/ZyMultiLang.h"

#include <gtest/gtest.h>

namespace {

using kova::test::FakeMenu;
using kova::test::FakeServices;
using kova::test::RecordingWindow;
using kova::test::ScriptedClock;
using Calls = std::vector<std::string>;

constexpr UINT kCommand = WM_APP + 5;
constexpr DWORD kStart = 100000;

// The command manager on fake services and a scripted clock that starts at kStart; remote keys
// are posted to a window as Keyrelay's broadcast would be.
class CmdMgrTest : public testing::Test {
protected:
    CmdMgrTest()
    {
        m_services.commandMessage = kCommand;
        m_services.clock = &m_clock;
    }

    void PressAt(DWORD ms, unsigned code, WPARAM tag = 1286)
    {
        m_clock.PostAt(kStart + ms, m_window.Handle(), kCommand, tag, code);
    }
    void Run(Command command) { m_commands.Execute(static_cast<int>(command)); }
    static std::string Hide(DWORD ms) { return "hide @" + std::to_string(kStart + ms); }
    static std::string HidHelp()
    {
        return "help " + tessel::ZyMultiLang::Instance().LocalizedPath("Kova Remote HID.jpg");
    }

    ScriptedClock m_clock{kStart};
    RecordingWindow m_window;
    FakeServices m_services;
    FakeMenu m_menu;
    CmdMgrThrottle m_commands{m_services, m_clock};
};

// Confirmation by a second press.

TEST_F(CmdMgrTest, PowerKeyOnceShowsTheConfirmationAndNothingElse)
{
    Run(Command::PowerOff);
    EXPECT_EQ(m_services.calls, (Calls{"confirm 9", Hide(3000)}));
}

TEST_F(CmdMgrTest, PowerKeyTwiceShowsTheNoticePowersOffAndSwallowsTwoSeconds)
{
    PressAt(1000, 146);
    PressAt(4500, 146);    // during the quiet period after the power-off: discarded
    m_clock.PostAt(kStart + 5000, m_window.Handle(), WM_USER + 7, 0, 0);
    Run(Command::PowerOff);
    EXPECT_EQ(m_services.calls, (Calls{"confirm 9", Hide(1000), "notice 0 3000", "PowerOff 1 0"}));
    EXPECT_EQ(m_clock.Time(), kStart + 1000 + 3000 + 2000);
    EXPECT_EQ(m_window.Received(), (Calls{"1031:0:0"}));   // only the ordinary message
}

TEST_F(CmdMgrTest, ASecondPressWithinTheDebounceIsDiscarded)
{
    PressAt(150, 146);
    Run(Command::PowerOff);
    EXPECT_EQ(m_services.calls, (Calls{"confirm 9", Hide(3000)}));
    EXPECT_TRUE(m_window.Received().empty());
}

TEST_F(CmdMgrTest, AnotherKeyEndsTheConfirmationUnconfirmedAndIsConsumed)
{
    m_services.menu = &m_menu;
    PressAt(600, 151);   // the menu key
    Run(Command::PowerOff);
    EXPECT_EQ(m_services.calls, (Calls{"confirm 9", Hide(600)}));
    EXPECT_TRUE(m_window.Received().empty());
    EXPECT_TRUE(m_menu.executed.empty());
}

TEST_F(CmdMgrTest, OnlyRemoteKeyCodesEndTheConfirmation)
{
    PressAt(300, 128);           // not a key code: dropped, the wait goes on
    PressAt(400, 146, 1285);     // another tag: not a command, dispatched
    PressAt(900, 146);
    Run(Command::PowerOff);
    EXPECT_EQ(m_services.calls,
              (Calls{"confirm 9", Hide(900), "notice 0 3000", "PowerOff 1 0"}));
    EXPECT_EQ(m_window.Received(), (Calls{std::to_string(kCommand) + ":1285:146"}));
}

TEST_F(CmdMgrTest, AFailedPowerOffHasNoQuietPeriod)
{
    m_services.powerActionsSucceed = false;
    PressAt(1000, 146);
    Run(Command::PowerOff);
    EXPECT_EQ(m_clock.Time(), kStart + 1000 + 3000);
}

TEST_F(CmdMgrTest, StandbyIsConfirmedWithTheSuspendKey)
{
    PressAt(500, 146);   // the power key cancels a standby confirmation
    Run(Command::Standby);
    PressAt(2000, 148);
    Run(Command::Standby);
    EXPECT_EQ(m_services.calls, (Calls{"confirm 16", Hide(500), "confirm 16", Hide(2000),
                                       "notice 2 3000", "Standby 1"}));
}

// What may run.

TEST_F(CmdMgrTest, TheOpenMenuRefusesPowerAndModeCommandsSilently)
{
    m_services.menu = &m_menu;
    m_menu.shown = true;
    for (int index = 0; index <= 4; ++index)
        m_commands.Execute(index);
    EXPECT_TRUE(m_services.calls.empty());
    Run(Command::MenuToggle);
    EXPECT_EQ(m_menu.executed, std::vector<Command>{Command::MenuToggle});
}

TEST_F(CmdMgrTest, WirelessOnlyModeTakesOnlyItsOwnKey)
{
    m_services.quietMode = 2;
    m_services.menu = &m_menu;
    m_menu.shown = true;
    for (int index = 0; index < kCommandCount; ++index)
        if (index != static_cast<int>(Command::WirelessOnlyToggle))
            m_commands.Execute(index);
    EXPECT_TRUE(m_services.calls.empty());
    EXPECT_TRUE(m_menu.executed.empty());
}

TEST_F(CmdMgrTest, WithoutTheLibraryPowerAndModeCommandsShowNoFunction)
{
    m_services.supported = false;
    for (int index = 0; index <= 4; ++index)
        m_commands.Execute(index);
    EXPECT_EQ(m_services.calls, Calls(5, "notice 15 3000"));
}

TEST_F(CmdMgrTest, DisabledHibernationIsSwitchedOnOnceElseNotAllowed)
{
    m_services.hibernateAllowed = false;
    Run(Command::Hibernate);
    EXPECT_EQ(m_services.calls, (Calls{"SetHibernation 1", "notice 11 3000"}));

    m_services.calls.clear();
    m_services.setHibernationEnables = true;
    Run(Command::Hibernate);
    EXPECT_EQ(m_services.calls.front(), "SetHibernation 1");
    EXPECT_EQ(m_services.calls.at(1), "confirm 14");
}

TEST_F(CmdMgrTest, StandbyNotAllowedShowsItsNotice)
{
    m_services.suspendAllowed = false;
    Run(Command::Standby);
    EXPECT_EQ(m_services.calls, (Calls{"notice 10 3000"}));
}

TEST_F(CmdMgrTest, WithoutRemoteWakeTheHelpPictureComesInsteadOfTheAction)
{
    m_services.remoteWake = false;
    PressAt(1000, 147);
    Run(Command::Hibernate);
    Run(Command::Standby);
    EXPECT_EQ(m_services.calls, (Calls{HidHelp(), HidHelp()}));
}

// Modes.

TEST_F(CmdMgrTest, QuietToggleSwitchesTheModeAndItsIndicator)
{
    Run(Command::QuietToggle);
    Run(Command::QuietToggle);
    EXPECT_EQ(m_services.calls, (Calls{"notice 4 3000", "EnterQuiet", "ShowMode",
                                       "notice 5 3000", "LeaveQuiet", "HideMode"}));
}

TEST_F(CmdMgrTest, WirelessOnlyRestoresQuietModeWhenItWasOn)
{
    m_services.quietMode = 1;
    Run(Command::WirelessOnlyToggle);
    Run(Command::WirelessOnlyToggle);
    EXPECT_EQ(m_services.calls, (Calls{"LeaveQuiet", "notice 3 3000", "EnterWirelessOnly",
                                       "ShowBlack", "HideBlack", "EnterQuiet"}));
}

TEST_F(CmdMgrTest, WirelessOnlyLeavesQuietModeOffWhenItWasOff)
{
    Run(Command::WirelessOnlyToggle);
    Run(Command::WirelessOnlyToggle);
    EXPECT_EQ(m_services.calls,
              (Calls{"notice 3 3000", "EnterWirelessOnly", "ShowBlack", "HideBlack"}));
}

// Power transitions and quiet mode.

TEST_F(CmdMgrTest, QuietModeComesBackAfterHibernation)
{
    m_services.quietMode = 1;
    PressAt(1000, 147);
    Run(Command::Hibernate);
    EXPECT_EQ(m_clock.Time(), kStart + 1000 + 3000 + 2000);
    m_services.calls.clear();
    Run(Command::Resumed);
    Run(Command::Resumed);   // only once
    EXPECT_EQ(m_services.calls, (Calls{"EnterQuiet"}));
    EXPECT_EQ(m_clock.Time(), kStart + 6000 + 1000 + 1000);
}

TEST_F(CmdMgrTest, AFailedHibernationForgetsQuietMode)
{
    m_services.quietMode = 1;
    m_services.powerActionsSucceed = false;
    PressAt(1000, 147);
    Run(Command::Hibernate);
    m_services.calls.clear();
    Run(Command::Resumed);
    EXPECT_TRUE(m_services.calls.empty());
}

TEST_F(CmdMgrTest, AFailedStandbyKeepsQuietModeToRestore)
{
    m_services.quietMode = 1;
    m_services.powerActionsSucceed = false;
    PressAt(1000, 148);
    Run(Command::Standby);
    m_services.calls.clear();
    Run(Command::Resumed);
    EXPECT_EQ(m_services.calls, (Calls{"EnterQuiet"}));
}

TEST_F(CmdMgrTest, SuspendingInQuietModeRestoresItOnResume)
{
    m_services.quietMode = 1;
    Run(Command::Suspending);
    Run(Command::Resumed);
    EXPECT_EQ(m_services.calls, (Calls{"EnterQuiet", "EnterQuiet"}));

    m_services.calls.clear();
    m_services.supported = false;
    Run(Command::Suspending);
    Run(Command::Resumed);
    EXPECT_TRUE(m_services.calls.empty());
}

TEST_F(CmdMgrTest, ResumeSwallowsCommandsForOneSecond)
{
    PressAt(500, 149);
    Run(Command::Resumed);
    EXPECT_EQ(m_clock.Time(), kStart + 1000);
    EXPECT_TRUE(m_window.Received().empty());
}

// The menu's commands.

TEST_F(CmdMgrTest, WithoutAMenuTheMenuCommandsDoNothing)
{
    for (int index = 5; index <= 11; ++index)
        m_commands.Execute(index);
    EXPECT_TRUE(m_services.calls.empty());
}

TEST_F(CmdMgrTest, MovesGoToTheMenuOnlyWhileItIsShown)
{
    m_services.menu = &m_menu;
    for (int index = 5; index <= 11; ++index)
        m_commands.Execute(index);
    EXPECT_EQ(m_menu.executed, std::vector<Command>{Command::MenuToggle});

    m_menu.executed.clear();
    m_menu.shown = true;
    for (int index = 5; index <= 11; ++index)
        m_commands.Execute(index);
    EXPECT_EQ(m_menu.executed,
              (std::vector<Command>{Command::MenuToggle, Command::FocusNext,
                                    Command::FocusPrevious, Command::Select, Command::MoveUp,
                                    Command::MoveDown}));
}

TEST_F(CmdMgrTest, AnIndexOutsideTheSetIsAProgrammingError)
{
    try {
        m_commands.Execute(kCommandCount);
        FAIL() << "no assertion";
    } catch (const tessel::AssertionError& error) {
        EXPECT_EQ(error.Failure().expression, "index < (int) m_cmdCount");
        EXPECT_EQ(error.Failure().unit, "CmdMgr");
    }
    EXPECT_THROW(m_commands.Execute(-1), tessel::AssertionError);
    EXPECT_TRUE(m_services.calls.empty());
}

TEST(CmdMgrInstance, RunsCommandsOnTheProgramsServices)
{
    FakeServices services;
    CmdMgr::UseServices(&services);
    CmdMgr* manager = CmdMgr::Instance();
    EXPECT_EQ(CmdMgr::Instance(), manager);
    manager->Execute(static_cast<int>(Command::QuietToggle));
    CmdMgr::UseServices(nullptr);
    EXPECT_EQ(services.calls, (Calls{"notice 4 3000", "EnterQuiet", "ShowMode"}));
}

} // namespace
