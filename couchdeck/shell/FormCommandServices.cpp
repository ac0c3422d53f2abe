#include "FormCommandServices.h"

#include "BlackScreen.h"
#include "DialogForm.h"
#include "KovaRemoteLib.h"
#include "MainForm.h"
#include "ModeForm.h"
#include "RemoteWake.h"
#include "SettingHelp.h"

using namespace vcl;

FormCommandServices& FormCommandServices::Instance()
{
    static FormCommandServices services;
    return services;
}

UINT FormCommandServices::CommandMessageId()
{
    return MainForm->CommandMessageId();
}

bool FormCommandServices::IsLibrarySupported()
{
    return KovaRemoteLib::Instance()->IsSupported();
}

int FormCommandServices::QuietMode()
{
    return static_cast<int>(KovaRemoteLib::Instance()->QuietMode());
}

void FormCommandServices::EnterQuiet()
{
    KovaRemoteLib::Instance()->EnterQuiet();
}

void FormCommandServices::LeaveQuiet()
{
    KovaRemoteLib::Instance()->LeaveQuiet();
}

void FormCommandServices::EnterWirelessOnly()
{
    KovaRemoteLib::Instance()->EnterWirelessOnly();
}

void FormCommandServices::ShowNotice(int bitmapIndex, unsigned durationMs)
{
    MainForm->ShowNotice(bitmapIndex, durationMs);
}

void FormCommandServices::ShowConfirmation(int bitmapIndex)
{
    DialogForm->ShowBitmap(bitmapIndex);
}

void FormCommandServices::HideConfirmation()
{
    DialogForm->Hide();
    MainForm->Hide();
}

void FormCommandServices::ShowMode()
{
    ModeForm->ShowMode();
}

void FormCommandServices::HideMode()
{
    ModeForm->HideMode();
}

void FormCommandServices::ShowBlack()
{
    BlackScreen->ShowBlack();
}

void FormCommandServices::HideBlack()
{
    BlackScreen->HideBlack();
}

void FormCommandServices::ShowHelpCentred(const std::string& picturePath)
{
    SettingHelp->ShowHelp(picturePath, false);
    SettingHelp->SetLeft((Screen->Width() - SettingHelp->Width()) / 2);
}

bool FormCommandServices::IsRemoteWakeEnabled()
{
    return remote_wake::AnyDeviceMayWake();
}
