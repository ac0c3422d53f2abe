#include "RecentFiles.h"

#include "PathText.h"

#include "support/TestSupport.h"

#include "tessel/System/Assert.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::string Numbered(const char* prefix, int n)
{
    char text[32] = {};
    std::snprintf(text, sizeof(text), "%s%02d", prefix, n);
    return text;
}

class RecentFilesTest : public testing::Test {
protected:
    std::string IniPath() const { return m_dir.Path() + "RecentFile.ini"; }

    std::string Raw(const std::string& key) const
    {
        char text[512] = {};
        GetPrivateProfileStringA("RecentFile", key.c_str(), "<missing>", text, sizeof(text),
                                 IniPath().c_str());
        return text;
    }

    kova::test::ScopedTempDir m_dir;
    RecentFiles m_recent{IniPath()};
};

TEST_F(RecentFilesTest, TheProgramsStoreLiesBesideTheProgram)
{
    EXPECT_EQ(RecentFiles::Instance().Path(),
              couchdeck::DirectoryOf(couchdeck::ModulePath()) + "RecentFile.ini");
    EXPECT_EQ(&RecentFiles::Instance(), &RecentFiles::Instance());
    EXPECT_EQ(m_recent.Capacity(), 10);
}

TEST_F(RecentFilesTest, AnEmptyStoreHasNoEntries)
{
    std::string name = "stale", path = "stale";
    for (int i = 0; i < m_recent.Capacity(); ++i) {
        EXPECT_FALSE(m_recent.GetEntry(i, name, path));
        EXPECT_EQ(name, "");
        EXPECT_EQ(path, "");
    }
    EXPECT_FALSE(m_recent.Contains("", ""));
}

TEST_F(RecentFilesTest, ElevenAdditionsFillTheRingAndOverwriteTheOldest)
{
    for (int n = 0; n < 11; ++n)
        EXPECT_TRUE(m_recent.Add(Numbered("Song ", n), Numbered("C:\\Music\\song", n) + ".mp3"));

    std::string name, path;
    ASSERT_TRUE(m_recent.GetEntry(0, name, path));
    EXPECT_EQ(name, "Song 10");
    EXPECT_EQ(path, "C:\\Music\\song10.mp3");
    for (int i = 1; i < 10; ++i) {
        ASSERT_TRUE(m_recent.GetEntry(i, name, path));
        EXPECT_EQ(name, Numbered("Song ", i));
    }
    EXPECT_EQ(Raw("Victim"), "1");
    EXPECT_FALSE(m_recent.Contains("Song 00", "C:\\Music\\song00.mp3"));
    EXPECT_TRUE(m_recent.Contains("Song 10", "C:\\Music\\song10.mp3"));
}

TEST_F(RecentFilesTest, AddingAnEntryAgainLeavesTheFileUnchanged)
{
    m_recent.Add("Holiday", "C:\\Videos\\holiday.avi");
    m_recent.Add("Concert", "C:\\Videos\\concert.avi");
    const std::string before = kova::test::ReadTextFile(IniPath());
    EXPECT_TRUE(m_recent.Add("Holiday", "C:\\Videos\\holiday.avi"));
    EXPECT_EQ(kova::test::ReadTextFile(IniPath()), before);
}

TEST_F(RecentFilesTest, EntriesDifferingOnlyInCaseOrPathAreDistinct)
{
    m_recent.Add("Holiday", "C:\\Videos\\holiday.avi");
    m_recent.Add("holiday", "C:\\Videos\\holiday.avi");
    m_recent.Add("Holiday", "C:\\Videos\\Holiday.avi");
    EXPECT_EQ(Raw("Victim"), "3");
}

TEST_F(RecentFilesTest, ASlotWithoutItsPathIsNoEntry)
{
    WritePrivateProfileStringA("RecentFile", "Name03", "Orphan", IniPath().c_str());
    WritePrivateProfileStringA("RecentFile", "Path04", "C:\\nameless.avi", IniPath().c_str());
    std::string name = "stale", path = "stale";
    EXPECT_FALSE(m_recent.GetEntry(3, name, path));
    EXPECT_EQ(name, "");
    EXPECT_EQ(path, "");
    EXPECT_FALSE(m_recent.GetEntry(4, name, path));
    EXPECT_EQ(name, "");
    EXPECT_EQ(path, "");
}

class RecentFilesVictimTest : public RecentFilesTest,
                              public testing::WithParamInterface<const char*> {};

TEST_P(RecentFilesVictimTest, AVictimOutsideTheRingStartsItAgain)
{
    WritePrivateProfileStringA("RecentFile", "Victim", GetParam(), IniPath().c_str());
    m_recent.Add("Holiday", "C:\\Videos\\holiday.avi");
    EXPECT_EQ(Raw("Name00"), "Holiday");
    EXPECT_EQ(Raw("Victim"), "1");
}

INSTANTIATE_TEST_SUITE_P(Values, RecentFilesVictimTest,
                         testing::Values("10", "37", "-2", "nonsense"));

TEST_F(RecentFilesTest, AVictimInTheRingIsWhereTheNextEntryGoes)
{
    WritePrivateProfileStringA("RecentFile", "Victim", "9", IniPath().c_str());
    m_recent.Add("Holiday", "C:\\Videos\\holiday.avi");
    EXPECT_EQ(Raw("Name09"), "Holiday");
    EXPECT_EQ(Raw("Path09"), "C:\\Videos\\holiday.avi");
    EXPECT_EQ(Raw("Victim"), "0");
}

TEST_F(RecentFilesTest, AnIndexOutsideTheRingIsAProgrammingError)
{
    std::string name, path;
    EXPECT_THROW(m_recent.GetEntry(10, name, path), tessel::AssertionError);
    EXPECT_THROW(m_recent.GetEntry(-1, name, path), tessel::AssertionError);
}

} // namespace
