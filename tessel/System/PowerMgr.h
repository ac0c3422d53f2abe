#pragma once
// Power management: the shutdown privilege, power-off, standby and hibernation, the system's
// queries whether standby and hibernation are allowed, and switching hibernation on with the
// system's PowerCfg tool. Every function returns true on success.
//
// With the environment variable KOVA_POWER_LOG naming a file, the four actions append one line
// to that file instead of acting, and report success (false only when the line cannot be
// written); nothing is switched off and no privilege is touched:
//   PowerOff <flags> <reason>     flags as given to ExitWindowsEx, both in decimal
//   Standby <force>               0 or 1
//   Hibernate <force>             0 or 1
//   PowerCfg <arguments>          e.g. "PowerCfg /hibernate on"
// Lines end with CR LF.

#include "UniqueHandle.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace tessel {

// The environment variable that turns the power actions into log lines.
inline constexpr const char* kPowerLogVariable = "KOVA_POWER_LOG";

// The system folder without a trailing backslash ("" when it cannot be determined).
std::string SystemFolder();

bool EnableShutdownPrivilege();
// The result is informative only: nothing depends on giving the privilege back.
bool DisableShutdownPrivilege();

// forceMode 0: a normal power-off; 1: forced (EWX_FORCE); 2 or more: applications that hang are
// forced (EWX_FORCEIFHUNG). The reason goes to ExitWindowsEx unchanged.
bool PowerOffSystem(int forceMode, unsigned reason);
bool StandbySystem(bool force);
bool HibernateSystem(bool force);

// Powrprof.dll's answers. When the library or the entry point is missing, the action counts as
// not allowed.
bool IsHibernateAllowed();
bool IsSuspendAllowed();

// Runs "PowerCfg.exe /hibernate on|off" from the system folder; false when the tool is missing.
bool SetHibernation(bool on);

// The size of the writable command-line buffer of RunAndWait, terminating null included.
inline constexpr std::size_t kRunAndWaitBufferSize = 260;

// Starts a program without a window and waits for it for at most 1000 ms; true when it started.
// Its exit code is not examined. A command line that does not fit the buffer (more than 259
// characters) or holds a null character is refused: false, and nothing is started.
bool RunAndWait(const std::string& commandLine);

// ExitWindowsEx flags for a force mode of PowerOffSystem.
UINT PowerOffFlags(int forceMode);

// The two Powrprof.dll queries, bound to one library file. The library is loaded by the
// constructor and kept; each entry point is looked up on its first use and kept.
class PowerQueries {
public:
    explicit PowerQueries(const std::string& libraryPath);
    PowerQueries(const PowerQueries&) = delete;
    PowerQueries& operator=(const PowerQueries&) = delete;

    bool IsLoaded() const { return m_library.valid(); }
    bool IsHibernateAllowed();
    bool IsSuspendAllowed();

private:
    using Query = BOOLEAN(WINAPI*)();
    struct EntryPoint {
        const char* name;
        bool looked = false;
        Query function = nullptr;
    };

    bool Ask(EntryPoint& entry);

    UniqueModule m_library;
    EntryPoint m_hibernate{"IsPwrHibernateAllowed"};
    EntryPoint m_suspend{"IsPwrSuspendAllowed"};
};

} // namespace tessel
