#pragma once
// The command manager's services in the running program: the main form, the dialog, the
// overlay and help windows, the power-saving library, remote wake and the power actions.

#include "CommandServices.h"

class FormCommandServices : public CommandServices {
public:
    static FormCommandServices& Instance();

    UINT CommandMessageId() override;
    bool IsLibrarySupported() override;
    int QuietMode() override;
    void EnterQuiet() override;
    void LeaveQuiet() override;
    void EnterWirelessOnly() override;
    void ShowNotice(int bitmapIndex, unsigned durationMs) override;
    void ShowConfirmation(int bitmapIndex) override;
    void HideConfirmation() override;
    void ShowMode() override;
    void HideMode() override;
    void ShowBlack() override;
    void HideBlack() override;
    void ShowHelpCentred(const std::string& picturePath) override;
    bool IsRemoteWakeEnabled() override;
};
