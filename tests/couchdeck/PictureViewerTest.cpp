// The help window's picture viewer: JPEG pictures scaled down to fit and centred, and a plain
// message for files it cannot show.

#include "PictureViewer.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kova::test;

namespace {

struct FitCase {
    int pictureWidth, pictureHeight, areaWidth, areaHeight;
    RECT expected;
};

void PrintTo(const FitCase& c, std::ostream* out)
{
    *out << c.pictureWidth << "x" << c.pictureHeight << " in " << c.areaWidth << "x" << c.areaHeight;
}

class PictureViewerFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureViewerFit, KeepsTheShapeNeverEnlargesAndCentres)
{
    const FitCase& c = GetParam();
    const RECT place = TPictureViewer::FitRect(c.pictureWidth, c.pictureHeight, c.areaWidth,
                                               c.areaHeight);
    EXPECT_EQ(c.expected.left, place.left);
    EXPECT_EQ(c.expected.top, place.top);
    EXPECT_EQ(c.expected.right, place.right);
    EXPECT_EQ(c.expected.bottom, place.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PictureViewerFit,
    ::testing::Values(FitCase{200, 100, 449, 393, {124, 146, 324, 246}},     // small: as it is
                      FitCase{898, 393, 449, 393, {0, 98, 449, 294}},        // too wide
                      FitCase{449, 786, 449, 393, {112, 0, 336, 393}},       // too tall
                      FitCase{40000, 30000, 400, 300, {0, 0, 400, 300}}));   // no overflow

TEST(PictureViewer, LoadsTheHelpPicturesAndNothingElse)
{
    TPictureViewer viewer(nullptr);
    viewer.Navigate(BinDirectory() + "LangFiles\\English\\Kova Remote HID.jpg");
    EXPECT_TRUE(viewer.HasPicture());
    ScopedTempDir folder;
    WriteTextFile(folder.Path() + "broken.jpg", "not a picture");
    for (const std::string& path : {folder.Path() + "broken.jpg", folder.Path() + "missing.jpg",
                                    std::string()}) {
        viewer.Navigate(path);
        EXPECT_FALSE(viewer.HasPicture()) << path;
        EXPECT_EQ(path, viewer.Path());
    }
}

} // namespace
