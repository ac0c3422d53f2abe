#pragma once
// Runs Keyrelay.exe for a test: a receiver pipe the test serves, the program with that pipe as its
// receiver, a window that records the broadcast commands, and an orderly end.

#include "RemotePipeServer.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace kova::test {

// A hidden top-level window that records the broadcast command messages (wParam and lParam).
class BroadcastRecorder {
public:
    BroadcastRecorder();
    ~BroadcastRecorder();
    BroadcastRecorder(const BroadcastRecorder&) = delete;
    BroadcastRecorder& operator=(const BroadcastRecorder&) = delete;

    struct Command {
        WPARAM tag;
        LPARAM code;
    };
    const std::vector<Command>& Commands() const { return m_commands; }
    // The codes received so far; checks every one carried the broadcast tag.
    std::vector<int> Codes() const;
    size_t CountOf(int code) const;
    void Clear() { m_commands.clear(); }
    // Pumps until `count` commands have arrived or the time is up.
    bool WaitForCount(size_t count, DWORD timeoutMs);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_message;
    HWND m_window = nullptr;
    std::vector<Command> m_commands;
};

// Keyrelay.exe from bin\, reading its receiver from a pipe this object serves.
class KeyrelayRun {
public:
    KeyrelayRun();
    ~KeyrelayRun();   // ends the program (WM_EXIT_RECEIVER, then termination)

    remote::RemotePipeServer& Receiver() { return m_receiver; }
    const std::string& PipeName() const { return m_receiver.Name(); }

    // Starts the program with these arguments and waits for its window.
    bool Start(const std::string& arguments = {});
    HWND Window() const { return m_window; }
    ChildProcess& Process() { return m_process; }

    // Plugs the receiver in (if not yet) and waits until Keyrelay shows it connected.
    bool Connect(DWORD timeoutMs = 5000);
    bool ShowsDisconnected() const;
    bool WaitForDisconnected(DWORD timeoutMs);

    HWND Item(int id) const { return ::GetDlgItem(m_window, id); }
    void SetCheck(int id, bool checked) const;
    bool IsChecked(int id) const;
    // A click of a control as the user's click reports it to the dialog.
    void Click(int id) const;
    void SendKey(BYTE code);
    // Posts a click, for buttons that open a modal box (a sent click would wait for it).
    void PostClick(int id) const;
    // Selects a combo box entry as the user's choice reports it.
    void Choose(int comboId, int index) const;
    bool IsEnabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    std::string ItemText(int id) const;
    std::string ComboText(int comboId, int index) const;
    int ComboSelection(int comboId) const;
    // A message box (or other dialog) of Keyrelay with this caption, not the main window.
    HWND WaitForDialog(const char* caption, DWORD timeoutMs = 5000) const;
    // WM_EXIT_RECEIVER with the tag; true when the process ended with code 0.
    bool Exit(DWORD timeoutMs = 8000);

private:
    remote::RemotePipeServer m_receiver;
    std::unique_ptr<ScopedEnvironment> m_environment;
    ChildProcess m_process;
    HWND m_window = nullptr;
};

// Keyrelay's window, or null.
HWND FindKeyrelayWindow();
// Ends every Keyrelay a failed earlier run may have left behind.
void EndStrayKeyrelay();

} // namespace kova::test
