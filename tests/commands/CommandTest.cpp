#include "Command.h"
#include "NoticeBitmap.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandForCode, MapsTheTwelveKeyCodes)
{
    const Command expected[] = {Command::PowerOff,    Command::Hibernate,     Command::Standby,
                                Command::QuietToggle, Command::WirelessOnlyToggle,
                                Command::MenuToggle,  Command::NoOperation,   Command::MoveUp,
                                Command::FocusPrevious, Command::Select,      Command::FocusNext,
                                Command::MoveDown};
    for (unsigned code = 146; code <= 157; ++code) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(CommandForCode(code).has_value());
        EXPECT_EQ(*CommandForCode(code), expected[code - 146]);
    }
}

TEST(CommandForCode, IgnoresEveryOtherCode)
{
    for (unsigned code : {0u, 128u, 129u, 130u, 145u, 158u, 1286u, 0xFFFFFFFFu})
        EXPECT_FALSE(CommandForCode(code).has_value()) << code;
}

TEST(NoticeBitmapFile, NamesTheFifteenPictures)
{
    EXPECT_STREQ(NoticeBitmapFile(0), "power_off.bmp");
    EXPECT_STREQ(NoticeBitmapFile(6), "close_application.bmp");
    EXPECT_STREQ(NoticeBitmapFile(9), "poweroffconfirm.bmp");
    EXPECT_STREQ(NoticeBitmapFile(12), "launchFaild.bmp");
    EXPECT_STREQ(NoticeBitmapFile(16), "s3confirm.bmp");
    int named = 0;
    for (int i = 0; i < kNoticeBitmapCount; ++i)
        named += NoticeBitmapFile(i) != nullptr;
    EXPECT_EQ(named, 15);
}

TEST(NoticeBitmapFile, HasNoFileForUnassignedOrOutOfRangeIndices)
{
    for (int index : {7, 8, -1, 17, 1000})
        EXPECT_EQ(NoticeBitmapFile(index), nullptr) << index;
}

} // namespace
