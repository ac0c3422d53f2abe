#include "ModeForm.h"

using namespace vcl;

TModeForm* ModeForm = nullptr;

namespace {
constexpr TColor kFormColor = 15826687;
constexpr TColor kIndicatorColorKey = 65535;   // pure yellow
constexpr BYTE kHalfOpaque = 128;
} // namespace

TModeForm::TModeForm(TComponent* owner) : TForm(owner)
{
    SetName("ModeForm");
    SetBorderStyle(bsNone);
    SetCaption("ModeForm");
    SetColor(kFormColor);
    ModeImage = new TImage(this);
    ModeImage->SetName("ModeImage");
    ModeImage->SetParent(this);
    ModeImage->SetAutoSize(true);
    ModeImage->Picture()->Bitmap()->LoadFromResourceName(HInstance(), kPictureResource);
    SetClientSize(ModeImage->Width(), ModeImage->Height());
    OnShow = [this](TObject* sender) { FormShow(sender); };

    if (m_layeredWindow.IsEnabled()) {
        m_layeredWindow.SetColorKeyEnabled(true);
        m_layeredWindow.SetColorKey(kIndicatorColorKey);
        m_layeredWindow.SetClickThrough(true);
        m_layeredWindow.SetAlphaEnabled(true);
        m_layeredWindow.SetAlpha(kHalfOpaque);
        m_layeredWindow.Apply(Handle());
    }
    m_flickerEliminator.Attach(this);
}

TModeForm::~TModeForm()
{
    m_flickerEliminator.Detach();
}

void TModeForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.ExStyle = (params.ExStyle | WS_EX_TOPMOST) & ~static_cast<DWORD>(WS_EX_APPWINDOW);
    params.Style |= WS_POPUP;
    // Owned by the main form: no taskbar button.
    if (TForm* mainForm = Application->MainForm(); mainForm && mainForm != this)
        params.WndParent = mainForm->Handle();
}

void TModeForm::FormShow(TObject* /*sender*/)
{
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TModeForm::ShowMode()
{
    SetBounds(Screen->Width() - Width(), 0, Width(), Height());
    Show();
}

void TModeForm::HideMode()
{
    Hide();
}
