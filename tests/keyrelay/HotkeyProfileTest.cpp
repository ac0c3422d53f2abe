#include "HotkeyProfile.h"

#include <gtest/gtest.h>

#include <string>

using namespace keyrelay;

TEST(HotkeyValueTest, RoundTripsModifiersAndKey)
{
    for (HotkeyValue value : {0x40Du, 0x146u, 0x2BBu, 0x226u, 0x20u, 0u, 0x700u | 0x58u}) {
        EXPECT_EQ(ToHotkeyValue(ToHotkeyRow(value)), value);
    }
    const HotkeyRow row = ToHotkeyRow(0x146);
    EXPECT_TRUE(row.ctrl);
    EXPECT_FALSE(row.alt);
    EXPECT_FALSE(row.shift);
    EXPECT_EQ(row.virtualKey, 'F');
}

TEST(HotkeyValueTest, HigherBitsAreDropped)
{
    EXPECT_EQ(ToHotkeyValue(ToHotkeyRow(0xFFFFF946u)), 0x146u);
}

TEST(FillDefaultProfileTest, FillsWholeOrHotkeysOnly)
{
    HotkeyProfile profile;
    profile.SetName("Mine");
    profile.SetPath("C:\\x.exe");
    profile.flags = 1;
    FillDefaultProfile(profile, 2, true);
    EXPECT_STREQ(profile.name, "Mine");
    EXPECT_STREQ(profile.path, "C:\\x.exe");
    EXPECT_EQ(profile.flags, 1);
    EXPECT_EQ(profile.keys[1], 0x2BBu);
    FillDefaultProfile(profile, 2, false);
    EXPECT_STREQ(profile.name, "PowerDVD");
    EXPECT_STREQ(profile.path, "");
    EXPECT_EQ(profile.flags, 0);
    FillDefaultProfile(profile, 13, false);
    EXPECT_STREQ(profile.name, "User Define 5");
    EXPECT_EQ(profile.keys[0], 0u);
}

TEST(FillDefaultProfileTest, SlotsOutsideTheTableAreIgnored)
{
    HotkeyProfile profile;
    profile.SetName("Kept");
    FillDefaultProfile(profile, 14, false);
    FillDefaultProfile(profile, -1, false);
    EXPECT_STREQ(profile.name, "Kept");
}

TEST(HotkeyProfileTest, NamesAndPathsAreCutToTheirFields)
{
    HotkeyProfile profile;
    profile.SetName(std::string(100, 'n').c_str());
    profile.SetPath(std::string(400, 'p').c_str());
    EXPECT_EQ(std::string(profile.name), std::string(63, 'n'));
    EXPECT_EQ(std::string(profile.path), std::string(259, 'p'));
}
