// The virtual remote's command-line mode, read as Keyrelay reads a receiver: 9-byte reports with
// the key code in byte 2, a release report after each key, and unplugging seen as a lost link.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kova::test;

namespace {

std::string PipeName()
{
    return "\\\\.\\pipe\\kova-remote-test-" + std::to_string(::GetCurrentProcessId());
}

// Opens the pipe, retrying while the remote creates it.
tessel::UniqueFileHandle OpenAsReceiver(const std::string& name)
{
    tessel::UniqueFileHandle pipe;
    WaitUntil([&] {
        pipe.reset(::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr));
        return pipe.valid();
    }, 5000);
    // Message mode, so each read returns one report and its size shows.
    DWORD mode = PIPE_READMODE_MESSAGE;
    if (pipe) {
        EXPECT_TRUE(::SetNamedPipeHandleState(pipe.get(), &mode, nullptr, nullptr));
    }
    return pipe;
}

// Reads one report; false when the remote went away.
bool ReadReport(HANDLE pipe, std::vector<BYTE>& report)
{
    report.assign(16, 0);
    DWORD read = 0;
    if (!::ReadFile(pipe, report.data(), static_cast<DWORD>(report.size()), &read, nullptr))
        return false;
    report.resize(read);
    return true;
}

ChildProcess StartRemote(const std::string& arguments)
{
    ChildProcess remote;
    EXPECT_TRUE(remote.Start("\"" + BinDirectory() + "VirtualRemote.exe\" --pipe " + PipeName() + " " + arguments));
    return remote;
}

} // namespace

TEST(VirtualRemoteTest, PressAndHoldSendKeyAndReleaseReports)
{
    ChildProcess remote = StartRemote("press play hold volup 300 press 11");
    tessel::UniqueFileHandle pipe = OpenAsReceiver(PipeName());
    ASSERT_TRUE(pipe.valid());
    std::vector<int> keys;
    std::vector<BYTE> report;
    while (keys.size() < 6 && ReadReport(pipe.get(), report)) {
        ASSERT_EQ(report.size(), 9u);
        keys.push_back(report[2]);
    }
    EXPECT_EQ(keys, (std::vector<int>{9, 0, 7, 0, 11, 0}));
    DWORD code = 1;
    ASSERT_TRUE(remote.WaitForExit(5000, &code));
    EXPECT_EQ(code, 0u);
}

TEST(VirtualRemoteTest, UnplugEndsTheLinkAndPlugServesAgain)
{
    ChildProcess remote = StartRemote("press next unplug wait 300 plug press prev");
    tessel::UniqueFileHandle pipe = OpenAsReceiver(PipeName());
    ASSERT_TRUE(pipe.valid());
    std::vector<BYTE> report;
    ASSERT_TRUE(ReadReport(pipe.get(), report));
    EXPECT_EQ(report[2], 10);
    ASSERT_TRUE(ReadReport(pipe.get(), report));
    EXPECT_EQ(report[2], 0);
    EXPECT_FALSE(ReadReport(pipe.get(), report)) << "unplugging must end the link";
    pipe.reset();
    pipe = OpenAsReceiver(PipeName());
    ASSERT_TRUE(pipe.valid());
    ASSERT_TRUE(ReadReport(pipe.get(), report));
    EXPECT_EQ(report[2], 8);
    DWORD code = 1;
    ASSERT_TRUE(remote.WaitForExit(5000, &code));
    EXPECT_EQ(code, 0u);
}

TEST(VirtualRemoteTest, BadScriptSendsNothingAndFails)
{
    ChildProcess remote = StartRemote("press play press nosuchkey");
    DWORD code = 0;
    ASSERT_TRUE(remote.WaitForExit(5000, &code));
    EXPECT_EQ(code, 2u);
}

TEST(VirtualRemoteTest, NoReceiverWithinTheTimeoutFails)
{
    ChildProcess remote = StartRemote("--connect-timeout 300 press play");
    DWORD code = 0;
    ASSERT_TRUE(remote.WaitForExit(5000, &code));
    EXPECT_EQ(code, 1u);
}
