#include "TrayIcon.h"

#include "RemoteProtocol.h"
#include "resource.h"
#include "tessel/System/UniqueHandle.h"

#include <shellapi.h>

#include <cstring>

namespace keyrelay {
namespace {

constexpr UINT kIconId = 1;

NOTIFYICONDATAA Record(HWND owner)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = owner;
    record.uID = kIconId;
    return record;
}

} // namespace

void TrayIcon::Show(bool connected)
{
    NOTIFYICONDATAA record = Record(m_owner);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_TRAY_NOTIFY;
    // The shell keeps its own copy of the icon.
    tessel::UniqueIcon icon(static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(connected ? IDR_MAINFRAME : IDI_DISCONNECTED),
                     IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    record.hIcon = icon.get();
    const char* tip = connected ? "Veltra Kova Remote - Connected" : "Veltra Kova Remote - Disconnected";
    std::strncpy(record.szTip, tip, sizeof(record.szTip) - 1);
    if (m_added)
        ::Shell_NotifyIconA(NIM_MODIFY, &record);
    else
        m_added = ::Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
}

void TrayIcon::Remove()
{
    NOTIFYICONDATAA record = Record(m_owner);
    ::Shell_NotifyIconA(NIM_DELETE, &record);
    m_added = false;
}

} // namespace keyrelay
