#pragma once
// Couchdeck's main form. It stays hidden and is the program's receiver: remote commands arrive
// through the application's message hook, private messages and power broadcasts through its
// window. When something is to be shown it becomes a translucent navy veil over the screen.

#include "tessel/Graphics/LayeredWindowMaker.h"
#include "vcl/Forms.h"

#include <string>

class TMainForm : public vcl::TForm {
public:
    static constexpr const char* kCaption = "Veltra Kova Remote";
    // The tag in the low byte of wParam of the private messages WM_USER to WM_USER + 6.
    static constexpr BYTE kMenuTag = 85;
    // The registered message names.
    static constexpr const char* kCommandMessageName = "71C56EAB-4A41-4f42-8F69-871D39176D41";
    static constexpr const char* kBroadcastMessageName = "WM_VELTRA_BROADCAST_MESSAGE";
    // The log-on entry of the installation under RunOnce (a reboot is pending) and RUN.
    static constexpr const char* kLogOnEntry = "Oru Brisa Help";
    static constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce\\";
    static constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RUN\\";

    explicit TMainForm(vcl::TComponent* owner);
    ~TMainForm() override;

    // The start-up tasks, once, after all forms exist. May close the form (reboot pending).
    void Startup(bool firstRun);
    // Shows notice picture `bitmapIndex` over the veil for `durationMs`, then hides both.
    void ShowNotice(int bitmapIndex, unsigned durationMs);
    UINT CommandMessageId() const { return m_commandMessage; }
    void OpenPowerOptions();
    void LaunchKeyrelay(bool firstRun);
    bool NeedsHibernationWarning();
    void FillPlayerPaths();

    void AppMessage(MSG& msg, bool& handled);
    void OnCommand(unsigned code);
    void OnVeltraBroadcast(WPARAM wParam, LPARAM lParam);

    void FormShow(vcl::TObject* sender);
    void FormClose(vcl::TObject* sender, vcl::TCloseAction& action);

    void Dispatch(vcl::TMessage& message) override;

    // The command line that starts Keyrelay from Couchdeck's directory, path quoted.
    static std::string KeyrelayCommandLine(bool firstRun);
    // The log-on command without its options: cut before the first "-" together with the
    // character before it. Unchanged when there is no dash or it stands first.
    static std::string StripRunOptions(const std::string& value);

protected:
    void CreateParams(vcl::TCreateParams& params) override;

private:
    void OnDisplayChange();
    void ExitWithKeyrelay();
    void StripRunEntryOptions();

    UINT m_broadcastMessage = 0;
    UINT m_commandMessage = 0;
    tessel::LayeredWindowMaker m_layeredWindow;
};

extern TMainForm* MainForm;
