#pragma once
// Stand-ins for the command manager's surroundings: a clock that tests move by hand and that
// posts scripted messages at given times, services that record what they are asked to do, and
// a window that records what reaches it.

#include "CommandServices.h"
#include "TickClock.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace kova::test {

// Time stands still while messages are waiting and jumps to the next scripted event (or the end
// of the wait) when the loop idles.
class ScriptedClock : public TickClock {
public:
    explicit ScriptedClock(DWORD start = 100000) : m_start(start), m_now(start) {}

    DWORD Now() override;
    void Idle(DWORD maxMs) override;

    // Posts the message when the clock reaches `at` (absolute time).
    void PostAt(DWORD at, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Advance(DWORD ms) { m_now += ms; }
    DWORD Time() const { return m_now; }

private:
    struct Post {
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::multimap<DWORD, Post> m_posts;   // keyed by time since the start, so wrapping is no matter
    DWORD m_start;
    DWORD m_now;
};

// A message-only window that records the messages dispatched to it.
class RecordingWindow {
public:
    RecordingWindow();
    ~RecordingWindow();
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    HWND Handle() const { return m_window; }
    // Messages from WM_USER up, as "message:wParam:lParam".
    const std::vector<std::string>& Received() const { return m_received; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    std::vector<std::string> m_received;
};

class FakeMenu : public MenuCommands {
public:
    bool IsShown() override { return shown; }
    void Execute(Command command) override { executed.push_back(command); }

    bool shown = false;
    std::vector<Command> executed;
};

// Records each call as a short line ("notice 9 3000", "EnterQuiet"); answers from its fields.
// Power actions and notices also note the clock's time when a clock is given.
class FakeServices : public CommandServices {
public:
    UINT CommandMessageId() override { return commandMessage; }
    bool IsLibrarySupported() override { return supported; }
    int QuietMode() override { return quietMode; }
    void EnterQuiet() override;
    void LeaveQuiet() override;
    void EnterWirelessOnly() override;
    void ShowNotice(int bitmapIndex, unsigned durationMs) override;
    void ShowConfirmation(int bitmapIndex) override;
    void HideConfirmation() override;
    void ShowMode() override { calls.push_back("ShowMode"); }
    void HideMode() override { calls.push_back("HideMode"); }
    void ShowBlack() override { calls.push_back("ShowBlack"); }
    void HideBlack() override;
    void ShowHelpCentred(const std::string& path) override { calls.push_back("help " + path); }
    bool IsRemoteWakeEnabled() override { return remoteWake; }
    bool PowerOffSystem(int forceMode, unsigned reason) override;
    bool HibernateSystem(bool force) override;
    bool StandbySystem(bool force) override;
    bool IsHibernateAllowed() override { return hibernateAllowed; }
    bool IsSuspendAllowed() override { return suspendAllowed; }
    bool SetHibernation(bool on) override;
    MenuCommands* Menu() override { return menu; }

    UINT commandMessage = 0;
    bool supported = true;
    int quietMode = 0;
    bool remoteWake = true;
    bool hibernateAllowed = true;
    bool suspendAllowed = true;
    bool setHibernationEnables = false;
    bool powerActionsSucceed = true;
    MenuCommands* menu = nullptr;
    ScriptedClock* clock = nullptr;
    std::vector<std::string> calls;
};

} // namespace kova::test
