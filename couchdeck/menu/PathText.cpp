#include "PathText.h"

#include "tessel/System/ProgramDirectory.h"

namespace couchdeck {

std::string ModulePath()
{
    return tessel::ModulePath();
}

std::string DirectoryOf(const std::string& path)
{
    const std::string directory = tessel::DirectoryOf(path);
    if (!directory.empty())
        return directory;
    const auto colon = path.find(':');
    return colon == std::string::npos ? std::string() : path.substr(0, colon + 1);
}

std::string FileExtension(const std::string& path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('\\');
    if (dot == std::string::npos || (slash != std::string::npos && slash > dot))
        return {};
    return path.substr(dot);
}

std::string StripQuotes(const std::string& text)
{
    if (text.size() > 1 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

std::string AddQuotes(const std::string& text)
{
    if (text.size() > 1 && text.front() != '"' && text.back() != '"')
        return '"' + text + '"';
    return text;
}

} // namespace couchdeck
