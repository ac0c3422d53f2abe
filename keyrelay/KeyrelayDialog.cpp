#include "KeyrelayDialog.h"

#include "AboutDialog.h"
#include "KeyNames.h"
#include "RemoteProtocol.h"
#include "resource.h"

#include <commctrl.h>
#include <shellapi.h>

namespace keyrelay {
namespace {

constexpr DWORD kReaderStopTimeoutMs = 3000;
constexpr COLORREF kPictureTransparent = RGB(255, 0, 255);
constexpr char kTooltipText[] = "Note: System will power on for approx. 3 seconds after AC power is restored.";

// Waits for a thread, serving messages sent to this thread meanwhile (the thread may be asking
// this thread's controls for the settings), never longer than the timeout.
void WaitServingSentMessages(HANDLE thread, DWORD timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return;
        const DWORD result = ::MsgWaitForMultipleObjects(1, &thread, FALSE, static_cast<DWORD>(deadline - now),
                                                         QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1)
            return;
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace

const ui::MessageRoute<KeyrelayDialog> KeyrelayDialog::kMessages[] = {
    {WM_SYSCOMMAND, &KeyrelayDialog::OnSysCommand},
    {WM_SIZE, &KeyrelayDialog::OnSize},
    {WM_QUERYDRAGICON, &KeyrelayDialog::OnQueryDragIcon},
    {WM_PAINT, &KeyrelayDialog::OnPaint},
    {WM_DEVICECHANGE, &KeyrelayDialog::OnDeviceChange},
    {WM_CTLCOLORSTATIC, &KeyrelayDialog::OnCtlColorStatic},
};

const ui::CommandRoute<KeyrelayDialog> KeyrelayDialog::kCommands[] = {
    {ID_TRAY_NOISE_OFF, ui::kAnyNotification, &KeyrelayDialog::OnNoiseOff},
    {ID_TRAY_PILO_WIFI, ui::kAnyNotification, &KeyrelayDialog::OnPiloWifi},
    {ID_TRAY_SETTINGS, ui::kAnyNotification, &KeyrelayDialog::OnShowSettings},
    {IDC_CLOSE, BN_CLICKED, &KeyrelayDialog::OnClose},
    {IDC_HELP_BUTTON, BN_CLICKED, &KeyrelayDialog::OnHelp},
};

KeyrelayDialog::KeyrelayDialog(bool launchEnabled)
    : Dialog(IDD_KEYRELAY_DIALOG), m_launchEnabled(launchEnabled),
      m_pictures{{{IDB_REMOTE, 170, 10, {}},
                  {IDB_KEY_POWER, 6, 10, {}},
                  {IDB_KEY_LAUNCH, 6, 61, {}},
                  {IDB_KEY_FULL_SCREEN, 23, 132, {}},
                  {IDB_KEY_VOLUME_UP, 23, 145, {}},
                  {IDB_KEY_PREVIOUS, 23, 158, {}},
                  {IDB_KEY_PLAY_PAUSE, 23, 171, {}},
                  {IDB_KEY_NEXT, 23, 184, {}},
                  {IDB_KEY_VOLUME_DOWN, 23, 197, {}}}}
{
    m_windowIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_broadcastMessage = ::RegisterWindowMessageA(kBroadcastCommandMessageName);
    m_showSettingsMessage = ::RegisterWindowMessageA(kShowSettingsMessageName);
    m_actions = SystemKeyActions(m_broadcastMessage);
    // Couchdeck brings its own windows forward when a command arrives.
    ::AllowSetForegroundWindow(ASFW_ANY);
    m_instanceMutex.reset(::CreateMutexA(nullptr, TRUE, kSingleInstanceMutexName));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        m_secondInstance = true;
        m_instanceMutex.reset();
    }
}

KeyrelayDialog::~KeyrelayDialog()
{
    StopReader();
}

void KeyrelayDialog::NotifyRunningInstance() const
{
    // A hung window elsewhere must not hold this start forever.
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, m_showSettingsMessage, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

bool KeyrelayDialog::OnInitDialog()
{
    if (HMENU systemMenu = ::GetSystemMenu(Handle(), FALSE)) {
        char about[128] = {};
        if (::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, about, sizeof(about)) > 0) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_windowIcon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_windowIcon));

