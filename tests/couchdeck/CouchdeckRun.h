#pragma once
// Couchdeck installed into a temporary folder (the program, its pictures and language files,
// the stand-in power-saving library and, when asked, a Keyrelay probe or the real Keyrelay), run
// with the power actions and the library calls logged, and driven by broadcast messages like
// Keyrelay's.

#include "support/TestSupport.h"

#include <windows.h>

#include <memory>
#include <string>

namespace kova::test {

struct CouchdeckSetup {
    bool withKeyrelay = true;
    // Keyrelay.exe itself in place of the probe (it reads the receiver named by
    // KOVA_RECEIVER_PATH).
    bool realKeyrelay = false;
    bool withLibrary = true;
    // Answers "power on after power loss" as set, so that no reminder box stops the start.
    bool powerOnSet = true;
};

class CouchdeckRun {
public:
    static constexpr const char* kCaption = "Veltra Kova Remote";

    explicit CouchdeckRun(const CouchdeckSetup& setup = {});
    ~CouchdeckRun();

    const std::string& Folder() const { return m_folder.Path(); }
    // Starts Couchdeck with these arguments; true once its main form exists.
    bool Start(const std::string& arguments = {});
    // Waits until start-up has finished (the library has been asked for the power-on setting).
    bool WaitForStartup(DWORD timeoutMs = 10000);
    ChildProcess& Process() { return m_process; }
    HWND MainWindow() const;
    // A top-level window of Couchdeck's process with this class name (hidden ones too).
    HWND FindWindowOfClass(const char* className, const char* caption = nullptr) const;
    // Waits until Keyrelay's window exists.
    bool WaitForKeyrelay(DWORD timeoutMs = 5000) const;
    bool IsShown(const char* className) const;
    // Posts a remote command to every top-level window, as Keyrelay does.
    static void Broadcast(unsigned code, WPARAM tag = 1286);
    // Ends Couchdeck with its exit message (Keyrelay with it), or terminates it.
    void End();

    std::string PowerLog() const { return ReadIfThere(m_folder.Path() + "power.log"); }
    std::string SomnaLog() const { return ReadIfThere(m_folder.Path() + "somna.log"); }
    std::string KeyrelayLog() const { return ReadIfThere(m_folder.Path() + "keyrelay.log"); }

    static std::string ReadIfThere(const std::string& path);
    static int CountLines(const std::string& text, const std::string& line);

private:
    ScopedTempDir m_folder;
    std::unique_ptr<ScopedEnvironment> m_powerLog;
    std::unique_ptr<ScopedEnvironment> m_somnaLog;
    std::unique_ptr<ScopedEnvironment> m_probeLog;
    std::unique_ptr<ScopedEnvironment> m_powerOn;
    ChildProcess m_process;
};

// The HKEY_LOCAL_MACHINE log-on entries and the warning setting, removed now and at the end.
class ScopedInstallationValues {
public:
    ScopedInstallationValues();
    ~ScopedInstallationValues();
    static void SetRunOnce(const std::string& value);
    static void SetRun(const std::string& value);
    static bool ReadRun(std::string& value);
    static void Clear();
};

} // namespace kova::test
