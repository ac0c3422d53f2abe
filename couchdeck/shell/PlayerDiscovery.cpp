#include "PlayerDiscovery.h"

#include "PathText.h"
#include "ProfileReg.h"

#include "tessel/System/UniqueHandle.h"
#include "tessel/System/WinRegistry.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdio>

namespace couchdeck {
namespace {

// A value of a key opened for reading only: the lookups need no more rights than that.
std::string ReadRegString(HKEY root, const std::string& subKey, const char* name)
{
    tessel::UniqueRegKey owner;
    if (!tessel::OpenRegKey(root, subKey.c_str(), KEY_READ, *owner.put()))
        return {};
    tessel::RegAccessor key;
    key.Attach(owner.get());
    std::string text;
    return key.ReadString(name, text) ? text : std::string();
}

std::string Existing(const std::string& path)
{
    return FileExists(path) ? path : std::string();
}

// A value that names the program's folder, then the program file in it.
std::string InFolderOf(HKEY root, const char* subKey, const char* name, const char* program)
{
    const std::string folder = ReadRegString(root, subKey, name);
    return folder.empty() ? std::string() : Existing(folder + program);
}

std::string ProgramOfCommand(const std::string& commandLine)
{
    return Existing(Unquote(ExtractProgram(commandLine)));
}

std::string RegisteredApplication(const char* exe)
{
    return ProgramOfCommand(ReadOpenCommand(exe));
}

std::string OpenCommandOfClass(const char* fileClass)
{
    const std::string key = std::string(fileClass) + "\\shell\\open\\command";
    return ProgramOfCommand(ReadRegString(HKEY_CLASSES_ROOT, key, nullptr));
}

std::string MediaPlayer()
{
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder)))
        return {};
    return Existing(std::string(folder) + "\\Windows Media Player\\wmplayer.exe");
}

std::string WinDvd()
{
    const std::string registered = RegisteredApplication("WinDVD.exe");
    return registered.empty() ? OpenCommandOfClass("WinDVD.playback") : registered;
}

struct PlayerRecipe {
    const char* profileName;
    std::string (*find)();
};

const PlayerRecipe kRecipes[] = {
    {"Media Player", &MediaPlayer},
    {"WinAmp",
     [] { return InFolderOf(HKEY_CURRENT_USER, "Software\\Winamp", nullptr, "\\winamp.exe"); }},
    {"PowerDVD",
     [] {
         return InFolderOf(HKEY_CURRENT_USER, "Software\\Cyberlink\\PowerDVD\\", "InstallDir",
                           "\\powerdvd.exe");
     }},
    {"PowerPoint", [] { return RegisteredApplication("POWERPNT.exe"); }},
    {"Real Player", [] { return RegisteredApplication("RealPlay.exe"); }},
    {"WinDVD", &WinDvd},
    {"iTunes", [] { return RegisteredApplication("iTunes.exe"); }},
    {"QuickTime",
     [] {
         return InFolderOf(HKEY_LOCAL_MACHINE, "Software\\Apple Computer, Inc.\\QuickTime\\",
                           "InstallDir", "\\QuickTimePlayer.exe");
     }},
    {"DivX Player", [] { return OpenCommandOfClass("divxFile"); }},
};

char FoldedAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

void FillPlayerPaths()
{
    ProfileReg& profiles = ProfileReg::Instance();
    for (int slot = 0; slot < profiles.Count(); ++slot) {
        const ProfileData profile = profiles.GetProfile(slot);
        if (!profile.appPath.empty())
            continue;
        const std::string path = FindPlayerPath(profile.name);
        if (!path.empty())
            profiles.SetAppPath(slot, path);
    }
}

std::string FindPlayerPath(const std::string& profileName)
{
    for (const PlayerRecipe& recipe : kRecipes) {
        if (profileName == recipe.profileName)
            return recipe.find();
    }
    return {};
}

std::string ReadOpenCommand(const std::string& exe)
{
    return ReadRegString(HKEY_CLASSES_ROOT, "Applications\\" + exe + "\\shell\\open\\command",
                         nullptr);
}

std::string ExtractProgram(const std::string& commandLine)
{
    if (commandLine.empty())
        return {};
    if (commandLine.front() == '"') {
        const auto closing = commandLine.find('"', 1);
        return closing == std::string::npos ? std::string() : commandLine.substr(0, closing + 1);
    }
    for (std::size_t p = 0; p + 3 <= commandLine.size(); ++p) {
        if (FoldedAscii(commandLine[p]) == 'e' && FoldedAscii(commandLine[p + 1]) == 'x' &&
            FoldedAscii(commandLine[p + 2]) == 'e')
            return commandLine.substr(0, p + 3);
    }
    return commandLine;
}

std::string Unquote(const std::string& text)
{
    return StripQuotes(text);
}

bool FileExists(const std::string& path)
{
    std::FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

} // namespace couchdeck