    m_tray.SetOwner(Handle());
    m_powerEnable.Attach(Item(IDC_POWER_ENABLE));
    m_powerOnAfterLoss.Attach(Item(IDC_POWER_ON_AFTER_LOSS));
    m_powerOff.Attach(Item(IDC_POWER_OFF));
    m_hibernate.Attach(Item(IDC_HIBERNATE));
    m_useHotkeys.Attach(Item(IDC_USE_HOTKEYS));
    m_profileList.Attach(Item(IDC_PROFILE));
    m_path.Attach(Item(IDC_PATH));
    m_disconnectedLabel.Attach(Item(IDC_DISCONNECTED));
    CreateHotkeyGrid();
    for (Picture& picture : m_pictures)
        picture.bitmap.reset(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture.id),
                                          IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));

    ::EnableWindow(Item(IDC_SAVE), FALSE);
    m_disconnectedLabel.SetText("Disconnected");
    m_disconnectedLabel.Show(SW_SHOW);
    m_running = 1;
    StartReader();

    m_smallIcon.reset(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                                      IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    if (m_smallIcon)
        Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));
    CreateTooltip();
    ::ShowWindow(Item(IDCANCEL), SW_HIDE);
    return true;
}

void KeyrelayDialog::CreateHotkeyGrid()
{
    const HFONT font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    auto create = [&](const char* windowClass, DWORD style, int id, RECT units) {
        const RECT r = MapDialogRect(units.left, units.top, units.right, units.bottom);
        const HWND control = ::CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                                               r.left, r.top, r.right - r.left, r.bottom - r.top, Handle(),
                                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    };
    for (int r = 0; r < kHotkeyRows; ++r) {
        const int y = 142 + 13 * r;
        const auto row = static_cast<size_t>(r);
        m_alt[row].Attach(create("BUTTON", BS_AUTOCHECKBOX, IDC_GRID_ALT + r, {38, y - 8, 45, y}));
        m_shift[row].Attach(create("BUTTON", BS_AUTOCHECKBOX, IDC_GRID_SHIFT + r, {50, y - 8, 58, y}));
        m_ctrl[row].Attach(create("BUTTON", BS_AUTOCHECKBOX, IDC_GRID_CTRL + r, {63, y - 8, 70, y}));
        m_keys[row].Attach(create("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, IDC_GRID_KEY + r, {74, y - 10, 126, y + 53}));
        FillKeyNames(m_keys[row]);
    }
}

void KeyrelayDialog::FillKeyNames(const ui::ComboBox& keys)
{
    keys.Clear();
    for (const KeyName& name : KeyNames()) {
        const int index = keys.Add(name.text.c_str());
        if (index >= 0)
            keys.SetItemData(index, name.virtualKey);
    }
    keys.Select(0);
}

void KeyrelayDialog::CreateTooltip()
{
    m_tooltip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!m_tooltip)
        return;   // the dialog works without it
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(m_powerOnAfterLoss.Handle());
    tool.lpszText = const_cast<char*>(kTooltipText);
    ::SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageA(m_tooltip, TTM_SETMAXTIPWIDTH, 0, 250);
    ::SendMessageA(m_tooltip, TTM_ACTIVATE, TRUE, 0);
}

bool KeyrelayDialog::PreTranslateMessage(MSG& message)
{
    if (m_tooltip)
        ::SendMessageA(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
    return false;
}

std::optional<INT_PTR> KeyrelayDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // These are acted on and still reach the default handling.
    if (message == WM_TRAY_NOTIFY) {
        OnTrayNotify(wParam, lParam);
    } else if (message == m_showSettingsMessage) {
        ShowAndActivate(SW_RESTORE);
    } else if (message == WM_RELOAD_SETTINGS) {
        // The settings store answers this once the dialog loads settings from the registry.
    } else if (message == WM_EXIT_RECEIVER) {
        if (wParam == RECEIVER_TAG)
            End(0);
    } else if (std::optional<INT_PTR> result = ui::RouteMessage<KeyrelayDialog>(kMessages, *this, message, wParam, lParam)) {
        return result;
    }
    return Dialog::WindowProc(message, wParam, lParam);
}

bool KeyrelayDialog::OnCommand(int id, int notification)
{
    return ui::RouteCommand<KeyrelayDialog>(kCommands, *this, id, notification);
}

void KeyrelayDialog::OnTrayNotify(WPARAM wParam, LPARAM lParam)
{
    if (lParam == WM_LBUTTONUP)
        ShowAndActivate(SW_SHOWNORMAL);
    else if (lParam == WM_RBUTTONUP && wParam == 1)
        ShowTrayMenu();
}

void KeyrelayDialog::ShowAndActivate(int showCommand)
{
    Show(showCommand);
    ::SetForegroundWindow(Handle());
    if (showCommand == SW_SHOWNORMAL)
        ::SetFocus(Handle());
}

void KeyrelayDialog::ShowTrayMenu()
{
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    tessel::UniqueMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    if (!menu)
        return;
    const HMENU popup = ::GetSubMenu(menu.get(), 0);
    if (!popup)
        return;
    ::SetForegroundWindow(Handle());
    ::TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
    // Lets the menu close when the user clicks elsewhere afterwards.
    ::PostMessageA(Handle(), WM_NULL, 0, 0);
}

std::optional<INT_PTR> KeyrelayDialog::OnSysCommand(WPARAM wParam, LPARAM)
{
    if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
        AboutDialog about;
        about.RunModal(Handle());
        return 0;
    }
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        Show(SW_HIDE);
        return 0;
    }
    return std::nullopt;
}

