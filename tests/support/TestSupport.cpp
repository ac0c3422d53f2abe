#include "TestSupport.h"

#include "tessel/System/ProgramDirectory.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace kova::test {

std::string BinDirectory()
{
    std::string testsDir = tessel::ProgramDirectory();   // ...\tests-bin\ .
    testsDir.pop_back();
    return tessel::DirectoryOf(testsDir) + "bin\\";
}

ScopedTempDir::ScopedTempDir()
{
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    static LONG counter = 0;
    for (;;) {
        const std::string candidate = std::string(temp) + "kova-test-" +
            std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(InterlockedIncrement(&counter)) + "\\";
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            m_path = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create a temporary folder");
    }
}

ScopedTempDir::~ScopedTempDir()
{
    RemoveTree(m_path);
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::string& directory)
{
    std::string dir = directory;
    if (!dir.empty() && dir.back() != '\\')
        dir += '\\';
    WIN32_FIND_DATAA data;
    tessel::UniqueFindHandle find(FindFirstFileA((dir + "*").c_str(), &data));
    if (find) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(dir + name);
            else {
                SetFileAttributesA((dir + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA((dir + name).c_str());
            }
        } while (FindNextFileA(find.get(), &data));
    }
    find.reset();
    RemoveDirectoryA(dir.c_str());
}

void DeleteVeltraKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Veltra");
}

void PumpMessagesFor(DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    } while (GetTickCount64() < end);
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        PumpMessagesFor(pollMs);
    }
}

ChildProcess::~ChildProcess()
{
    Terminate();
}

bool ChildProcess::Start(const std::string& commandLine, const std::string& workingDirectory)
{
    Terminate();
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                        &info))
        return false;
    tessel::UniqueKernelHandle thread(info.hThread);
    m_process.reset(info.hProcess);
    m_id = info.dwProcessId;
    return true;
}

bool ChildProcess::IsRunning() const
{
    return m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const
{
    if (!m_process || WaitForSingleObject(m_process.get(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(m_process.get(), exitCode);
    return true;
}

void ChildProcess::Terminate()
{
    if (IsRunning()) {
        TerminateProcess(m_process.get(), 1);
        WaitForSingleObject(m_process.get(), 5000);
    }
    m_process.reset();
    m_id = 0;
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value)
    : m_name(std::move(name))
{
    char buffer[32768];
    const DWORD length = GetEnvironmentVariableA(m_name.c_str(), buffer, sizeof(buffer));
    m_hadPrevious = length > 0 && length < sizeof(buffer);
    if (m_hadPrevious)
        m_previous.assign(buffer, length);
    SetEnvironmentVariableA(m_name.c_str(), value.c_str());
}

ScopedEnvironment::~ScopedEnvironment()
{
    SetEnvironmentVariableA(m_name.c_str(), m_hadPrevious ? m_previous.c_str() : nullptr);
}

} // namespace kova::test
