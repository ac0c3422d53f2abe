#include "PowerMgr.h"

#include "Environment.h"
#include "LogLine.h"

#include <shlobj.h>

#include <optional>

namespace tessel {
namespace {

constexpr DWORD kRunAndWaitTimeoutMs = 1000;

// The file named by KOVA_POWER_LOG, when the power actions are to be logged instead.
std::optional<std::string> PowerLogPath()
{
    return EnvironmentValue(kPowerLogVariable);
}

bool IsNtPlatform()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (!GetVersionExA(&version))
        return true;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// Switches the shutdown privilege of the process token; true only when it was really assigned.
bool SetShutdownPrivilege(bool enable)
{
    UniqueKernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put()))
        return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        return false;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    SetLastError(ERROR_SUCCESS);
    AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
    // ERROR_NOT_ALL_ASSIGNED: the user does not hold the privilege.
    return GetLastError() == ERROR_SUCCESS;
}

// Runs `action` with the shutdown privilege enabled; the privilege is given back either way.
template <typename Action>
bool WithShutdownPrivilege(bool (*enable)(), Action action)
{
    if (!enable()) {
        DisableShutdownPrivilege();
        return false;
    }
    const bool done = action();
    DisableShutdownPrivilege();
    return done;
}

PowerQueries& SystemPowerQueries()
{
    static PowerQueries queries(SystemFolder() + "\\Powrprof.dll");
    return queries;
}

} // namespace

std::string SystemFolder()
{
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_SYSTEM | CSIDL_FLAG_CREATE, nullptr, 0, path)))
        return {};
    return path;
}

bool EnableShutdownPrivilege()
{
    if (!IsNtPlatform())
        return true;
    return SetShutdownPrivilege(true);
}

bool DisableShutdownPrivilege()
{
    if (!IsNtPlatform())
        return true;
    return SetShutdownPrivilege(false);
}

UINT PowerOffFlags(int forceMode)
{
    UINT flags = EWX_POWEROFF;
    if (forceMode == 1)
        flags |= EWX_FORCE;
    else if (forceMode >= 2)
        flags |= EWX_FORCEIFHUNG;
    return flags;
}

bool PowerOffSystem(int forceMode, unsigned reason)
{
    const UINT flags = PowerOffFlags(forceMode);
    if (const auto log = PowerLogPath())
        return AppendLogLine(*log, "PowerOff " + std::to_string(flags) + " " +
                                       std::to_string(reason));
    return WithShutdownPrivilege(&EnableShutdownPrivilege,
                                 [&] { return ExitWindowsEx(flags, reason) != FALSE; });
}

bool StandbySystem(bool force)
{
    if (const auto log = PowerLogPath())
        return AppendLogLine(*log, std::string("Standby ") + (force ? "1" : "0"));
    return WithShutdownPrivilege(&EnableShutdownPrivilege,
                                 [&] { return SetSystemPowerState(TRUE, force) != FALSE; });
}

bool HibernateSystem(bool force)
{
    if (const auto log = PowerLogPath())
        return AppendLogLine(*log, std::string("Hibernate ") + (force ? "1" : "0"));
    // Hibernation asks for the privilege on every platform.
    return WithShutdownPrivilege([] { return SetShutdownPrivilege(true); },
                                 [&] { return SetSystemPowerState(FALSE, force) != FALSE; });
}

bool IsHibernateAllowed()
{
    return SystemPowerQueries().IsHibernateAllowed();
}

bool IsSuspendAllowed()
{
    return SystemPowerQueries().IsSuspendAllowed();
}

bool SetHibernation(bool on)
{
    const std::string arguments = on ? "/hibernate on" : "/hibernate off";
    if (const auto log = PowerLogPath())
        return AppendLogLine(*log, "PowerCfg " + arguments);
    const std::string folder = SystemFolder();
    if (folder.empty())
        return false;
    const std::string tool = folder + "\\PowerCfg.exe";
    UniqueFileHandle probe(CreateFileA(tool.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe)
        return false;
    return RunAndWait("\"" + tool + "\" " + arguments);
}

bool RunAndWait(const std::string& commandLine)
{
    // A cut command line would run another program or other arguments: refuse it whole.
    if (commandLine.size() >= kRunAndWaitBufferSize ||
        commandLine.find('\0') != std::string::npos)
        return false;
    char buffer[kRunAndWaitBufferSize] = {};
    commandLine.copy(buffer, commandLine.size());

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, buffer, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return false;
    const UniqueKernelHandle processHandle(process.hProcess);
    const UniqueKernelHandle threadHandle(process.hThread);
    WaitForSingleObject(processHandle.get(), kRunAndWaitTimeoutMs);
    return true;
}

PowerQueries::PowerQueries(const std::string& libraryPath)
    : m_library(LoadLibraryA(libraryPath.c_str()))
{
}

bool PowerQueries::IsHibernateAllowed()
{
    return Ask(m_hibernate);
}

bool PowerQueries::IsSuspendAllowed()
{
    return Ask(m_suspend);
}

bool PowerQueries::Ask(EntryPoint& entry)
{
    if (!m_library)
        return false;
    if (!entry.looked) {
        entry.function = reinterpret_cast<Query>(
            reinterpret_cast<void*>(GetProcAddress(m_library.get(), entry.name)));
        entry.looked = true;
    }
    return entry.function != nullptr && entry.function() != 0;
}

} // namespace tessel
