// Wakegate.dll: whether the machine's HID devices may wake it from standby, for a setup program
// or another tool. Both exports take no arguments, leave the stack to the caller and answer one
// byte: 1 = true, 0 = false.

#include "RemoteWake.h"

#include <windows.h>

extern "C" {

BOOLEAN __cdecl CheckStandByAllowed()
{
    return remote_wake::AllDevicesMayWake() ? 1 : 0;
}

BOOLEAN __cdecl SetStandByAllowed()
{
    return remote_wake::AllowAllDevicesToWake() ? 1 : 0;
}

} // extern "C"
