#include "KeyrelayDialog.h"

#include "AboutDialog.h"
#include "KeyNames.h"
#include "RenameProfileDialog.h"
#include "RemoteProtocol.h"
#include "resource.h"

#include <commctrl.h>
#include <commdlg.h>
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
    {IDC_POWER_ENABLE, BN_CLICKED, &KeyrelayDialog::OnPowerEnableClicked},
    {IDC_POWER_ON_AFTER_LOSS, BN_CLICKED, &KeyrelayDialog::OnPowerOnAfterLossClicked},
    {IDC_PROFILE, CBN_SELCHANGE, &KeyrelayDialog::OnProfileChanged},
    {IDC_USE_HOTKEYS, BN_CLICKED, &KeyrelayDialog::OnUseHotkeysClicked},
    {IDC_REDEFINE_HOTKEYS, BN_CLICKED, &KeyrelayDialog::OnRedefineClicked},
    {IDC_RESET, BN_CLICKED, &KeyrelayDialog::OnResetClicked},
    {IDC_RENAME, BN_CLICKED, &KeyrelayDialog::OnRenameClicked},
    {IDC_BROWSE, BN_CLICKED, &KeyrelayDialog::OnBrowseClicked},
    {IDC_DEFAULT, BN_CLICKED, &KeyrelayDialog::OnDefaultClicked},
    {IDC_SAVE, BN_CLICKED, &KeyrelayDialog::OnSaveClicked},
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
    for (int slot = 0; slot < kProfileCount; ++slot)
        keyrelay::FillDefaultProfile(m_profiles[static_cast<size_t>(slot)], slot, false);
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
    m_path.Send(EM_LIMITTEXT, kProfilePathSize - 1);
    m_redefine.Attach(Item(IDC_REDEFINE_HOTKEYS));
    m_rename.Attach(Item(IDC_RENAME));
    m_browse.Attach(Item(IDC_BROWSE));
    m_reset.Attach(Item(IDC_RESET));
    m_default.Attach(Item(IDC_DEFAULT));
    m_save.Attach(Item(IDC_SAVE));
    m_disconnectedLabel.Attach(Item(IDC_DISCONNECTED));
    CreateHotkeyGrid();
    for (Picture& picture : m_pictures)
        picture.bitmap.reset(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture.id),
                                          IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));

    ::EnableWindow(Item(IDC_SAVE), FALSE);
    m_disconnectedLabel.SetText("Disconnected");
    m_disconnectedLabel.Show(SW_SHOW);
    LoadSettings();
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
        if (wParam == RECEIVER_TAG)
            LoadSettings();
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

// ---- Settings -------------------------------------------------------------------------------

void KeyrelayDialog::LoadSettings()
{
    m_settings.Close();
    if (!m_settings.Open()) {
        ApplyDefaults();   // "Save" stays disabled: there is nowhere to save to
        return;
    }
    m_save.Enable(true);
    const std::optional<DWORD> powerEnable = m_settings.ReadDword("Power_Enable");
    if (!powerEnable) {
        ApplyDefaults();   // a fresh configuration
        return;
    }
    m_powerEnable.SetCheck(*powerEnable != 0);
    OnPowerEnableClicked();
    const bool powerOff = m_settings.ReadDword("Power").value_or(0) == 1;
    m_powerOff.SetCheck(powerOff);
    m_hibernate.SetCheck(!powerOff);
    m_powerOnAfterLoss.SetCheck(m_settings.ReadDword("Power_On").value_or(0) != 0);
    OnPowerOnAfterLossClicked();
    SetProfileControlsEnabled(true);
    LoadProfiles();

    const auto profile = static_cast<std::int32_t>(m_settings.ReadDword("Profile").value_or(0));
    m_profileActive = true;
    if (profile == -1) {
        m_profileActive = false;
        m_profileList.Select(-1);
        SetProfileControlsEnabled(false);
    } else if (profile >= 0 && profile < kProfileCount) {
        ShowProfile(profile);
    } else {
        m_currentProfile = 0;
        m_profileList.Select(-1);
        ApplyHotkeyMode();   // nothing shown: nothing to edit
    }
}

