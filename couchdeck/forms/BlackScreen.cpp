#include "BlackScreen.h"

#include "KovaRemoteLib.h"
#include "SomnaLib.h"

using namespace vcl;

TBlackScreen* BlackScreen = nullptr;

TBlackScreen::TBlackScreen(TComponent* owner) : TForm(owner)
{
    SetName("BlackScreen");
    SetBorderStyle(bsNone);
    SetCaption("BlackScreen");
    SetColor(clBlack);
    SetClientSize(688, 446);
    m_timer = new TTimer(this);
    m_timer->SetEnabled(false);
    m_timer->SetInterval(kScreenOffIntervalMs);
    m_timer->OnTimer = [this](TObject* sender) { TimerTick(sender); };
}

void TBlackScreen::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_APPWINDOW | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void TBlackScreen::ShowBlack()
{
    SetBounds(0, 0, Screen->Width(), Screen->Height());
    Show();
    m_timer->SetEnabled(true);
    SetCursor(crNone);
}

void TBlackScreen::HideBlack()
{
    Hide();
    m_timer->SetEnabled(false);
    KovaRemoteLib* library = KovaRemoteLib::Instance();
    if (library->IsSupported())
        library->LeaveWirelessOnly();
}

void TBlackScreen::TimerTick(TObject* /*sender*/)
{
    SomnaLib::Instance()->ScreenOff();
}
