#include "PathText.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

// The case as it appears in the test's name.
void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << '\'' << c.input << '\'';
}

std::string Shown(const char* text)
{
    return std::string("[") + text + "]";
}

class DirectoryOfTest : public testing::TestWithParam<TextCase> {};

TEST_P(DirectoryOfTest, KeepsTheFolderPart)
{
    EXPECT_EQ(couchdeck::DirectoryOf(GetParam().input), GetParam().expected)
        << Shown(GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(Paths, DirectoryOfTest,
                         testing::Values(TextCase{"C:\\Program Files\\Kova\\Couchdeck.exe",
                                                  "C:\\Program Files\\Kova\\"},
                                         TextCase{"C:\\", "C:\\"},
                                         TextCase{"C:Couchdeck.exe", "C:"},
                                         TextCase{"C:a:b", "C:"},
                                         TextCase{"Couchdeck.exe", ""}, TextCase{"", ""}));

class FileExtensionTest : public testing::TestWithParam<TextCase> {};

TEST_P(FileExtensionTest, StartsAtTheLastDotOfTheName)
{
    EXPECT_EQ(couchdeck::FileExtension(GetParam().input), GetParam().expected)
        << Shown(GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileExtensionTest,
                         testing::Values(TextCase{"C:\\Music\\song.mp3", ".mp3"},
                                         TextCase{"C:\\Music\\song.live.MP3", ".MP3"},
                                         TextCase{"C:\\Music\\song.", "."},
                                         TextCase{"C:\\Music\\song", ""},
                                         TextCase{"C:\\My.Music\\song", ""},
                                         TextCase{"song.avi", ".avi"}, TextCase{"", ""}));

class StripQuotesTest : public testing::TestWithParam<TextCase> {};

TEST_P(StripQuotesTest, RemovesEnclosingQuotesOnly)
{
    EXPECT_EQ(couchdeck::StripQuotes(GetParam().input), GetParam().expected)
        << Shown(GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(Texts, StripQuotesTest,
                         testing::Values(TextCase{"\"C:\\a b\\c.exe\"", "C:\\a b\\c.exe"},
                                         TextCase{"\"", "\""}, TextCase{"\"\"", ""},
                                         TextCase{"\"open", "\"open"},
                                         TextCase{"open\"", "open\""},
                                         TextCase{"\"a\" \"b\"", "a\" \"b"}, TextCase{"", ""}));

class AddQuotesTest : public testing::TestWithParam<TextCase> {};

TEST_P(AddQuotesTest, QuotesTextsOfTwoOrMoreCharactersWithoutQuotesAtTheEnds)
{
    EXPECT_EQ(couchdeck::AddQuotes(GetParam().input), GetParam().expected)
        << Shown(GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(Texts, AddQuotesTest,
                         testing::Values(TextCase{"C:\\a b\\c.exe", "\"C:\\a b\\c.exe\""},
                                         TextCase{"ab", "\"ab\""}, TextCase{"a", "a"},
                                         TextCase{"", ""}, TextCase{"\"C:\\x", "\"C:\\x"},
                                         TextCase{"C:\\x\"", "C:\\x\""},
                                         TextCase{"\"C:\\x\"", "\"C:\\x\""}));

TEST(ModulePathTest, IsTheProgramFile)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_EQ(couchdeck::ModulePath(), path);
}

} // namespace
