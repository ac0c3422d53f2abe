#include "tessel/System/Assert.h"

#include <gtest/gtest.h>

namespace {

TEST(AssertTest, SourceUnitIsTheFileNameWithoutFolderAndExtension)
{
    EXPECT_EQ(tessel::SourceUnit("C:\\src\\tessel\\System\\WinRegistry.cpp"), "WinRegistry");
    EXPECT_EQ(tessel::SourceUnit("/src/tessel/IniAccessor.cpp"), "IniAccessor");
    EXPECT_EQ(tessel::SourceUnit("Plain"), "Plain");
    EXPECT_EQ(tessel::SourceUnit("a.b.h"), "a.b");
}

TEST(AssertTest, FailureCarriesExpressionUnitAndLine)
{
    const int count = 3;
    const int line = __LINE__ + 2;
    try {
        TESSEL_ASSERT(count < 2);
        FAIL() << "no assertion";
    } catch (const tessel::AssertionError& error) {
        EXPECT_EQ(error.Failure().expression, "count < 2");
        EXPECT_EQ(error.Failure().unit, "AssertTest");
        EXPECT_EQ(error.Failure().line, line);
        EXPECT_STREQ(error.what(),
                     ("\"count < 2\" in unit AssertTest, line " + std::to_string(line)).c_str());
    }
    EXPECT_NO_THROW(TESSEL_ASSERT(count == 3));
}

} // namespace
