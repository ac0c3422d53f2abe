#include "tessel/System/PowerMgr.h"
#include "tessel/System/ProgramDirectory.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The real power actions end every process of the Wine prefix: every test of an action runs with
// KOVA_POWER_LOG set.

namespace {

using kova::test::FileExists;
using kova::test::ReadTextFile;
using kova::test::ScopedEnvironment;
using kova::test::ScopedTempDir;

std::string HelperPath(const char* name)
{
    return tessel::DirectoryOf(tessel::ModulePath()) + name;
}

class PowerLogTest : public testing::Test {
protected:
    std::string LogPath() const { return m_dir.Path() + "power.log"; }
    std::string Log() const { return ReadTextFile(LogPath()); }

    ScopedTempDir m_dir;
    ScopedEnvironment m_log{tessel::kPowerLogVariable, LogPath()};
};

struct PowerOffCase {
    const char* name;
    int forceMode;
    unsigned reason;
    const char* line;
};

class PowerOffLogTest : public PowerLogTest, public testing::WithParamInterface<PowerOffCase> {};

TEST_P(PowerOffLogTest, LogsTheFlagsAndTheReasonInsteadOfActing)
{
    const PowerOffCase& c = GetParam();
    EXPECT_TRUE(tessel::PowerOffSystem(c.forceMode, c.reason));
    EXPECT_EQ(Log(), std::string(c.line) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    ForceModes, PowerOffLogTest,
    testing::Values(PowerOffCase{"Normal", 0, 0, "PowerOff 8 0"},
                    PowerOffCase{"Forced", 1, 0, "PowerOff 12 0"},
                    PowerOffCase{"ForceIfHung", 2, 0, "PowerOff 24 0"},
                    PowerOffCase{"AboveTwoWithReason", 7, 0x80020003u, "PowerOff 24 2147614723"},
                    PowerOffCase{"Negative", -1, 0, "PowerOff 8 0"}),
    [](const testing::TestParamInfo<PowerOffCase>& info) { return info.param.name; });

TEST_F(PowerLogTest, EachActionAppendsItsOwnLine)
{
    EXPECT_TRUE(tessel::StandbySystem(true));
    EXPECT_TRUE(tessel::HibernateSystem(false));
    EXPECT_TRUE(tessel::SetHibernation(true));
    EXPECT_TRUE(tessel::SetHibernation(false));
    EXPECT_TRUE(tessel::StandbySystem(false));
    EXPECT_TRUE(tessel::HibernateSystem(true));
    EXPECT_EQ(Log(), "Standby 1\r\nHibernate 0\r\nPowerCfg /hibernate on\r\n"
                     "PowerCfg /hibernate off\r\nStandby 0\r\nHibernate 1\r\n");
}

TEST(PowerLogUnwritable, ReportsFailureAndDoesNotAct)
{
    ScopedTempDir dir;
    ScopedEnvironment log(tessel::kPowerLogVariable, dir.Path() + "no such folder\\power.log");
    EXPECT_FALSE(tessel::PowerOffSystem(1, 0));
    EXPECT_FALSE(tessel::StandbySystem(true));
    EXPECT_FALSE(tessel::HibernateSystem(true));
    EXPECT_FALSE(tessel::SetHibernation(true));
}

TEST(SetHibernation, FailsWithoutThePowerCfgTool)
{
    const ScopedEnvironment noLog(tessel::kPowerLogVariable, "");
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    if (FileExists(std::string(system) + "\\PowerCfg.exe"))
        GTEST_SKIP() << "this system has PowerCfg.exe";
    EXPECT_FALSE(tessel::SetHibernation(true));
}

bool ShutdownPrivilegeEnabled()
{
    tessel::UniqueKernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()))
        return false;
    LUID shutdown = {};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<char> buffer(size);
    if (!GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size))
        return false;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
        if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart)
            return (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return false;
}

TEST(ShutdownPrivilege, IsSwitchedOnAndOffInTheProcessToken)
{
    ASSERT_TRUE(tessel::EnableShutdownPrivilege());
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
    EXPECT_TRUE(tessel::DisableShutdownPrivilege());
    EXPECT_FALSE(ShutdownPrivilegeEnabled());
}

