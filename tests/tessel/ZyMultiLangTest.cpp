#include "tessel/System/ZyMultiLang.h"
#include "tessel/System/ProgramDirectory.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using kova::test::WriteTextFile;

constexpr LANGID kJapanese = 0x0411;
constexpr LANGID kGermanSwiss = 0x0807;
constexpr LANGID kFrench = 0x040C;

// A program directory with a small LangFiles tree: English, Japanese (by primary id only) and
// German (by full id), each with a few texts and files.
class ZyMultiLangTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string lang = m_dir.Path() + "LangFiles\\";
        for (const char* folder : {"", "English", "Japanese", "German"})
            CreateDirectoryA((lang + folder).c_str(), nullptr);
        WriteTextFile(lang + "ZyMultiLang.ini",
                      "[Languages]\r\n11=Japanese\r\n0807=German\r\n");
        WriteTextFile(lang + "English\\English.ini",
                      "[Translations]\r\nOk=OK\r\nNever_Show=Never show again\r\nLong=" +
                          std::string(300, 'e') + "\r\n");
        WriteTextFile(lang + "Japanese\\Japanese.ini", "[Translations]\r\nOk=Hai\r\n");
        WriteTextFile(lang + "German\\German.ini", "[Translations]\r\nOk=Gut\r\n");
        WriteTextFile(lang + "English\\hibernate.txt", "english");
        WriteTextFile(lang + "Japanese\\hibernate.txt", "japanese");
    }

    tessel::ZyMultiLang For(LANGID id) const { return tessel::ZyMultiLang(m_dir.Path(), id); }

    kova::test::ScopedTempDir m_dir;
};

TEST_F(ZyMultiLangTest, LanguageByFullIdThenPrimaryIdThenEnglish)
{
    EXPECT_EQ(For(kGermanSwiss).Language(), "German");
    EXPECT_EQ(For(kJapanese).Language(), "Japanese");
    EXPECT_EQ(For(0x0407).Language(), "English");   // German (Germany): neither key is listed
    EXPECT_EQ(For(kFrench).Language(), "English");
}

TEST_F(ZyMultiLangTest, PathsFollowTheLanguage)
{
    const auto lang = For(kJapanese);
    const std::string root = m_dir.Path() + "LangFiles\\";
    EXPECT_EQ(lang.LanguageDir(), root + "Japanese\\");
    EXPECT_EQ(lang.EnglishDir(), root + "English\\");
    EXPECT_EQ(lang.LanguageFile(), root + "Japanese\\Japanese.ini");
}

TEST_F(ZyMultiLangTest, TextFallsBackToEnglishThenToTheMarker)
{
    const auto japanese = For(kJapanese);
    EXPECT_EQ(japanese.Text("Ok"), "Hai");
    EXPECT_EQ(japanese.Text("Never_Show"), "Never show again");
    EXPECT_EQ(japanese.Text("Nowhere"), "Error 737");
    EXPECT_EQ(japanese.Text("Long"), std::string(300, 'e'));
    EXPECT_EQ(For(kFrench).Text("Ok"), "OK");
}

TEST_F(ZyMultiLangTest, LocalizedPathPrefersTheLanguageFolder)
{
    const auto japanese = For(kJapanese);
    const std::string root = m_dir.Path() + "LangFiles\\";
    EXPECT_EQ(japanese.LocalizedPath("hibernate.txt"), root + "Japanese\\hibernate.txt");
    EXPECT_EQ(For(kGermanSwiss).LocalizedPath("hibernate.txt"), root + "English\\hibernate.txt");
    EXPECT_EQ(japanese.LocalizedPath("missing.jpg"), root + "English\\missing.jpg");
}

TEST(ZyMultiLangWithoutFiles, GivesEnglishAndTheMarker)
{
    kova::test::ScopedTempDir empty;
    const tessel::ZyMultiLang lang(empty.Path(), kJapanese);
    EXPECT_EQ(lang.Language(), "English");
    EXPECT_EQ(lang.Text("Ok"), "Error 737");
    EXPECT_EQ(lang.LocalizedPath("x.jpg"), empty.Path() + "LangFiles\\English\\x.jpg");
}

TEST(ZyMultiLangInstance, UsesTheProgramDirectory)
{
    EXPECT_EQ(tessel::ZyMultiLang::Instance().EnglishDir(),
              tessel::ProgramDirectory() + "LangFiles\\English\\");
}

} // namespace
