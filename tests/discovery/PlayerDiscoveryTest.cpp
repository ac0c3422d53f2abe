// The player recipes on prepared registrations and program files, and the command-line helpers.

#include "PlayerDiscovery.h"
#include "ProfileReg.h"

#include "support/TestSupport.h"

#include "tessel/System/UniqueHandle.h"
#include "tessel/System/WinRegistry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <functional>

namespace {

using couchdeck::ExtractProgram;
using couchdeck::FindPlayerPath;
using couchdeck::Unquote;

struct TextCase {
    const char* input;
    const char* expected;
};

// The case as it appears in the test's name.
void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << '\'' << c.input << '\'';
}

class ExtractProgramTest : public testing::TestWithParam<TextCase> {};

TEST_P(ExtractProgramTest, CutsTheProgramFromTheCommandLine)
{
    EXPECT_EQ(ExtractProgram(GetParam().input), GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ExtractProgramTest,
    testing::Values(
        TextCase{"\"C:\\Program Files\\Real\\RealPlay.exe\" \"%1\"",
                 "\"C:\\Program Files\\Real\\RealPlay.exe\""},
        TextCase{"C:\\Prog\\DivX.EXE /open %1", "C:\\Prog\\DivX.EXE"},
        TextCase{"C:\\Executables\\Player.exe", "C:\\Exe"},
        TextCase{"C:\\Prog\\player.ExE", "C:\\Prog\\player.ExE"},
        TextCase{"C:\\Prog\\player %1", "C:\\Prog\\player %1"},
        TextCase{"\"C:\\Prog\\player.exe", ""}, TextCase{"\"", ""}, TextCase{"\"\"", "\"\""},
        TextCase{"", ""}));

class UnquoteTest : public testing::TestWithParam<TextCase> {};

TEST_P(UnquoteTest, RemovesOneEnclosingPair)
{
    EXPECT_EQ(Unquote(GetParam().input), GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(Texts, UnquoteTest,
                         testing::Values(TextCase{"\"C:\\a b.exe\"", "C:\\a b.exe"},
                                         TextCase{"\"\"", ""}, TextCase{"\"", "\""},
                                         TextCase{"\"C:\\a.exe", "\"C:\\a.exe"},
                                         TextCase{"C:\\a.exe", "C:\\a.exe"}));

TEST(PlayerFileExistsTest, OnlyReadableFilesExist)
{
    kova::test::ScopedTempDir dir;
    kova::test::WriteTextFile(dir.Path() + "player.exe", "MZ");
    EXPECT_TRUE(couchdeck::FileExists(dir.Path() + "player.exe"));
    EXPECT_FALSE(couchdeck::FileExists(dir.Path() + "missing.exe"));
    EXPECT_FALSE(couchdeck::FileExists(dir.Path()));
    EXPECT_FALSE(couchdeck::FileExists(""));
}

// Registrations made for a test below the keys the recipes read, removed again afterwards.
const struct {
    HKEY root;
    const char* key;
} kPreparedKeys[] = {
    {HKEY_CURRENT_USER, "Software\\Winamp"},
    {HKEY_CURRENT_USER, "Software\\Cyberlink"},
    {HKEY_CLASSES_ROOT, "Applications\\POWERPNT.exe"},
    {HKEY_CLASSES_ROOT, "Applications\\RealPlay.exe"},
    {HKEY_CLASSES_ROOT, "Applications\\WinDVD.exe"},
    {HKEY_CLASSES_ROOT, "Applications\\iTunes.exe"},
    {HKEY_CLASSES_ROOT, "WinDVD.playback"},
    {HKEY_CLASSES_ROOT, "divxFile"},
    {HKEY_LOCAL_MACHINE, "Software\\Apple Computer, Inc."},
};

class PlayerDiscoveryTest : public testing::Test {
public:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }

    static void Clean()
    {
        kova::test::DeleteVeltraKey();
        for (const auto& prepared : kPreparedKeys)
            RegDeleteTreeA(prepared.root, prepared.key);
    }

    static void Put(HKEY root, const std::string& key, const char* name, const std::string& text)
    {
        tessel::RegAccessor reg;
        ASSERT_TRUE(reg.Open(root, key.c_str(), true)) << key;
        ASSERT_TRUE(reg.WriteString(name, text));
    }

    static void PutOpenCommand(const std::string& key, const std::string& command)
    {
        Put(HKEY_CLASSES_ROOT, key + "\\shell\\open\\command", nullptr, command);
    }

    // A program file in the test's folder; returns its full path.
    std::string Program(const std::string& relative) const
    {
        const std::string path = m_dir.Path() + relative;
        const auto slash = path.find_last_of('\\');
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
        kova::test::WriteTextFile(path, "MZ");
        return path;
    }

    std::string Folder() const { return m_dir.Path().substr(0, m_dir.Path().size() - 1); }

private:
    kova::test::ScopedTempDir m_dir;
};

struct RecipeCase {
    const char* name;
    const char* profile;
    // Prepares the registration and returns the path the recipe must find.
    std::function<std::string(PlayerDiscoveryTest&)> prepare;
};

// The case as it appears in the test's name.
void PrintTo(const RecipeCase& c, std::ostream* out)
{
    *out << c.name;
}

class PlayerRecipeTest : public PlayerDiscoveryTest,
                         public testing::WithParamInterface<RecipeCase> {};

TEST_P(PlayerRecipeTest, FindsTheRegisteredProgram)
{
    const std::string expected = GetParam().prepare(*this);
    EXPECT_EQ(FindPlayerPath(GetParam().profile), expected);
}

TEST_P(PlayerRecipeTest, FindsNothingWithoutTheRegistration)
{
    EXPECT_EQ(FindPlayerPath(GetParam().profile), "");
}

TEST_P(PlayerRecipeTest, FindsNothingWhenTheProgramFileIsGone)
{
    const std::string path = GetParam().prepare(*this);
    ASSERT_TRUE(DeleteFileA(path.c_str())) << path;
    EXPECT_EQ(FindPlayerPath(GetParam().profile), "");
}

INSTANTIATE_TEST_SUITE_P(
    Players, PlayerRecipeTest,
    testing::Values(
        RecipeCase{"WinAmp", "WinAmp",
                   [](PlayerDiscoveryTest& test) {
                       test.Put(HKEY_CURRENT_USER, "Software\\Winamp", nullptr,
                                test.Folder() + "\\Winamp");
                       return test.Program("Winamp\\winamp.exe");
                   }},
        RecipeCase{"PowerDVD", "PowerDVD",
                   [](PlayerDiscoveryTest& test) {
                       test.Put(HKEY_CURRENT_USER, "Software\\Cyberlink\\PowerDVD", "InstallDir",
                                test.Folder() + "\\PowerDVD");
                       return test.Program("PowerDVD\\powerdvd.exe");
                   }},
        RecipeCase{"PowerPoint", "PowerPoint",
                   [](PlayerDiscoveryTest& test) {
                       const std::string path = test.Program("Office\\POWERPNT.EXE");
                       test.PutOpenCommand("Applications\\POWERPNT.exe",
                                           "\"" + path + "\" /s \"%1\"");
                       return path;
                   }},
        RecipeCase{"RealPlayer", "Real Player",
                   [](PlayerDiscoveryTest& test) {
                       const std::string path = test.Program("Real\\realplay.exe");
                       test.PutOpenCommand("Applications\\RealPlay.exe", path + " /play %1");
                       return path;
                   }},
        RecipeCase{"WinDVD", "WinDVD",
                   [](PlayerDiscoveryTest& test) {
                       const std::string path = test.Program("WinDVD\\WinDVD.exe");
                       test.PutOpenCommand("Applications\\WinDVD.exe", "\"" + path + "\" %1");
                       return path;
                   }},
        RecipeCase{"WinDVDByItsFileClass", "WinDVD",
                   [](PlayerDiscoveryTest& test) {
                       // The application registration names a program that is not there.
                       test.PutOpenCommand("Applications\\WinDVD.exe",
                                           "\"" + test.Folder() + "\\Gone\\WinDVD.exe\" %1");
                       const std::string path = test.Program("InterVideo\\WinDVD.exe");
                       test.PutOpenCommand("WinDVD.playback", "\"" + path + "\" \"%1\"");
                       return path;
                   }},
        RecipeCase{"iTunes", "iTunes",
                   [](PlayerDiscoveryTest& test) {
                       const std::string path = test.Program("iTunes\\iTunes.exe");
                       test.PutOpenCommand("Applications\\iTunes.exe", "\"" + path + "\"");
                       return path;
                   }},
        RecipeCase{"QuickTime", "QuickTime",
                   [](PlayerDiscoveryTest& test) {
                       test.Put(HKEY_LOCAL_MACHINE, "Software\\Apple Computer, Inc.\\QuickTime",
                                "InstallDir", test.Folder() + "\\QuickTime");
                       return test.Program("QuickTime\\QuickTimePlayer.exe");
                   }},
        RecipeCase{"DivXPlayer", "DivX Player",
                   [](PlayerDiscoveryTest& test) {
                       const std::string path = test.Program("DivX\\DivX Player.exe");
                       test.PutOpenCommand("divxFile", "\"" + path + "\" -f \"%1\"");
                       return path;
                   }}));

TEST_F(PlayerDiscoveryTest, MediaPlayerIsTheSystemsOwnInProgramFiles)
{
    char folder[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder),
              S_OK);
    const std::string path = std::string(folder) + "\\Windows Media Player\\wmplayer.exe";
    EXPECT_EQ(FindPlayerPath("Media Player"), couchdeck::FileExists(path) ? path : "");
}

TEST_F(PlayerDiscoveryTest, ReadOpenCommandReadsTheApplicationsRegistration)
{
    PutOpenCommand("Applications\\iTunes.exe", "\"C:\\iTunes\\iTunes.exe\" /play");
    EXPECT_EQ(couchdeck::ReadOpenCommand("iTunes.exe"), "\"C:\\iTunes\\iTunes.exe\" /play");
    EXPECT_EQ(couchdeck::ReadOpenCommand("RealPlay.exe"), "");
}

TEST_F(PlayerDiscoveryTest, AnUnterminatedQuoteFindsNothing)
{
    const std::string path = Program("iTunes\\iTunes.exe");
    PutOpenCommand("Applications\\iTunes.exe", "\"" + path);
    EXPECT_EQ(FindPlayerPath("iTunes"), "");
}

TEST_F(PlayerDiscoveryTest, NamesMustMatchExactly)
{
    Put(HKEY_CURRENT_USER, "Software\\Winamp", nullptr, Folder() + "\\Winamp");
    Program("Winamp\\winamp.exe");
    EXPECT_EQ(FindPlayerPath("winamp"), "");
    EXPECT_EQ(FindPlayerPath("WinAmp "), "");
    EXPECT_EQ(FindPlayerPath("User Define 1"), "");
    EXPECT_EQ(FindPlayerPath(""), "");
}

class FillPlayerPathsTest : public PlayerDiscoveryTest {
protected:
    static std::string Slot(int index)
    {
        char key[16] = {};
        std::snprintf(key, sizeof(key), "\\%02d", index);
        return ProfileReg::ProfilesPath() + key;
    }

    static void PutProfile(int index, const std::string& name, const std::string& path)
    {
        Put(HKEY_CURRENT_USER, Slot(index), "Name", name);
        Put(HKEY_CURRENT_USER, Slot(index), "Apppath", path);
    }
};

TEST_F(FillPlayerPathsTest, FillsOnlyTheEmptyPathsOfKnownNames)
{
    Put(HKEY_CURRENT_USER, "Software\\Winamp", nullptr, Folder() + "\\Winamp");
    const std::string winamp = Program("Winamp\\winamp.exe");
    const std::string divx = Program("DivX\\DivX.exe");
    PutOpenCommand("divxFile", divx + " %1");

    PutProfile(0, "Media Player", "C:\\Elsewhere\\wmplayer.exe");
    PutProfile(1, "media player", "");
    PutProfile(2, "PowerDVD", "");
    PutProfile(6, "DivX Player", "");
    PutProfile(7, "WinAmp", "");
    PutProfile(8, "WinAmp", "C:\\Mine\\winamp.exe");
    PutProfile(9, "WinAmp", "");
    PutProfile(10, "User Define 2", "");

    couchdeck::FillPlayerPaths();

    ProfileReg& profiles = ProfileReg::Instance();
    EXPECT_EQ(profiles.GetProfile(0).appPath, "C:\\Elsewhere\\wmplayer.exe");
    EXPECT_EQ(profiles.GetProfile(1).appPath, "");
    EXPECT_EQ(profiles.GetProfile(2).appPath, "");
    EXPECT_EQ(profiles.GetProfile(6).appPath, divx);
    EXPECT_EQ(profiles.GetProfile(7).appPath, winamp);
    EXPECT_EQ(profiles.GetProfile(8).appPath, "C:\\Mine\\winamp.exe");
    EXPECT_EQ(profiles.GetProfile(9).appPath, winamp);
    EXPECT_EQ(profiles.GetProfile(10).appPath, "");
}

TEST_F(FillPlayerPathsTest, WithoutProfilesNothingIsWritten)
{
    Put(HKEY_CURRENT_USER, "Software\\Winamp", nullptr, Folder() + "\\Winamp");
    Program("Winamp\\winamp.exe");
    couchdeck::FillPlayerPaths();
    EXPECT_FALSE(tessel::RegKeyExists(HKEY_CURRENT_USER, "Software\\Veltra"));
}

} // namespace
