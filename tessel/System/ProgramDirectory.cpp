#include "ProgramDirectory.h"

#include <vector>

namespace tessel {

std::string ModulePath(HMODULE module)
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ProgramDirectory()
{
    return DirectoryOf(ModulePath());
}

} // namespace tessel
