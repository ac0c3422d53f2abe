#pragma once
// The help window: a localised help picture, centred on the screen or docked to the left of
// Keyrelay's settings dialog.

#include "PictureViewer.h"

#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <string>

class TSettingHelp : public vcl::TForm {
public:
    explicit TSettingHelp(vcl::TComponent* owner);

    // Shows the picture at `path`. Beside the settings dialog: this window goes to the left edge
    // at the dialog's height and the dialog moves to its right (nothing moves when the dialog is
    // not open). Otherwise the window is centred on the screen.
    void ShowHelp(const std::string& path, bool besideSettingsDialog);
    void OkButtonClick(vcl::TObject* sender);

    TPictureViewer* Browser;
    vcl::TButton* OkButton;
};

extern TSettingHelp* SettingHelp;
