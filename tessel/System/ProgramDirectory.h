#pragma once

#include <windows.h>

#include <string>

namespace tessel {

// Full path of a module (null: the program) of any length.
std::string ModulePath(HMODULE module = nullptr);

// The directory part of the program file's path, up to and including the last backslash.
std::string ProgramDirectory();

// The directory part of a path, up to and including its last backslash ("" when there is none).
std::string DirectoryOf(const std::string& path);

} // namespace tessel
