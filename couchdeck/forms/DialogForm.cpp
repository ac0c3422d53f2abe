#include "DialogForm.h"

#include "NoticeBitmap.h"

#include "tessel/System/ProgramDirectory.h"

using namespace vcl;

TDialogForm* DialogForm = nullptr;

TDialogForm::TDialogForm(TComponent* owner) : TForm(owner)
{
    SetName("DialogForm");
    SetBorderStyle(bsNone);
    SetColor(clBtnFace);
    Background = new TImage(this);
    Background->SetName("Background");
    Background->SetParent(this);
    Background->SetBounds(0, 0, 0, 0);
    Background->SetAutoSize(true);

    if (m_layeredWindow.IsEnabled()) {
        m_layeredWindow.SetColorKeyEnabled(true);
        m_layeredWindow.SetColorKey(kTransparentColor);
        m_layeredWindow.Apply(Handle());
    }
    m_flickerEliminator.Attach(this);
}

TDialogForm::~TDialogForm()
{
    m_flickerEliminator.Detach();
}

void TDialogForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    // A tool window above everything, without a taskbar button, owned by the veil.
    params.ExStyle = (params.ExStyle & ~0x40088u) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.Style |= WS_POPUP;
    if (TForm* veil = Application->MainForm(); veil && veil != this)
        params.WndParent = veil->Handle();
}

std::string TDialogForm::ResourceDirectory()
{
    return tessel::ProgramDirectory() + "Resource\\";
}

void TDialogForm::CenterOnScreen()
{
    SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(),
              Height());
}

void TDialogForm::ShowBitmap(int bitmapIndex)
{
    const char* file = NoticeBitmapFile(bitmapIndex);
    if (!file)
        throw EInvalidGraphic("There is no notice picture " + std::to_string(bitmapIndex));
    Background->Picture()->LoadFromFile(ResourceDirectory() + file);
    Background->Repaint();

    TForm* veil = Application->MainForm();
    veil->SetBounds(0, 0, Screen->Width(), Screen->Height());
    CenterOnScreen();
    SetBounds(Left(), Top(), Background->Width(), Background->Height());
    veil->Show();
    CenterOnScreen();
    Show();
    // The dialog is owned by the veil, so it stays above it.
    BringWindowToTop(veil->Handle());
}