void KeyrelayDialog::LoadProfiles()
{
    m_settings.LoadProfiles(m_profiles);
    FillProfileList();
}

// Every slot has its entry, so list positions and slots stay the same.
void KeyrelayDialog::FillProfileList()
{
    m_profileList.Clear();
    for (const HotkeyProfile& profile : m_profiles)
        m_profileList.Add(profile.name);
}

bool KeyrelayDialog::SaveSettings()
{
    TopSettings top;
    top.powerEnable = m_powerEnable.IsChecked();
    top.powerOnAfterLoss = m_powerOnAfterLoss.IsChecked();
    top.powerOff = m_powerOff.IsChecked();
    top.profile = m_profileList.Selection();   // -1 when nothing is selected
    return m_settings.Save(m_profiles, top);
}

void KeyrelayDialog::ApplyDefaults()
{
    m_powerEnable.SetCheck(true);
    OnPowerEnableClicked();
    m_powerOnAfterLoss.SetCheck(false);
    OnPowerOnAfterLossClicked();
    m_powerOff.SetCheck(false);
    m_hibernate.SetCheck(true);
    m_useHotkeys.SetCheck(true);
    OnUseHotkeysClicked();
    for (int slot = 0; slot < kProfileCount; ++slot) {
        m_profiles[static_cast<size_t>(slot)] = HotkeyProfile{};
        FillDefaultProfile(slot, false);
    }
    // The defaults show a profile, so it can be edited; saving needs the settings key.
    SetProfileControlsEnabled(true);
    m_save.Enable(m_settings.IsOpen());
    FillProfileList();
    ShowProfile(0);
}

void KeyrelayDialog::FillDefaultProfile(int slot, bool hotkeysOnly)
{
    if (slot >= 0 && slot < kProfileCount)
        keyrelay::FillDefaultProfile(m_profiles[static_cast<size_t>(slot)], slot, hotkeysOnly);
}

void KeyrelayDialog::ShowProfile(int index)
{
    if (index < 0 || index >= kProfileCount)
        return;
    const HotkeyProfile& profile = m_profiles[static_cast<size_t>(index)];
    for (size_t row = 0; row < kHotkeyRows; ++row) {
        const HotkeyRow keys = ToHotkeyRow(profile.keys[row]);
        m_alt[row].SetCheck(keys.alt);
        m_shift[row].SetCheck(keys.shift);
        m_ctrl[row].SetCheck(keys.ctrl);
        int match = -1;
        for (int entry = 0, count = m_keys[row].Count(); entry < count; ++entry)
            if (m_keys[row].ItemData(entry) == keys.virtualKey)
                match = entry;
        if (match >= 0)
            m_keys[row].Select(match);
    }
    m_path.SetText(profile.path);
    m_path.SelectAllAndReveal();
    m_useHotkeys.SetCheck(profile.flags == 0);
    ApplyHotkeyMode();
    m_profileList.Select(index);
    m_currentProfile = index;
    m_rename.Enable(index >= kPredefinedProfileCount);
    ApplyHotkeyMode();
}

void KeyrelayDialog::StoreProfile(int index)
{
    if (index < 0 || index >= kProfileCount)
        return;   // nothing selected: there is no record to store into
    HotkeyProfile& profile = m_profiles[static_cast<size_t>(index)];
    for (int row = 0; row < kHotkeyRows; ++row)
        profile.keys[static_cast<size_t>(row)] = ToHotkeyValue(Row(row));
    profile.SetPath(m_path.Text(kProfilePathSize - 1).c_str());
    profile.flags = m_useHotkeys.IsChecked() ? 0 : 1;
}

void KeyrelayDialog::SetProfileControlsEnabled(bool enable)
{
    const HWND controls[] = {m_profileList.Handle(), m_path.Handle(), m_browse.Handle(), m_rename.Handle(),
                             m_default.Handle(), m_save.Handle(), m_useHotkeys.Handle()};
    for (const HWND control : controls)
        ::EnableWindow(control, enable ? TRUE : FALSE);
    SetHotkeyGridEnabled(enable);
}

