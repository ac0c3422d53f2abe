// Waits for a window state, so that scripts (the demo) can act when Couchdeck shows something:
//   WaitWindow <class> shown|hidden [timeout-ms]
// Exit code 0 once a top-level window of that class is visible ("shown") or none is ("hidden"),
// 1 when the time (default 10000 ms) ran out, 2 for bad arguments.

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    const char* className;
    bool visibleFound;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    char className[256] = {};
    GetClassNameA(window, className, sizeof(className));
    if (std::strcmp(className, search->className) == 0 && IsWindowVisible(window)) {
        search->visibleFound = true;
        return FALSE;
    }
    return TRUE;
}

bool AnyVisible(const char* className)
{
    Search search{className, false};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.visibleFound;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4)
        return 2;
    const bool wantShown = std::strcmp(argv[2], "shown") == 0;
    if (!wantShown && std::strcmp(argv[2], "hidden") != 0)
        return 2;
    DWORD timeoutMs = 10000;
    if (argc == 4) {
        char* end = nullptr;
        timeoutMs = static_cast<DWORD>(std::strtoul(argv[3], &end, 10));
        if (end == argv[3] || *end != '\0')
            return 2;
    }
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (AnyVisible(argv[1]) == wantShown)
            return 0;
        if (GetTickCount64() >= deadline)
            return 1;
        Sleep(50);
    }
}
