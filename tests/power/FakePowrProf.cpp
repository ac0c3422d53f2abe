// A stand-in for Powrprof.dll with fixed answers that tell the two queries apart.
#include <windows.h>

extern "C" __declspec(dllexport) BOOLEAN WINAPI IsPwrHibernateAllowed()
{
    return TRUE;
}

extern "C" __declspec(dllexport) BOOLEAN WINAPI IsPwrSuspendAllowed()
{
    return FALSE;
}
