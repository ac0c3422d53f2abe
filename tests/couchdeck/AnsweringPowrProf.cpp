// Takes the place of the system's Powrprof.dll in Couchdeck's tests: the two queries answer what
// the test set in KOVA_TEST_HIBERNATE_ALLOWED and KOVA_TEST_SUSPEND_ALLOWED ("1" allows, anything
// else or nothing refuses).
#include <windows.h>

namespace {

BOOLEAN Answer(const char* variable)
{
    char value[4] = {};
    return GetEnvironmentVariableA(variable, value, sizeof(value)) == 1 && value[0] == '1';
}

} // namespace

extern "C" __declspec(dllexport) BOOLEAN WINAPI IsPwrHibernateAllowed()
{
    return Answer("KOVA_TEST_HIBERNATE_ALLOWED");
}

extern "C" __declspec(dllexport) BOOLEAN WINAPI IsPwrSuspendAllowed()
{
    return Answer("KOVA_TEST_SUSPEND_ALLOWED");
}
