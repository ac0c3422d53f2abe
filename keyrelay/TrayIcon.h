#pragma once
// Keyrelay's notification-area icon: id 1 of the dialog's window, in its connected or
// disconnected form, calling back with WM_TRAY_NOTIFY.

#include <windows.h>

#include <atomic>

namespace keyrelay {

class TrayIcon {
public:
    explicit TrayIcon(HWND owner = nullptr) : m_owner(owner) {}
    void SetOwner(HWND owner) { m_owner = owner; }

    // Adds the icon, or changes it when it is there already.
    void Show(bool connected);
    void Remove();

private:
    HWND m_owner;
    std::atomic<bool> m_added = false;   // the reader thread and the UI thread both use it
};

} // namespace keyrelay
