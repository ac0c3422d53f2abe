#include "SomnaLibDemo.h"

#include <windows.h>

SomnaLibDemo::SomnaLibDemo()
{
    MessageBoxA(nullptr, "SomnaLibDemo", "", MB_OK);
}
