#include "tessel/System/Assert.h"
#include "tessel/System/WinRegistry.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr const char* kTestKey = "Software\\Veltra\\TesselRegistryTest";

class WinRegistryTest : public testing::Test {
protected:
    void SetUp() override { kova::test::DeleteVeltraKey(); }
    void TearDown() override { kova::test::DeleteVeltraKey(); }

    // Writes a raw value below the test key, bypassing the accessor.
    static void PutRaw(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        tessel::UniqueRegKey owner(key);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }
};

TEST_F(WinRegistryTest, OpenMissingKeyWithoutCreateFailsAndStaysClosed)
{
    tessel::RegAccessor reg;
    EXPECT_FALSE(reg.Open(HKEY_CURRENT_USER, kTestKey, false));
    EXPECT_FALSE(reg.IsOpen());
    EXPECT_FALSE(tessel::RegKeyExists(HKEY_CURRENT_USER, kTestKey));
}

TEST_F(WinRegistryTest, OpenWithCreateMakesTheKey)
{
    {
        tessel::RegAccessor reg;
        ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
        EXPECT_TRUE(reg.IsOpen());
        EXPECT_NE(reg.Key(), nullptr);
    }
    EXPECT_TRUE(tessel::RegKeyExists(HKEY_CURRENT_USER, kTestKey));
}

TEST_F(WinRegistryTest, DwordAndStringRoundTrip)
{
    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
    EXPECT_TRUE(reg.WriteDword("Number", 0xFFFFFFFFu));
    EXPECT_TRUE(reg.WriteString("Text", "C:\\Program Files\\Player\\player.exe"));
    reg.Close();

    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, false));
    DWORD number = 0;
    std::string text;
    EXPECT_TRUE(reg.ReadDword("Number", number));
    EXPECT_EQ(number, 0xFFFFFFFFu);
    EXPECT_TRUE(reg.ReadString("Text", text));
    EXPECT_EQ(text, "C:\\Program Files\\Player\\player.exe");
}

TEST_F(WinRegistryTest, ReadDwordOfAStringIsFalse)
{
    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
    ASSERT_TRUE(reg.WriteString("Value", "12"));
    DWORD value = 7;
    EXPECT_FALSE(reg.ReadDword("Value", value));
}

TEST_F(WinRegistryTest, ReadStringOfADwordIsFalseAndLeavesTextUnchanged)
{
    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
    ASSERT_TRUE(reg.WriteDword("Value", 12));
    std::string text = "unchanged";
    EXPECT_FALSE(reg.ReadString("Value", text));
    EXPECT_EQ(text, "unchanged");
}

TEST_F(WinRegistryTest, MissingValuesReadFalse)
{
    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
    DWORD value = 0;
    std::string text = "unchanged";
    EXPECT_FALSE(reg.ReadDword("Nothing", value));
    EXPECT_FALSE(reg.ReadString("Nothing", text));
    EXPECT_EQ(text, "unchanged");
}

TEST_F(WinRegistryTest, ExpandableStringIsReturnedUnexpanded)
{
    const char data[] = "%SystemRoot%\\x";
    PutRaw("Path", REG_EXPAND_SZ, data, sizeof(data));
    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, false));
    std::string text;
    EXPECT_TRUE(reg.ReadString("Path", text));
    EXPECT_EQ(text, "%SystemRoot%\\x");
}

TEST_F(WinRegistryTest, StringsWithoutTerminatorAndLongStringsReadSafely)
{
    const char unterminated[3] = {'a', 'b', 'c'};
    PutRaw("Unterminated", REG_SZ, unterminated, sizeof(unterminated));
    const std::string longText(70000, 'x');
    PutRaw("Long", REG_SZ, longText.c_str(), static_cast<DWORD>(longText.size() + 1));

    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, false));
    std::string text;
    EXPECT_TRUE(reg.ReadString("Unterminated", text));
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(reg.ReadString("Long", text));
    EXPECT_EQ(text, longText);
}

TEST_F(WinRegistryTest, EmptyStringStoresOnlyTheTerminator)
{
    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
    ASSERT_TRUE(reg.WriteString("Empty", ""));
    DWORD type = 0;
    DWORD size = 99;
    ASSERT_TRUE(tessel::QueryValueTypeAndSize(reg.Key(), "Empty", type, size));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 1u);
}

TEST_F(WinRegistryTest, CloseIsHarmlessTwiceAndOnANeverOpenedAccessor)
{
    tessel::RegAccessor never;
    never.Close();
    never.Close();
    EXPECT_FALSE(never.IsOpen());

    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
    reg.Close();
    reg.Close();
    EXPECT_FALSE(reg.IsOpen());
}

TEST_F(WinRegistryTest, OpeningAnOpenAccessorIsAPreconditionFailure)
{
    tessel::RegAccessor reg;
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
    const HKEY before = reg.Key();
    try {
        reg.Open(HKEY_CURRENT_USER, "Software\\Veltra\\Other", true);
        FAIL() << "no assertion";
    } catch (const tessel::AssertionError& error) {
        EXPECT_EQ(error.Failure().expression, "!IsOpen()");
        EXPECT_EQ(error.Failure().unit, "WinRegistry");
        EXPECT_GT(error.Failure().line, 0);
    }
    EXPECT_EQ(reg.Key(), before);
    EXPECT_FALSE(tessel::RegKeyExists(HKEY_CURRENT_USER, "Software\\Veltra\\Other"));
}

