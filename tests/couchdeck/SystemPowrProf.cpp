#include "SystemPowrProf.h"

#include "tessel/System/ProgramDirectory.h"
#include "tessel/System/WinRegistry.h"

#include <windows.h>

namespace kova::test {
namespace {

// Wine's choice of libraries for one program, read when the program starts.
constexpr const char* kLibraryOverrides = "Software\\Wine\\AppDefaults\\Couchdeck.exe\\DllOverrides";

std::string SystemLibraryPath()
{
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::string(folder) + "\\powrprof.dll";
}

} // namespace

bool ScopedSystemPowrProf::Supported()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

ScopedSystemPowrProf::ScopedSystemPowrProf(bool hibernateAllowed, bool suspendAllowed)
    : m_target(SystemLibraryPath())
{
    if (!Supported() || m_target.empty())
        return;
    if (!CopyFileA(m_target.c_str(), (m_saved.Path() + "powrprof.dll").c_str(), FALSE))
        return;
    const std::string replacement = tessel::ProgramDirectory() + "answering_powrprof.dll";
    if (!CopyFileA(replacement.c_str(), m_target.c_str(), FALSE))
        return;
    m_hibernate = std::make_unique<ScopedEnvironment>("KOVA_TEST_HIBERNATE_ALLOWED",
                                                      hibernateAllowed ? "1" : "0");
    m_suspend = std::make_unique<ScopedEnvironment>("KOVA_TEST_SUSPEND_ALLOWED",
                                                    suspendAllowed ? "1" : "0");
    tessel::RegAccessor overrides;
    m_installed = overrides.Open(HKEY_CURRENT_USER, kLibraryOverrides, true) &&
                  overrides.WriteString("powrprof", "native");
}

ScopedSystemPowrProf::~ScopedSystemPowrProf()
{
    if (m_target.empty() || !FileExists(m_saved.Path() + "powrprof.dll"))
        return;
    RegDeleteTreeA(HKEY_CURRENT_USER, kLibraryOverrides);
    CopyFileA((m_saved.Path() + "powrprof.dll").c_str(), m_target.c_str(), FALSE);
}

} // namespace kova::test
