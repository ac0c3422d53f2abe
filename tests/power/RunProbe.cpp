// Started by the RunAndWait tests: run_probe <file> <milliseconds> [ignored...] sleeps for the
// given time, then writes <file>, so a test can tell whether its caller waited.
#include <windows.h>

#include <cstdlib>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    Sleep(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    std::ofstream(argv[1]) << "done";
    return 0;
}
