// Couchdeck's entry point: one instance per log-on, the hand-over of a repeated start to the
// running instance, the "/r" switch of the first run, the forms and the message loop.

#include "BlackScreen.h"
#include "DialogForm.h"
#include "MainForm.h"
#include "MenuForm.h"
#include "ModeForm.h"
#include "SettingHelp.h"
#include "WarnForm.h"

#include "tessel/System/CmdLine.h"
#include "vcl/Forms.h"

#include <windows.h>

using namespace vcl;

namespace {

constexpr const char* kInstanceMutex = "Veltra Pilo Remote 03102006";
// What a second instance sends to the running one, which then starts Keyrelay again.
constexpr UINT kRestartReceiverMessage = WM_USER + 3;
constexpr DWORD kHandOverTimeoutMs = 10000;

void HandOverToRunningInstance()
{
    HWND running = FindWindowA("TMainForm", TMainForm::kCaption);
    if (!running)
        return;   // still starting up: nobody to tell
    AllowSetForegroundWindow(ASFW_ANY);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(running, kRestartReceiverMessage, TMainForm::kMenuTag, 0,
                        SMTO_ABORTIFHUNG, kHandOverTimeoutMs, &result);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    // Held, never closed, until the process ends: its name marks the running instance.
    HANDLE instanceMutex = CreateMutexA(nullptr, TRUE, kInstanceMutex);
    if (instanceMutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        HandOverToRunningInstance();
        return 0;
    }

    const tessel::CmdLine<char> arguments(commandLine);
    const bool firstRun = arguments.FindOption("r") < arguments.Count();

    try {
        Application->Initialize();
        Application->SetTitle(TMainForm::kCaption);
        Application->SetShowMainForm(false);
        Application->CreateForm(MainForm);
        Application->CreateForm(WarnForm);
        Application->CreateForm(MenuForm);
        Application->CreateForm(ModeForm);
        Application->CreateForm(DialogForm);
        Application->CreateForm(BlackScreen);
        Application->CreateForm(SettingHelp);
        MainForm->Startup(firstRun);
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    return 0;
}
