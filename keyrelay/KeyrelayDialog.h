#pragma once
// Keyrelay's only window: the settings dialog, normally hidden behind the tray icon. It owns the
// single-instance mutex, the registered messages, the reader thread of the receiver link and the
// key dispatcher, whose settings are the live state of its controls.

#include "HotkeyProfile.h"
#include "KeyDispatcher.h"
#include "ReceiverLink.h"
#include "SettingsStore.h"
#include "TrayIcon.h"
#include "dialogkit/Dialog.h"
#include "dialogkit/RouteTable.h"
#include "tessel/System/UniqueHandle.h"

#include <windows.h>

#include <array>
#include <atomic>

namespace keyrelay {

class KeyrelayDialog : public ui::Dialog, public DispatchSettings, public ReceiverHost {
public:
    explicit KeyrelayDialog(bool launchEnabled);
    ~KeyrelayDialog() override;

    // True when another Keyrelay runs already; this object then creates no window.
    bool IsSecondInstance() const { return m_secondInstance; }
    // Asks the running instance to bring its window forward.
    void NotifyRunningInstance() const;

    void DestroyWindow() override;

    // DispatchSettings: the controls' current state, readable from the reader thread.
    bool PowerKeyEnabled() const override { return m_powerEnable.IsChecked(); }
    bool PowerOffChosen() const override { return m_powerOff.IsChecked(); }
    bool HibernateChosen() const override { return m_hibernate.IsChecked(); }
    bool UseHotkeys() const override { return m_useHotkeys.IsChecked(); }
    bool ProfileActive() const override { return m_profileActive; }
    bool LaunchEnabled() const override { return m_launchEnabled; }
    std::string ProgramPath() const override { return m_path.Text(MAX_PATH); }
    HotkeyRow Row(int row) const override;

    // ReceiverHost, called on the reader thread.
    bool KeepRunning() const override { return m_running != 0; }
    void OnLinkState(LinkState state) override;
    void OnKey(unsigned code) override;

    void DispatchKey(unsigned code);

    // Settings: the registry into the dialog, the dialog into the registry, the defaults.
    void LoadSettings();
    void LoadProfiles();
    bool SaveSettings();
    void ApplyDefaults();
    void FillDefaultProfile(int slot, bool hotkeysOnly);

    // The profile records and the controls that show one of them.
    void ShowProfile(int index);
    void StoreProfile(int index);
    void SetProfileControlsEnabled(bool enable);
    void SetHotkeyGridEnabled(bool enable);

protected:
    bool OnInitDialog() override;
    std::optional<INT_PTR> WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int notification) override;
    void OnCancel() override;
    bool PreTranslateMessage(MSG& message) override;

private:
    // Window messages.
    std::optional<INT_PTR> OnSysCommand(WPARAM wParam, LPARAM lParam);
    std::optional<INT_PTR> OnSize(WPARAM wParam, LPARAM lParam);
    std::optional<INT_PTR> OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    std::optional<INT_PTR> OnPaint(WPARAM wParam, LPARAM lParam);
    std::optional<INT_PTR> OnDeviceChange(WPARAM wParam, LPARAM lParam);
    std::optional<INT_PTR> OnCtlColorStatic(WPARAM wParam, LPARAM lParam);
    void OnTrayNotify(WPARAM wParam, LPARAM lParam);

    // Commands.
    void OnNoiseOff();
    void OnPiloWifi();
    void OnShowSettings();
    void OnClose();
    void OnHelp();
    void OnPowerEnableClicked();
    void OnPowerOnAfterLossClicked();
    void OnProfileChanged();
    void OnUseHotkeysClicked();
    void OnRedefineClicked();
    void OnResetClicked();
    void OnRenameClicked();
    void OnBrowseClicked();
    void OnDefaultClicked();
    void OnSaveClicked();

    void PostCommand(unsigned code) { m_actions.PostCommand(code); }
    void ApplyHotkeyMode();
    void FillProfileList();

    void ShowAndActivate(int showCommand);
    void ShowTrayMenu();
    void CreateHotkeyGrid();
    void CreateTooltip();
    void FillKeyNames(const ui::ComboBox& keys);
    void PaintPictures(HDC dc);
    void StartReader();
    void StopReader();
    static DWORD WINAPI ReaderThread(void* dialog);

    static const ui::MessageRoute<KeyrelayDialog> kMessages[];
    static const ui::CommandRoute<KeyrelayDialog> kCommands[];

    std::atomic<int> m_running = 0;
    bool m_launchEnabled;
    bool m_secondInstance = false;
    std::atomic<bool> m_profileActive = false;
    UINT m_showSettingsMessage = 0;
    UINT m_broadcastMessage = 0;
    HICON m_windowIcon = nullptr;   // shared resource icon
    tessel::UniqueIcon m_smallIcon;
    tessel::UniqueKernelHandle m_instanceMutex;
    tessel::UniqueKernelHandle m_readerThread;
    SettingsStore m_settings;
    HWND m_tooltip = nullptr;   // owned by the window, destroyed with it
    TrayIcon m_tray;
    SystemKeyActions m_actions{0};

    ui::Button m_powerEnable, m_powerOnAfterLoss, m_powerOff, m_hibernate, m_useHotkeys, m_redefine;
    ui::Window m_rename, m_browse, m_reset, m_default, m_save;
    ui::ComboBox m_profileList;
    ui::Edit m_path;
    ui::Window m_disconnectedLabel;
    std::array<ui::Button, kHotkeyRows> m_alt, m_shift, m_ctrl;
    std::array<ui::ComboBox, kHotkeyRows> m_keys;

    std::array<HotkeyProfile, kProfileCount> m_profiles;
    int m_currentProfile = 0;   // the record the controls were last loaded from

    struct Picture {
        int id;
        int left, top;   // dialog units
        tessel::UniqueGdiObject bitmap;
    };
    std::array<Picture, 9> m_pictures;
};

} // namespace keyrelay