TEST_F(WinRegistryTest, OperationsOnAClosedAccessorArePreconditionFailures)
{
    tessel::RegAccessor reg;
    DWORD value = 0;
    std::string text;
    EXPECT_THROW(reg.ReadDword("x", value), tessel::AssertionError);
    EXPECT_THROW(reg.WriteDword("x", 1), tessel::AssertionError);
    EXPECT_THROW(reg.ReadString("x", text), tessel::AssertionError);
    EXPECT_THROW(reg.WriteString("x", "y"), tessel::AssertionError);
}

TEST_F(WinRegistryTest, AttachedKeyIsNotClosedByTheAccessor)
{
    HKEY key = nullptr;
    ASSERT_TRUE(tessel::CreateRegKey(HKEY_CURRENT_USER, kTestKey, KEY_ALL_ACCESS, key));
    tessel::UniqueRegKey owner(key);
    {
        tessel::RegAccessor reg;
        ASSERT_TRUE(reg.Attach(key));
        EXPECT_TRUE(reg.WriteDword("Value", 5));
    }
    // Still usable: the accessor did not own it.
    EXPECT_EQ(RegSetValueExA(key, "After", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2),
              ERROR_SUCCESS);
}

TEST_F(WinRegistryTest, EnumerationListsSubkeysAndValues)
{
    tessel::RegAccessor parent;
    ASSERT_TRUE(parent.Open(HKEY_CURRENT_USER, kTestKey, true));
    HKEY child = nullptr;
    ASSERT_TRUE(tessel::CreateRegKey(parent.Key(), "Alpha", KEY_ALL_ACCESS, child));
    tessel::CloseRegKey(child);
    ASSERT_TRUE(tessel::CreateRegKey(parent.Key(), "LongerName", KEY_ALL_ACCESS, child));
    tessel::CloseRegKey(child);
    ASSERT_TRUE(parent.WriteDword("One", 1));
    ASSERT_TRUE(parent.WriteDword("Second", 2));
    parent.Close();

    // The name buffers are sized when the key is opened.
    ASSERT_TRUE(parent.Open(HKEY_CURRENT_USER, kTestKey, false));
    std::set<std::string> keys, values;
    auto subKeys = parent.SubKeys();
    for (subKeys.First(); !subKeys.IsDone(); subKeys.Next())
        keys.insert(subKeys.Name());
    auto valueNames = parent.Values();
    for (valueNames.First(); !valueNames.IsDone(); valueNames.Next())
        values.insert(valueNames.Name());
    EXPECT_EQ(keys, (std::set<std::string>{"Alpha", "LongerName"}));
    EXPECT_EQ(values, (std::set<std::string>{"One", "Second"}));

    DWORD count = 0, longest = 0, longestData = 0;
    tessel::QuerySubKeyInfo(parent.Key(), count, longest);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(longest, 11u);
    tessel::QueryValueInfo(parent.Key(), count, longest, longestData);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(longest, 7u);
    EXPECT_EQ(longestData, 4u);
}

TEST_F(WinRegistryTest, EnumeratingPastTheEndOrAClosedAccessorIsAPreconditionFailure)
{
    tessel::RegAccessor reg;
    auto closed = reg.SubKeys();
    try {
        closed.First();
        FAIL() << "no assertion";
    } catch (const tessel::AssertionError& error) {
        EXPECT_EQ(error.Failure().expression, "m_base != NULL");
    }

    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, kTestKey, true));
    auto empty = reg.SubKeys();
    empty.First();
    EXPECT_TRUE(empty.IsDone());
    try {
        empty.Next();
        FAIL() << "no assertion";
    } catch (const tessel::AssertionError& error) {
        EXPECT_EQ(error.Failure().expression, "!IsDone()");
    }
}

TEST_F(WinRegistryTest, FreeFunctionsReportFailuresAsFalse)
{
    HKEY key = nullptr;
    EXPECT_FALSE(tessel::OpenRegKey(HKEY_CURRENT_USER, kTestKey, KEY_READ, key));
    EXPECT_FALSE(tessel::DeleteRegKey(HKEY_CURRENT_USER, kTestKey));
    ASSERT_TRUE(tessel::CreateRegKey(HKEY_CURRENT_USER, kTestKey, KEY_ALL_ACCESS, key));
    tessel::UniqueRegKey owner(key);
    DWORD type = 0, size = 0;
    EXPECT_FALSE(tessel::QueryValueTypeAndSize(key, "Missing", type, size));
    EXPECT_FALSE(tessel::DeleteRegValue(key, "Missing"));
    EXPECT_TRUE(tessel::FlushRegKey(key));
    owner.reset();
    EXPECT_TRUE(tessel::DeleteRegKey(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(tessel::RegKeyExists(HKEY_CURRENT_USER, kTestKey));

    DWORD count = 5, longest = 5, longestData = 5;
    tessel::QueryValueInfo(reinterpret_cast<HKEY>(0x1234), count, longest, longestData);
    EXPECT_EQ(count + longest + longestData, 0u);
}

TEST_F(WinRegistryTest, ImportOfAMissingFileFails)
{
    EXPECT_FALSE(tessel::ImportRegFile("C:\\no\\such\\file.reg"));
}

} // namespace
