// A stand-in for Keyrelay in Couchdeck's black-box tests: it records every start (its command
// line) and its end in the file named by KOVA_PROBE_LOG, owns a dialog window of Keyrelay's
// class and caption (shown with -d, hidden otherwise), and ends on Keyrelay's exit message.

#include "tessel/System/Environment.h"
#include "tessel/System/LogLine.h"
#include "tessel/System/UniqueHandle.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {

void Record(const std::string& line)
{
    if (const auto path = tessel::EnvironmentValue("KOVA_PROBE_LOG"))
        tessel::AppendLogLine(*path, line);
}

INT_PTR CALLBACK ProbeDialog(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_USER + 1 && wParam == 84) {
        Record("exit");
        DestroyWindow(dialog);
        PostQuitMessage(0);
        return TRUE;
    }
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

// An in-memory dialog template without controls.
struct alignas(4) Template {
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    WCHAR title[32];
};

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    Record(std::string("start ") + commandLine);
    const tessel::UniqueKernelHandle mutex(CreateMutexA(nullptr, TRUE, "Kova Keyrelay Probe"));
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return 0;
    Template dialogTemplate{};
    dialogTemplate.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialogTemplate.header.x = 100;
    dialogTemplate.header.y = 60;
    dialogTemplate.header.cx = 200;
    dialogTemplate.header.cy = 120;
    const wchar_t caption[] = L"Veltra Kova Remote";
    std::memcpy(dialogTemplate.title, caption, sizeof(caption));
    HWND dialog = CreateDialogIndirectParamA(instance, &dialogTemplate.header, nullptr,
                                             ProbeDialog, 0);
    if (std::strstr(commandLine, "-d"))
        ShowWindow(dialog, SW_SHOW);
    // A test that went wrong must not leave the probe behind.
    SetTimer(nullptr, 0, 60000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
