#pragma once
// Dialog 151: a new name for a user-defined profile, at most 63 characters.

#include "HotkeyProfile.h"
#include "dialogkit/Dialog.h"
#include "resource.h"

#include <string>

namespace keyrelay {

class RenameProfileDialog : public ui::Dialog {
public:
    explicit RenameProfileDialog(std::string name) : Dialog(IDD_RENAME_PROFILE), m_name(std::move(name)) {}
    const std::string& Name() const { return m_name; }

protected:
    bool OnInitDialog() override
    {
        const ui::Edit edit(Item(IDC_RENAME_EDIT));
        edit.Send(EM_LIMITTEXT, kProfileNameSize - 1);
        edit.SetText(m_name.c_str());
        return true;
    }
    void OnOK() override
    {
        m_name = ui::Window(Item(IDC_RENAME_EDIT)).Text(kProfileNameSize - 1);
        End(IDOK);
    }

private:
    std::string m_name;
};

} // namespace keyrelay