std::optional<INT_PTR> KeyrelayDialog::OnSize(WPARAM wParam, LPARAM)
{
    if (wParam == SIZE_MINIMIZED)
        Show(SW_HIDE);
    return std::nullopt;
}

std::optional<INT_PTR> KeyrelayDialog::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<INT_PTR>(m_windowIcon);
}

std::optional<INT_PTR> KeyrelayDialog::OnDeviceChange(WPARAM, LPARAM)
{
    return TRUE;   // the reader thread notices arrival and removal itself
}

std::optional<INT_PTR> KeyrelayDialog::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(Handle(), &paint);
    if (::IsIconic(Handle())) {
        RECT client;
        ::GetClientRect(Handle(), &client);
        const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc, x, y, m_windowIcon);
    } else {
        PaintPictures(dc);
    }
    ::EndPaint(Handle(), &paint);
    return 0;
}

void KeyrelayDialog::PaintPictures(HDC dc)
{
    tessel::UniqueMemoryDc source(::CreateCompatibleDC(dc));
    if (!source)
        return;
    for (const Picture& picture : m_pictures) {
        BITMAP info;
        if (!picture.bitmap || !::GetObjectA(picture.bitmap.get(), sizeof(info), &info))
            continue;
        const RECT at = MapDialogRect(picture.left, picture.top, picture.left, picture.top);
        tessel::SelectGuard select(source.get(), picture.bitmap.get());
        ::TransparentBlt(dc, at.left, at.top, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth,
                         info.bmHeight, kPictureTransparent);
    }
}

// The "Disconnected" label is drawn in red on the dialog's own background.
std::optional<INT_PTR> KeyrelayDialog::OnCtlColorStatic(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != m_disconnectedLabel.Handle())
        return std::nullopt;
    const HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, RGB(255, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
}

void KeyrelayDialog::OnNoiseOff()
{
    DispatchKey(KEY_NOISE_OFF);
}

void KeyrelayDialog::OnPiloWifi()
{
    DispatchKey(KEY_PILO_WIFI);
}

void KeyrelayDialog::OnShowSettings()
{
    ShowAndActivate(SW_SHOWNORMAL);
}

void KeyrelayDialog::OnClose()
{
    Show(SW_HIDE);
}

void KeyrelayDialog::OnHelp()
{
    ::ShellExecuteA(Handle(), "open", "help.htm", nullptr, nullptr, SW_SHOWNORMAL);
}

void KeyrelayDialog::OnCancel()
{
    if (::MessageBoxA(Handle(), "Are you sure to exit Veltra Kova Remote?", "Info", MB_YESNO | MB_ICONQUESTION) == IDYES)
        End(IDCANCEL);
}

HotkeyRow KeyrelayDialog::Row(int row) const
{
    const auto r = static_cast<size_t>(row);
    HotkeyRow result;
    if (r >= m_keys.size())
        return result;
    result.alt = m_alt[r].IsChecked();
    result.shift = m_shift[r].IsChecked();
    result.ctrl = m_ctrl[r].IsChecked();
    const int selection = m_keys[r].Selection();
    if (selection >= 0)
        result.virtualKey = static_cast<BYTE>(m_keys[r].ItemData(selection) & 0xFF);
    return result;
}

void KeyrelayDialog::DispatchKey(unsigned code)
{
    keyrelay::DispatchKey(code, *this, m_actions);
}

void KeyrelayDialog::OnKey(unsigned code)
{
    DispatchKey(code);
}

void KeyrelayDialog::OnLinkState(LinkState state)
{
    switch (state) {
    case LinkState::Searching:
        m_disconnectedLabel.Show(SW_SHOW);
        m_tray.Show(false);
        break;
    case LinkState::Connected:
        m_disconnectedLabel.Show(SW_HIDE);
        m_tray.Show(true);
        break;
    case LinkState::Stopped:
        m_tray.Remove();
        break;
    }
}

void KeyrelayDialog::StartReader()
{
    m_readerThread.reset(::CreateThread(nullptr, 0, &KeyrelayDialog::ReaderThread, this, 0, nullptr));
}

DWORD WINAPI KeyrelayDialog::ReaderThread(void* dialog)
{
    return RunReceiverLink(*static_cast<KeyrelayDialog*>(dialog));
}

void KeyrelayDialog::StopReader()
{
    m_running = 0;
    if (m_readerThread) {
        WaitServingSentMessages(m_readerThread.get(), kReaderStopTimeoutMs);
        m_readerThread.reset();
    }
}

void KeyrelayDialog::DestroyWindow()
{
    m_tray.Remove();
    m_settingsKey.reset();
    StopReader();
    Dialog::DestroyWindow();
}

} // namespace keyrelay
