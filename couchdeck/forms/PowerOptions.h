#pragma once
// The Power Options control panel item, opened for the user from the main form and the warning.

#include <windows.h>

#include <string>

// The item's path: the system folder followed by "\powercfg.cpl".
std::string PowerOptionsPath();
// Opens it with `owner` as the owner of any window the shell shows.
void OpenPowerOptions(HWND owner);
