#include "RecentFiles.h"

#include "PathText.h"

#include "tessel/System/Assert.h"

#include <cstdio>

namespace {

constexpr const char* kSection = "RecentFile";
constexpr const char* kVictim = "Victim";
constexpr const char* kMissing = "error737";

std::string SlotKey(const char* prefix, int index)
{
    char key[16] = {};
    std::snprintf(key, sizeof(key), "%s%02d", prefix, index);
    return key;
}

} // namespace

RecentFiles& RecentFiles::Instance()
{
    static RecentFiles instance(couchdeck::DirectoryOf(couchdeck::ModulePath()) + "RecentFile.ini");
    return instance;
}

RecentFiles::RecentFiles(const std::string& iniPath)
{
    Open(iniPath);
}

bool RecentFiles::GetEntry(int index, std::string& name, std::string& path)
{
    TESSEL_ASSERT(index >= 0 && index < Capacity());
    name = ReadString(kSection, SlotKey("Name", index).c_str(), kMissing);
    if (name != kMissing) {
        path = ReadString(kSection, SlotKey("Path", index).c_str(), kMissing);
        if (path != kMissing)
            return true;
    }
    name.clear();
    path.clear();
    return false;
}

bool RecentFiles::Contains(const std::string& name, const std::string& path)
{
    std::string storedName, storedPath;
    for (int index = 0; index < Capacity(); ++index) {
        if (GetEntry(index, storedName, storedPath) && storedName == name && storedPath == path)
            return true;
    }
    return false;
}

int RecentFiles::Victim() const
{
    // A slot number the ring cannot hold (a hand-edited file) starts the ring again.
    const int victim = ReadInt(kSection, kVictim, 0);
    return victim >= 0 && victim < Capacity() ? victim : 0;
}

bool RecentFiles::Add(const std::string& name, const std::string& path)
{
    int victim = Victim();
    if (Contains(name, path))
        return true;
    WriteString(kSection, SlotKey("Name", victim).c_str(), name.c_str());
    WriteString(kSection, SlotKey("Path", victim).c_str(), path.c_str());
    if (++victim == Capacity())
        victim = 0;
    WriteInt(kSection, kVictim, victim);
    Flush();
    return true;
}

void RecentFiles::Flush()
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, Path().c_str());
}
