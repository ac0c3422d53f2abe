#include "PowerOptions.h"

#include "tessel/System/PowerMgr.h"

#include <shellapi.h>

std::string PowerOptionsPath()
{
    return tessel::SystemFolder() + "\\powercfg.cpl";
}

void OpenPowerOptions(HWND owner)
{
    ShellExecuteA(owner, nullptr, PowerOptionsPath().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
