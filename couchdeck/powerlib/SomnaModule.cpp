#include "SomnaModule.h"

std::string SomnaLibraryPath(const std::string& programDirectory)
{
    return programDirectory + "Somna.dll";
}

bool SomnaLibraryPresent(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool SomnaAnswersOne(SomnaOutProc proc)
{
    // What the library leaves in the value after a failed call is not an answer.
    DWORD value = 0;
    return SomnaSucceeded(proc(&value)) && value == 1;
}

bool SomnaModule::Load(const std::string& path)
{
    m_module.reset(LoadLibraryA(path.c_str()));
    return m_module.valid();
}
