#pragma once
// One line appended to a log file that several processes may write at once.

#include "UniqueHandle.h"

#include <windows.h>

#include <string>

namespace tessel {

// Appends the line and CR LF, creating the file when missing; false when it cannot be opened or
// the whole line cannot be written.
inline bool AppendLogLine(const std::string& path, const std::string& line)
{
    const UniqueFileHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    return WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written,
                     nullptr) &&
           written == text.size();
}

} // namespace tessel
