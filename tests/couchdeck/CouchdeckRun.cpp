#include "CouchdeckRun.h"

#include "tessel/System/ProgramDirectory.h"
#include "tessel/System/WinRegistry.h"

#include <tlhelp32.h>

#include <vector>

namespace kova::test {
namespace {

constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kEntry = "Oru Brisa Help";
constexpr const char* kProductKey = "Software\\Veltra\\Veltra Kova Remote";

void CopyTree(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA data{};
    tessel::UniqueFindHandle find(FindFirstFileA((from + "*").c_str(), &data));
    if (!find)
        return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + name + "\\", to + name + "\\");
        else
            CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    } while (FindNextFileA(find.get(), &data));
}

struct FindContext {
    DWORD processId;
    const char* className;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindOfClass(HWND window, LPARAM param)
{
    auto* context = reinterpret_cast<FindContext*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[128] = {};
    GetClassNameA(window, className, sizeof(className));
    char caption[128] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    if (processId == context->processId && std::string(className) == context->className &&
        (!context->caption || std::string(caption) == context->caption)) {
        context->found = window;
        return FALSE;
    }
    return TRUE;
}

void SetMachineString(const char* keyPath, const std::string& value)
{
    tessel::RegAccessor key;
    if (key.Open(HKEY_LOCAL_MACHINE, keyPath, true))
        key.WriteString(kEntry, value);
}

void DeleteMachineValue(const char* keyPath, const char* name)
{
    HKEY key = nullptr;
    if (tessel::OpenRegKey(HKEY_LOCAL_MACHINE, keyPath, KEY_ALL_ACCESS, key)) {
        tessel::UniqueRegKey owner(key);
        tessel::DeleteRegValue(key, name);
    }
}

// The processes whose program file lies in this folder (ending in a backslash).
std::vector<tessel::UniqueKernelHandle> ProcessesRunningFrom(const std::string& folder)
{
    std::vector<tessel::UniqueKernelHandle> found;
    tessel::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
        tessel::UniqueKernelHandle process(OpenProcess(
            PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
            entry.th32ProcessID));
        char path[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        if (process && QueryFullProcessImageNameA(process.get(), 0, path, &size) &&
            _strnicmp(path, folder.c_str(), folder.size()) == 0)
            found.push_back(std::move(process));
    }
    return found;
}

} // namespace

CouchdeckRun::CouchdeckRun(const CouchdeckSetup& setup)
{
    const std::string bin = BinDirectory();
    const std::string& folder = m_folder.Path();
    CopyFileA((bin + "Couchdeck.exe").c_str(), (folder + "Couchdeck.exe").c_str(), FALSE);
    if (setup.withLibrary)
        CopyFileA((bin + "Somna.dll").c_str(), (folder + "Somna.dll").c_str(), FALSE);
    if (setup.withKeyrelay) {
        const std::string keyrelay = setup.realKeyrelay
                                         ? bin + "Keyrelay.exe"
                                         : tessel::ProgramDirectory() + "KeyrelayProbe.exe";
        CopyFileA(keyrelay.c_str(), (folder + "Keyrelay.exe").c_str(), FALSE);
    }
    CopyTree(bin + "Resource\\", folder + "Resource\\");
    CopyTree(bin + "LangFiles\\", folder + "LangFiles\\");
    m_powerLog = std::make_unique<ScopedEnvironment>("KOVA_POWER_LOG", folder + "power.log");
    m_somnaLog = std::make_unique<ScopedEnvironment>("SOMNA_LOG", folder + "somna.log");
    m_probeLog = std::make_unique<ScopedEnvironment>("KOVA_PROBE_LOG", folder + "keyrelay.log");
    m_powerOn = std::make_unique<ScopedEnvironment>("SOMNA_OUT_TACETGETDEVICE",
                                                    setup.powerOnSet ? "1" : "0");
}

