#pragma once
// Fills the empty application paths of the predefined player profiles from where each player's
// installer registers it. A path the user has set is never touched; whatever cannot be found
// leaves the profile as it is.

#include <string>

namespace couchdeck {

// Runs once at start-up, on the main thread.
void FillPlayerPaths();

// The path the recipe for this profile name finds (names compared exactly), or "" when no
// recipe applies or the program is not there.
std::string FindPlayerPath(const std::string& profileName);

// The default value of HKEY_CLASSES_ROOT "Applications\<exe>\shell\open\command" ("" if missing).
std::string ReadOpenCommand(const std::string& exe);

// The program part of a command line: a leading quoted part with its quotes, else everything up
// to the first "exe" (any case). An opening quote that never closes gives "".
std::string ExtractProgram(const std::string& commandLine);

// Removes one pair of enclosing quotation marks.
std::string Unquote(const std::string& text);

// True when the file can be opened for reading.
bool FileExists(const std::string& path);

} // namespace couchdeck
