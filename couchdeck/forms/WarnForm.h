#pragma once
// The hibernation warning shown at start-up when the system has no hibernation file: a
// translated explanation, a shortcut to Power Options and a choice never to be warned again.

#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

class TWarnForm : public vcl::TForm {
public:
    // HKEY_LOCAL_MACHINE key and value; 0 means the user asked never to be warned again.
    static constexpr const char* kSettingsKey = "Software\\Veltra\\Veltra Kova Remote";
    static constexpr const char* kShowValue = "ShowHibernation";

    // Raises the library's file-open error when "hibernate.txt" is in no language folder.
    explicit TWarnForm(vcl::TComponent* owner);

    void ShowWarning();
    void WrnOkButtonClick(vcl::TObject* sender);

    vcl::TMemo* Memo;
    vcl::TButton* WrnOkButton;
    vcl::TCheckBox* PowerPropCheckBox;
    vcl::TCheckBox* NeverShowCheckBox;
};

extern TWarnForm* WarnForm;
