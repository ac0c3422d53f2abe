#include "SettingHelp.h"

using namespace vcl;

TSettingHelp* SettingHelp = nullptr;

namespace {
// Keyrelay's settings dialog.
constexpr const char* kSettingsDialogClass = "#32770";
constexpr const char* kSettingsDialogCaption = "Veltra Kova Remote";
} // namespace

TSettingHelp::TSettingHelp(TComponent* owner) : TForm(owner)
{
    SetName("SettingHelp");
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu, biMinimize});
    SetCaption("Veltra Kova Remote");
    SetClientSize(451, 436);

    Browser = new TPictureViewer(this);
    Browser->SetName("Browser");
    Browser->SetParent(this);
    Browser->SetBounds(0, 0, 449, 393);
    Browser->SetTabOrder(1);

    OkButton = new TButton(this);
    OkButton->SetName("OkButton");
    OkButton->SetParent(this);
    OkButton->SetBounds(184, 400, 81, 33);
    OkButton->SetCaption("OK");
    OkButton->SetTabOrder(0);
    OkButton->OnClick = [this](TObject* sender) { OkButtonClick(sender); };
}

void TSettingHelp::ShowHelp(const std::string& path, bool besideSettingsDialog)
{
    Browser->Navigate(path);
    if (besideSettingsDialog) {
        HWND dialog = FindWindowA(kSettingsDialogClass, kSettingsDialogCaption);
        RECT dialogRect{};
        if (dialog && GetWindowRect(dialog, &dialogRect)) {
            SetBounds(0, dialogRect.top, Width(), Height());
            SetWindowPos(dialog, nullptr, Width(), dialogRect.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER);
        }
    } else {
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(),
                  Height());
    }
    Show();
}

void TSettingHelp::OkButtonClick(TObject* /*sender*/)
{
    Hide();
}
