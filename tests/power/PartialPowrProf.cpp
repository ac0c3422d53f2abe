// A stand-in for Powrprof.dll that lacks the hibernation query.
#include <windows.h>

extern "C" __declspec(dllexport) BOOLEAN WINAPI IsPwrSuspendAllowed()
{
    return TRUE;
}
