#include "KeyNames.h"

#include <gtest/gtest.h>

#include <set>

using keyrelay::KeyNames;

TEST(KeyNamesTest, HasTheEightyFiveEntriesInTheirOrder)
{
    const auto names = KeyNames();
    ASSERT_EQ(names.size(), 85u);
    EXPECT_EQ(names[0].text, "Unused");
    EXPECT_EQ(names[0].virtualKey, 0);
    EXPECT_EQ(names[1].text, "A");
    EXPECT_EQ(names[26].text, "Z");
    EXPECT_EQ(names[26].virtualKey, 90);
    EXPECT_EQ(names[27].text, "0");
    EXPECT_EQ(names[27].virtualKey, 48);
    EXPECT_EQ(names[37].text, "Backspace");
    EXPECT_EQ(names[41].text, "Space");
    EXPECT_EQ(names[42].text, ";");
    EXPECT_EQ(names[42].virtualKey, 186);
    EXPECT_EQ(names[48].text, "`");
    EXPECT_EQ(names[48].virtualKey, 192);
    EXPECT_EQ(names[49].text, "[");
    EXPECT_EQ(names[49].virtualKey, 219);
    EXPECT_EQ(names[52].text, "'");
    EXPECT_EQ(names[52].virtualKey, 222);
    EXPECT_EQ(names[53].text, "Insert");
    EXPECT_EQ(names[57].text, "Page Up");
    EXPECT_EQ(names[59].text, "Arrow Left");
    EXPECT_EQ(names[59].virtualKey, 37);
    EXPECT_EQ(names[63].text, "F1");
    EXPECT_EQ(names[74].text, "F12");
    EXPECT_EQ(names[74].virtualKey, 123);
    EXPECT_EQ(names[75].text, "Numpad 0");
    EXPECT_EQ(names[84].text, "Numpad 9");
    EXPECT_EQ(names[84].virtualKey, 105);
}

TEST(KeyNamesTest, EveryKeyAppearsOnce)
{
    std::set<int> keys;
    for (const auto& name : KeyNames())
        EXPECT_TRUE(keys.insert(name.virtualKey).second) << name.text;
}
