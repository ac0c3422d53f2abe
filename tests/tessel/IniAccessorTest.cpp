#include "tessel/System/Assert.h"
#include "tessel/System/IniAccessor.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

class IniAccessorTest : public testing::Test {
protected:
    kova::test::ScopedTempDir m_dir;
    std::string Path() const { return m_dir.Path() + "test.ini"; }
};

TEST_F(IniAccessorTest, WritesAndReadsStringsAndNumbers)
{
    tessel::IniAccessor ini;
    ASSERT_TRUE(ini.Open(Path()));
    EXPECT_TRUE(ini.IsOpen());
    EXPECT_EQ(ini.BufferSize(), 128u);
    EXPECT_TRUE(ini.WriteString("Files", "0", "C:\\Media\\a.mp3"));
    EXPECT_TRUE(ini.WriteInt("Files", "Count", -12));
    EXPECT_EQ(ini.ReadString("Files", "0", "none"), "C:\\Media\\a.mp3");
    EXPECT_EQ(ini.ReadInt("Files", "Count", 0), -12);
    EXPECT_EQ(ini.ReadString("Files", "Missing", "none"), "none");
    EXPECT_EQ(ini.ReadInt("Files", "Missing", 42), 42);
    ini.Close();
    EXPECT_FALSE(ini.IsOpen());
    EXPECT_EQ(ini.BufferSize(), 0u);

    // Close flushed the system's cache: the file holds the data.
    EXPECT_NE(kova::test::ReadTextFile(Path()).find("Count=-12"), std::string::npos);
}

TEST_F(IniAccessorTest, LongValuesGrowTheBuffer)
{
    for (const size_t length : {126u, 127u, 128u, 300u, 5000u}) {
        const std::string value(length, 'v');
        tessel::IniAccessor ini;
        ASSERT_TRUE(ini.Open(Path()));
        ASSERT_TRUE(ini.WriteString("S", "Long", value.c_str()));
        EXPECT_EQ(ini.ReadString("S", "Long", ""), value) << length;
        EXPECT_GT(ini.BufferSize(), length + 1) << length;
    }
}

TEST_F(IniAccessorTest, NullKeyReadsTheFirstOfTheNames)
{
    tessel::IniAccessor ini;
    ASSERT_TRUE(ini.Open(Path()));
    std::string longName(200, 'k');
    ASSERT_TRUE(ini.WriteString("S", longName.c_str(), "1"));
    ASSERT_TRUE(ini.WriteString("S", "second", "2"));
    EXPECT_EQ(ini.ReadString("S", nullptr, ""), longName);
}

TEST_F(IniAccessorTest, MissingFileGivesDefaults)
{
    tessel::IniAccessor ini;
    ASSERT_TRUE(ini.Open(m_dir.Path() + "absent.ini"));
    EXPECT_EQ(ini.ReadString("S", "K", "Error 737"), "Error 737");
    EXPECT_EQ(ini.ReadInt("S", "K", 3), 3);
}

TEST_F(IniAccessorTest, OpenTwiceIsAPreconditionFailure)
{
    tessel::IniAccessor ini;
    ASSERT_TRUE(ini.Open(Path()));
    try {
        ini.Open(Path());
        FAIL() << "no assertion";
    } catch (const tessel::AssertionError& error) {
        EXPECT_EQ(error.Failure().expression, "!IsOpen()");
        EXPECT_EQ(error.Failure().unit, "IniAccessor");
    }
    EXPECT_TRUE(ini.IsOpen());
}

} // namespace
