#pragma once
// The application: one instance per session, the dialog run hidden behind the tray icon (or
// visible with "-d"), and the process ends when the dialog ends.

namespace keyrelay {

class KeyrelayApp {
public:
    // `arguments` is the command line without the program's name. Returns the exit code.
    int Run(const char* arguments);
};

// Substring test of a switch ("-a", "-d") anywhere in the arguments.
bool HasSwitch(const char* arguments, const char* name);

} // namespace keyrelay