CouchdeckRun::~CouchdeckRun()
{
    End();
    // Keyrelay ends with Couchdeck, unless it came up too late to be told: whatever still runs
    // from the folder is told to end, and terminated when it does not.
    for (tessel::UniqueKernelHandle& process : ProcessesRunningFrom(Folder())) {
        if (WaitForSingleObject(process.get(), 2000) == WAIT_OBJECT_0)
            continue;
        HWND keyrelay = nullptr;
        WaitUntil([&] { return (keyrelay = FindWindowA("#32770", kCaption)) != nullptr; }, 3000);
        if (keyrelay)
            SendMessageTimeoutA(keyrelay, WM_USER + 1, 84, 0, SMTO_ABORTIFHUNG, 3000, nullptr);
        if (WaitForSingleObject(process.get(), 3000) != WAIT_OBJECT_0)
            TerminateProcess(process.get(), 1);
    }
}

bool CouchdeckRun::Start(const std::string& arguments)
{
    std::string commandLine = "\"" + Folder() + "Couchdeck.exe\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    if (!m_process.Start(commandLine, Folder()))
        return false;
    return WaitUntil([this] { return MainWindow() != nullptr; }, 10000);
}

bool CouchdeckRun::WaitForStartup(DWORD timeoutMs)
{
    return WaitUntil([this] { return SomnaLog().find("TacetGetDevice") != std::string::npos; },
                     timeoutMs);
}

HWND CouchdeckRun::MainWindow() const
{
    return FindWindowOfClass("TMainForm");
}

bool CouchdeckRun::WaitForKeyrelay(DWORD timeoutMs) const
{
    return WaitUntil([] { return FindWindowA("#32770", kCaption) != nullptr; }, timeoutMs);
}

HWND CouchdeckRun::FindWindowOfClass(const char* className, const char* caption) const
{
    if (!m_process.IsRunning())
        return nullptr;
    FindContext context{m_process.Id(), className, caption, nullptr};
    EnumWindows(FindOfClass, reinterpret_cast<LPARAM>(&context));
    return context.found;
}

bool CouchdeckRun::IsShown(const char* className) const
{
    HWND window = FindWindowOfClass(className);
    return window && IsWindowVisible(window);
}

void CouchdeckRun::Broadcast(unsigned code, WPARAM tag)
{
    static const UINT message = RegisterWindowMessageA("71C56EAB-4A41-4f42-8F69-871D39176D41");
    PostMessageA(HWND_BROADCAST, message, tag, static_cast<LPARAM>(code));
}

void CouchdeckRun::End()
{
    if (!m_process.IsRunning())
        return;
    if (HWND main = MainWindow())
        PostMessageA(main, WM_USER, 85, 0);
    if (!m_process.WaitForExit(5000))
        m_process.Terminate();
}

std::string CouchdeckRun::ReadIfThere(const std::string& path)
{
    return FileExists(path) ? ReadTextFile(path) : std::string();
}

int CouchdeckRun::CountLines(const std::string& text, const std::string& line)
{
    int count = 0;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string current = text.substr(start, end - start);
        if (!current.empty() && current.back() == '\r')
            current.pop_back();
        if (current == line)
            ++count;
        start = end + 1;
    }
    return count;
}

ScopedInstallationValues::ScopedInstallationValues()
{
    Clear();
}

ScopedInstallationValues::~ScopedInstallationValues()
{
    Clear();
}

void ScopedInstallationValues::SetRunOnce(const std::string& value)
{
    SetMachineString(kRunOnceKey, value);
}

void ScopedInstallationValues::SetRun(const std::string& value)
{
    SetMachineString(kRunKey, value);
}

bool ScopedInstallationValues::ReadRun(std::string& value)
{
    tessel::RegAccessor key;
    return key.Open(HKEY_LOCAL_MACHINE, kRunKey, false) && key.ReadString(kEntry, value);
}

void ScopedInstallationValues::Clear()
{
    DeleteMachineValue(kRunOnceKey, kEntry);
    DeleteMachineValue(kRunKey, kEntry);
    DeleteMachineValue(kProductKey, "ShowHibernation");
}

} // namespace kova::test