TEST(PowerQueries, AskTheRightEntryPoints)
{
    tessel::PowerQueries queries(HelperPath("fake_powrprof.dll"));
    ASSERT_TRUE(queries.IsLoaded());
    for (int i = 0; i < 2; ++i) {   // the second round uses the kept entry points
        EXPECT_TRUE(queries.IsHibernateAllowed());
        EXPECT_FALSE(queries.IsSuspendAllowed());
    }
}

TEST(PowerQueries, AMissingEntryPointMeansNotAllowed)
{
    tessel::PowerQueries queries(HelperPath("partial_powrprof.dll"));
    ASSERT_TRUE(queries.IsLoaded());
    EXPECT_FALSE(queries.IsHibernateAllowed());
    EXPECT_TRUE(queries.IsSuspendAllowed());
}

TEST(PowerQueries, AMissingLibraryMeansNotAllowed)
{
    tessel::PowerQueries queries(HelperPath("no_such_powrprof.dll"));
    EXPECT_FALSE(queries.IsLoaded());
    EXPECT_FALSE(queries.IsHibernateAllowed());
    EXPECT_FALSE(queries.IsSuspendAllowed());
}

TEST(PowerQueries, TheSystemLibraryAnswers)
{
    // Whatever the system says, asking twice gives the same answer and nothing breaks.
    EXPECT_EQ(tessel::IsHibernateAllowed(), tessel::IsHibernateAllowed());
    EXPECT_EQ(tessel::IsSuspendAllowed(), tessel::IsSuspendAllowed());
}

class RunAndWaitTest : public testing::Test {
protected:
    // A command line that makes the probe write `Marker()` after `sleepMs`.
    std::string ProbeCommand(unsigned sleepMs) const
    {
        return "\"" + HelperPath("run_probe.exe") + "\" \"" + Marker() + "\" " +
               std::to_string(sleepMs);
    }
    std::string Marker() const { return m_dir.Path() + "marker.txt"; }

    ScopedTempDir m_dir;
};

double SecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

TEST_F(RunAndWaitTest, WaitsForAShortProgram)
{
    EXPECT_TRUE(tessel::RunAndWait(ProbeCommand(50)));
    EXPECT_TRUE(FileExists(Marker()));
}

TEST_F(RunAndWaitTest, StopsWaitingAfterOneSecond)
{
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    EXPECT_TRUE(tessel::RunAndWait(ProbeCommand(2500)));
    const double waited = SecondsSince(start);
    EXPECT_GT(waited, 0.8);
    EXPECT_LT(waited, 2.3);
    EXPECT_FALSE(FileExists(Marker()));
    // Let the probe finish before the folder goes.
    EXPECT_TRUE(kova::test::WaitUntil([&] { return FileExists(Marker()); }, 5000));
}

TEST_F(RunAndWaitTest, AMissingProgramFails)
{
    EXPECT_FALSE(tessel::RunAndWait("\"" + m_dir.Path() + "missing.exe\" 1"));
}

TEST_F(RunAndWaitTest, TheLongestCommandLineThatFitsRuns)
{
    std::string command = ProbeCommand(0) + " ";
    ASSERT_LT(command.size(), tessel::kRunAndWaitBufferSize - 1);
    command.append(tessel::kRunAndWaitBufferSize - 1 - command.size(), 'x');
    ASSERT_EQ(command.size(), 259u);
    EXPECT_TRUE(tessel::RunAndWait(command));
    EXPECT_TRUE(FileExists(Marker()));
}

TEST_F(RunAndWaitTest, ACommandLineThatDoesNotFitIsRefusedWhole)
{
    std::string command = ProbeCommand(0) + " ";
    command.append(tessel::kRunAndWaitBufferSize - command.size(), 'x');
    ASSERT_EQ(command.size(), 260u);
    EXPECT_FALSE(tessel::RunAndWait(command));
    EXPECT_FALSE(tessel::RunAndWait(ProbeCommand(0) + std::string(1000, 'x')));
    EXPECT_FALSE(tessel::RunAndWait(ProbeCommand(0) + std::string(1, '\0') + "x"));
    kova::test::PumpMessagesFor(300);
    EXPECT_FALSE(FileExists(Marker()));
}

} // namespace
