#include "MenuForm.h"

using namespace vcl;

TMenuForm* MenuForm = nullptr;

TMenuForm::TMenuForm(TComponent* owner) : TForm(owner)
{
    SetName("MenuForm");
    SetBorderStyle(bsNone);
    SetCaption("MenuForm");
}
