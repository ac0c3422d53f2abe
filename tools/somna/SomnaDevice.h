#pragma once
// The power-on-after-power-loss setting the stand-in keeps in place of the hardware:
// HKEY_CURRENT_USER "Software\Veltra\Somna", DWORD "PowerOn" (0 when missing).

#include <windows.h>

DWORD ReadPowerOnSetting();
bool WritePowerOnSetting(DWORD value);
