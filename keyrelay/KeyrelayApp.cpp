#include "KeyrelayApp.h"

#include "KeyrelayDialog.h"

#include <commctrl.h>

#include <cstring>

namespace keyrelay {

bool HasSwitch(const char* arguments, const char* name)
{
    return arguments && std::strstr(arguments, name) != nullptr;
}

int KeyrelayApp::Run(const char* arguments)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    KeyrelayDialog dialog(HasSwitch(arguments, "-a"));
    if (dialog.IsSecondInstance()) {
        dialog.NotifyRunningInstance();
        return 0;
    }
    dialog.RunModal(nullptr, HasSwitch(arguments, "-d"));
    return 0;
}

} // namespace keyrelay
