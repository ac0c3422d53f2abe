#pragma once
// Shared pieces of the test suites: temporary folders, the shared registry key, the built
// programs in bin/ and waiting with a deadline.

#include "tessel/System/UniqueHandle.h"

#include <windows.h>

#include <functional>
#include <string>

namespace kova::test {

// The build's install layout (bin\ beside the tests' own folder), ending in a backslash.
std::string BinDirectory();

// A fresh folder below %TEMP%, removed with its contents by the destructor.
class ScopedTempDir {
public:
    ScopedTempDir();
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    // Ends in a backslash.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
bool FileExists(const std::string& path);
void RemoveTree(const std::string& directory);

// Removes HKCU "Software\Veltra" and everything below it.
void DeleteVeltraKey();

// Polls `done` (pumping this thread's messages) until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = 10);

// Pumps this thread's messages for a while.
void PumpMessagesFor(DWORD milliseconds);

// A program started by a test, ended by the destructor if it still runs.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&&) = default;
    ~ChildProcess();

    // commandLine holds the quoted program path and its arguments.
    bool Start(const std::string& commandLine, const std::string& workingDirectory = {});
    bool IsRunning() const;
    // True and the exit code once the process has ended within the time.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    void Terminate();
    DWORD Id() const { return m_id; }
    HANDLE Handle() const { return m_process.get(); }

private:
    tessel::UniqueKernelHandle m_process;
    DWORD m_id = 0;
};

// Sets an environment variable of this process (inherited by children) for a scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::string m_previous;
    bool m_hadPrevious = false;
};

} // namespace kova::test
