// VirtualRemote [--pipe NAME] [--connect-timeout MS] [ACTION...]
// Without actions the remote's window opens; with actions they run and the program ends.
// The pipe name defaults to KOVA_RECEIVER_PATH, then to \\.\pipe\kova-remote.

#include "RemotePipeServer.h"
#include "RemoteScript.h"
#include "RemoteWindow.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace kova::remote {

namespace {

void ShowUsage(const std::string& error)
{
    const std::string text = error +
        "\n\nVirtualRemote [--pipe NAME] [--connect-timeout MS] [ACTION...]\n"
        "actions: press KEY | hold KEY MS | unplug | plug | wait MS\n"
        "keys: power suspend noiseoff wifi launch fullscreen volup prev play next voldown, or 0-255";
    // A script must never wait on a message box: the text goes to the console that started us,
    // or to the debugger output.
    HANDLE out = ::GetStdHandle(STD_ERROR_HANDLE);
    if ((!out || out == INVALID_HANDLE_VALUE) && ::AttachConsole(ATTACH_PARENT_PROCESS))
        out = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    if (!out || out == INVALID_HANDLE_VALUE || !::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        ::OutputDebugStringA(text.c_str());
}

std::string DefaultPipeName()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetEnvironmentVariableA("KOVA_RECEIVER_PATH", path, sizeof(path));
    return length > 0 && length < sizeof(path) ? std::string(path) : std::string(kDefaultPipeName);
}

} // namespace

int Main(int argc, char** argv)
{
    std::string pipe = DefaultPipeName();
    DWORD connectTimeout = 10000;
    std::vector<std::string> actions;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--pipe" || argument == "--connect-timeout") && i + 1 >= argc) {
            ShowUsage(argument + " needs a value");
            return 2;
        }
        if (argument == "--pipe")
            pipe = argv[++i];
        else if (argument == "--connect-timeout")
            connectTimeout = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
        else
            actions.push_back(argument);
    }
    RemotePipeServer server(pipe);
    if (actions.empty()) {
        server.Plug();
        return RunRemoteWindow(server);
    }
    if (!server.Plug()) {
        ShowUsage("cannot create the pipe " + pipe);
        return 1;
    }
    std::string error;
    const int result = RunScript(server, actions, connectTimeout, error);
    if (result == 2)
        ShowUsage(error);
    return result;
}

} // namespace kova::remote

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return kova::remote::Main(__argc, __argv);
}
