#include "tessel/System/CmdLine.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

using CmdLine = tessel::CmdLine<char>;

TEST(CmdLineTest, SplitsAtSpacesOnly)
{
    const CmdLine line("  one\ttwo \"three four\" ");
    ASSERT_EQ(line.Count(), 4);
    EXPECT_EQ(line.Argument(0), "one\ttwo");
    EXPECT_EQ(line.Argument(1), "\"three");
    EXPECT_EQ(line.Argument(2), "four\"");
    EXPECT_EQ(line.Argument(3), "");   // trailing spaces give one empty argument
}

TEST(CmdLineTest, EmptyLineHasNoArguments)
{
    const CmdLine line("");
    EXPECT_EQ(line.Count(), 0);
    EXPECT_EQ(line.FindOption("r"), 0);
    EXPECT_EQ(CmdLine(nullptr).Count(), 0);
}

struct FirstRunCase {
    const char* commandLine;
    int expected;   // -1: not found (Count)
};

void PrintTo(const FirstRunCase& param, std::ostream* out)
{
    *out << '"' << param.commandLine << '"';
}

class FirstRunOption : public testing::TestWithParam<FirstRunCase> {};

TEST_P(FirstRunOption, FindsOnlyTheExactOption)
{
    const CmdLine line(GetParam().commandLine);
    const int expected = GetParam().expected < 0 ? line.Count() : GetParam().expected;
    EXPECT_EQ(line.FindOption("r"), expected) << '"' << GetParam().commandLine << '"';
}

INSTANTIATE_TEST_SUITE_P(CmdLineTest, FirstRunOption,
                         testing::Values(FirstRunCase{"/r", 0}, FirstRunCase{"-r", 0},
                                         FirstRunCase{"x -r", 1}, FirstRunCase{"  x   /r  ", 1},
                                         FirstRunCase{"/R", -1}, FirstRunCase{"/run", -1},
                                         FirstRunCase{"r", -1}, FirstRunCase{"--r", -1},
                                         FirstRunCase{"\"/r\"", -1}, FirstRunCase{"/", -1},
                                         FirstRunCase{"/r -r", 0}, FirstRunCase{"   ", -1}),
                         [](const testing::TestParamInfo<FirstRunCase>& info) {
                             // Readable test names: letters and digits of the command line.
                             std::string name = "Case" + std::to_string(info.index) + "_";
                             for (const char* c = info.param.commandLine; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(CmdLineTest, OtherSwitchCharactersAndWideText)
{
    const CmdLine line("+a /a", "+");
    EXPECT_EQ(line.FindOption("a"), 0);
    const tessel::CmdLine<wchar_t> wide(L"-d /a");
    EXPECT_EQ(wide.FindOption(L"a"), 1);
}

} // namespace
