#include "KeyrelayApp.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int)
{
    return keyrelay::KeyrelayApp().Run(arguments);
}
