#include "MessagePump.h"

#include "CommandFakes.h"

#include <gtest/gtest.h>

namespace {

using kova::test::RecordingWindow;
using kova::test::ScriptedClock;

constexpr UINT kCommand = WM_APP + 5;
constexpr UINT kOther = WM_USER + 7;

PumpVerdict DispatchAll(const MSG&)
{
    return PumpVerdict::Dispatch;
}

TEST(RunMessagePump, DispatchesForTheWholeDuration)
{
    ScriptedClock clock;
    RecordingWindow window;
    const DWORD start = clock.Time();
    clock.PostAt(start + 1000, window.Handle(), kOther, 1, 2);
    clock.PostAt(start + 2999, window.Handle(), kOther, 3, 4);
    clock.PostAt(start + 3000, window.Handle(), kOther, 5, 6);   // too late
    EXPECT_FALSE(RunMessagePump(clock, 3000, DispatchAll));
    EXPECT_EQ(clock.Time(), start + 3000);
    EXPECT_EQ(window.Received(), (std::vector<std::string>{"1031:1:2", "1031:3:4"}));
}

TEST(RunMessagePump, KeepsItsTimeAcrossTheTickCountWrap)
{
    ScriptedClock clock(0xFFFFFF00);   // 256 ms before the wrap
    RecordingWindow window;
    clock.PostAt(0xFFFFFF00 + 1000, window.Handle(), kOther, 1, 1);
    EXPECT_FALSE(RunMessagePump(clock, 3000, DispatchAll));
    EXPECT_EQ(clock.Time(), static_cast<DWORD>(0xFFFFFF00 + 3000));
    EXPECT_EQ(window.Received(), (std::vector<std::string>{"1031:1:1"}));
}

TEST(RunMessagePump, StopsAtTheMessageItsJudgeStopsAt)
{
    ScriptedClock clock;
    RecordingWindow window;
    clock.PostAt(clock.Time() + 500, window.Handle(), kOther, 1, 0);
    clock.PostAt(clock.Time() + 700, window.Handle(), kCommand, 1286, 146);
    clock.PostAt(clock.Time() + 900, window.Handle(), kOther, 2, 0);
    const DWORD start = clock.Time();
    EXPECT_TRUE(RunMessagePump(clock, 3000, [](const MSG& msg) {
        return msg.message == kCommand ? PumpVerdict::Stop : PumpVerdict::Dispatch;
    }));
    EXPECT_EQ(clock.Time(), start + 700);
    EXPECT_EQ(window.Received(), (std::vector<std::string>{"1031:1:0"}));
}

TEST(RunMessagePump, EndsAtAQuitMessageAndLeavesItForTheProgramsLoop)
{
    ScriptedClock clock;
    const DWORD start = clock.Time();
    PostQuitMessage(7);
    EXPECT_FALSE(RunMessagePump(clock, 3000, DispatchAll));
    EXPECT_EQ(clock.Time(), start);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(SwallowCommands, DropsCommandsAndDispatchesTheRest)
{
    ScriptedClock clock;
    RecordingWindow window;
    const DWORD start = clock.Time();
    clock.PostAt(start + 100, window.Handle(), kCommand, 1286, 146);   // dropped
    clock.PostAt(start + 200, window.Handle(), kCommand, 1285, 146);   // another tag: dispatched
    clock.PostAt(start + 300, window.Handle(), kOther, 0, 0);
    clock.PostAt(start + 400, window.Handle(), kCommand, 1286, 151);   // dropped
    SwallowCommands(clock, kCommand, 2000);
    EXPECT_EQ(clock.Time(), start + 2000);
    EXPECT_EQ(window.Received(),
              (std::vector<std::string>{std::to_string(kCommand) + ":1285:146", "1031:0:0"}));
}

TEST(PumpDuringNotice, DispatchesEverythingButMessage1074)
{
    ScriptedClock clock;
    RecordingWindow window;
    const DWORD start = clock.Time();
    clock.PostAt(start + 100, window.Handle(), WM_USER + 50, 0, 0);
    clock.PostAt(start + 200, window.Handle(), kCommand, 1286, 146);
    clock.PostAt(start + 300, window.Handle(), WM_USER + 51, 0, 0);
    PumpDuringNotice(clock, 3000);
    EXPECT_EQ(clock.Time(), start + 3000);
    EXPECT_EQ(window.Received(),
              (std::vector<std::string>{std::to_string(kCommand) + ":1286:146", "1075:0:0"}));
}

TEST(RunMessagePump, WaitsOnTheSystemClockWithoutMissingMessages)
{
    RecordingWindow window;
    PostMessageA(window.Handle(), kOther, 9, 9);
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceCounter(&start);
    EXPECT_FALSE(RunMessagePump(SystemTickClock::Instance(), 300, DispatchAll));
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    EXPECT_GT(seconds, 0.25);
    EXPECT_LT(seconds, 2.0);
    EXPECT_EQ(window.Received(), (std::vector<std::string>{"1031:9:9"}));
}

TEST(IsCommandMessage, NeedsTheRegisteredMessageAndTheTag)
{
    MSG msg = {};
    msg.message = kCommand;
    msg.wParam = 1286;
    EXPECT_TRUE(IsCommandMessage(msg, kCommand));
    EXPECT_FALSE(IsCommandMessage(msg, kCommand + 1));
    msg.wParam = 1287;
    EXPECT_FALSE(IsCommandMessage(msg, kCommand));
    msg.message = 0;
    msg.wParam = 1286;
    EXPECT_FALSE(IsCommandMessage(msg, 0));   // not registered yet: nothing is a command
}

} // namespace
