// System image-list indices of shell items.
#include "tessel/Graphics/ShellIcon.h"

#include <gtest/gtest.h>

TEST(ShellIcon, FoldersAndItemsHaveIndicesAndNoItemHasNone)
{
    tessel::ShellIcon icons;
    EXPECT_GE(icons.GetFolderIconIndex(), 0);
    LPITEMIDLIST windows = nullptr;
    ASSERT_EQ(::SHGetSpecialFolderLocation(nullptr, CSIDL_WINDOWS, &windows), S_OK);
    EXPECT_GE(icons.GetIconIndex(windows, false), 0);
    EXPECT_GE(icons.GetIconIndex(windows, true), 0);
    ::CoTaskMemFree(windows);
    EXPECT_EQ(icons.GetIconIndex(nullptr, false), -1);
}
