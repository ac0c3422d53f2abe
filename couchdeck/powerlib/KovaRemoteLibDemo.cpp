#include "KovaRemoteLibDemo.h"

#include <windows.h>

KovaRemoteLibDemo::KovaRemoteLibDemo()
{
    MessageBoxA(nullptr, "KovaRemoteLibDemo", "", MB_OK);
}