void KeyrelayDialog::SetHotkeyGridEnabled(bool enable)
{
    for (size_t row = 0; row < kHotkeyRows; ++row) {
        m_alt[row].Enable(enable);
        m_shift[row].Enable(enable);
        m_ctrl[row].Enable(enable);
        m_keys[row].Enable(enable);
    }
}

// User-defined profiles are edited directly; predefined ones after "Redefine default hotkeys".
void KeyrelayDialog::ApplyHotkeyMode()
{
    const bool useHotkeys = m_useHotkeys.IsChecked();
    const int selection = m_profileList.Selection();
    if (selection >= kPredefinedProfileCount) {
        SetHotkeyGridEnabled(useHotkeys);
        m_redefine.SetCheck(true);
        m_redefine.Enable(false);
        m_reset.Enable(false);
    } else {
        SetHotkeyGridEnabled(false);
        m_redefine.SetCheck(false);
        m_redefine.Enable(useHotkeys);
        m_reset.Enable(true);
    }
}

void KeyrelayDialog::OnPowerEnableClicked()
{
    const bool enabled = m_powerEnable.IsChecked();
    m_powerOff.Enable(enabled);
    m_hibernate.Enable(enabled);
    m_powerOnAfterLoss.Enable(enabled);
    if (enabled)
        OnPowerOnAfterLossClicked();
    else
        PostCommand(CMD_POWER_ON_AFTER_LOSS_OFF);
}

void KeyrelayDialog::OnPowerOnAfterLossClicked()
{
    PostCommand(m_powerOnAfterLoss.IsChecked() ? CMD_POWER_ON_AFTER_LOSS_ON : CMD_POWER_ON_AFTER_LOSS_OFF);
}

void KeyrelayDialog::OnProfileChanged()
{
    StoreProfile(m_currentProfile);
    ShowProfile(m_profileList.Selection());
}

void KeyrelayDialog::OnUseHotkeysClicked()
{
    ApplyHotkeyMode();
}

void KeyrelayDialog::OnRedefineClicked()
{
    SetHotkeyGridEnabled(m_redefine.IsChecked());
}

void KeyrelayDialog::OnResetClicked()
{
    const int selection = m_profileList.Selection();
    if (selection < 0)
        return;
    FillDefaultProfile(selection, true);
    ShowProfile(selection);
}

void KeyrelayDialog::OnRenameClicked()
{
    const int selection = m_profileList.Selection();
    if (selection < kPredefinedProfileCount || selection >= kProfileCount)
        return;   // only the user's profiles take another name
    HotkeyProfile& profile = m_profiles[static_cast<size_t>(selection)];
    RenameProfileDialog rename(profile.name);
    if (rename.RunModal(Handle()) != IDOK)
        return;
    profile.SetName(rename.Name().c_str());
    m_profileList.Delete(selection);
    m_profileList.Insert(selection, profile.name);
    m_profileList.Select(selection);
}

void KeyrelayDialog::OnBrowseClicked()
{
    char path[kProfilePathSize] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = "EXE Files (*.exe)\0*.exe\0\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof(path);
    dialog.lpstrDefExt = "exe";
    dialog.Flags = OFN_READONLY | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!::GetOpenFileNameA(&dialog))
        return;
    m_path.SetText(path);
    m_path.SelectAllAndReveal();
}

void KeyrelayDialog::OnDefaultClicked()
{
    if (::MessageBoxA(Handle(), "Reset profiles to defaults?", kWindowCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
        ApplyDefaults();
}

void KeyrelayDialog::OnSaveClicked()
{
    StoreProfile(m_profileList.Selection());
    const bool saved = SaveSettings();
    ::MessageBoxA(Handle(), saved ? "Save ok!" : "Save failed!", kWindowCaption, MB_OK);
}

// ---- Reader thread ---------------------------------------------------------------------------

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
    m_settings.Close();
    StopReader();
    Dialog::DestroyWindow();
}

} // namespace keyrelay
