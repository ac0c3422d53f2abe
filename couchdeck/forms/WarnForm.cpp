#include "WarnForm.h"

#include "PowerOptions.h"

#include "tessel/System/WinRegistry.h"
#include "tessel/System/ZyMultiLang.h"

using namespace vcl;

TWarnForm* WarnForm = nullptr;

TWarnForm::TWarnForm(TComponent* owner) : TForm(owner)
{
    SetName("WarnForm");
    SetCaption("Warning");
    SetFormStyle(fsStayOnTop);
    SetBounds(Left(), Top(), 497, 347);

    Memo = new TMemo(this);
    Memo->SetName("Memo");
    Memo->SetParent(this);
    Memo->SetBounds(8, 16, 473, 225);
    Memo->SetReadOnly(true);
    Memo->SetTabOrder(3);

    WrnOkButton = new TButton(this);
    WrnOkButton->SetName("WrnOkButton");
    WrnOkButton->SetParent(this);
    WrnOkButton->SetBounds(208, 264, 57, 33);
    WrnOkButton->SetTabOrder(1);
    WrnOkButton->OnClick = [this](TObject* sender) { WrnOkButtonClick(sender); };

    PowerPropCheckBox = new TCheckBox(this);
    PowerPropCheckBox->SetName("PowerPropCheckBox");
    PowerPropCheckBox->SetParent(this);
    PowerPropCheckBox->SetBounds(288, 248, 185, 25);
    PowerPropCheckBox->SetChecked(true);
    PowerPropCheckBox->SetTabOrder(2);

    NeverShowCheckBox = new TCheckBox(this);
    NeverShowCheckBox->SetName("NeverShowCheckBox");
    NeverShowCheckBox->SetParent(this);
    NeverShowCheckBox->SetBounds(288, 280, 193, 17);
    NeverShowCheckBox->SetTabOrder(0);

    const tessel::ZyMultiLang& language = tessel::ZyMultiLang::Instance();
    Memo->Lines()->LoadFromFile(language.LocalizedPath("hibernate.txt"));
    WrnOkButton->SetCaption(language.Text("Ok"));
    PowerPropCheckBox->SetCaption(language.Text("Active_Power_Property"));
    NeverShowCheckBox->SetCaption(language.Text("Never_Show"));
}

void TWarnForm::ShowWarning()
{
    // In the middle of the screen, where the user looks at start-up.
    SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(),
              Height());
    Show();
}

void TWarnForm::WrnOkButtonClick(TObject* /*sender*/)
{
    if (NeverShowCheckBox->Checked()) {
        // A key that cannot be written loses the choice; the warning comes again next time.
        tessel::RegAccessor key;
        if (key.Open(HKEY_LOCAL_MACHINE, kSettingsKey, true))
            key.WriteDword(kShowValue, 0);
    }
    if (PowerPropCheckBox->Checked()) {
        TForm* mainForm = Application->MainForm();
        OpenPowerOptions(mainForm ? mainForm->Handle() : nullptr);
    }
    Hide();
}
