// Sends Couchdeck what Keyrelay and outside tools send, for the demo and for trying things by hand:
//   PostCommand <code>        a remote command (146 power ... 157 volume down) to every window
//   PostCommand --exit        the exit message to Couchdeck's main form (it ends Keyrelay too)
// Exit code 0 when the message went out.

#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    if (std::strcmp(argv[1], "--exit") == 0) {
        HWND mainForm = FindWindowA("TMainForm", "Veltra Kova Remote");
        return mainForm && PostMessageA(mainForm, WM_USER, 85, 0) ? 0 : 1;
    }
    char* end = nullptr;
    const unsigned long code = std::strtoul(argv[1], &end, 10);
    if (end == argv[1] || *end != '\0' || code > 0xFFFF)
        return 2;
    const UINT message = RegisterWindowMessageA("71C56EAB-4A41-4f42-8F69-871D39176D41");
    return PostMessageA(HWND_BROADCAST, message, 1286, static_cast<LPARAM>(code)) ? 0 : 1;
}
