// Labels, buttons, check boxes and memos keep their state with and without a window.
#include "VclTestSupport.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(StdControls, ButtonsAndCheckBoxesClickAndKeepTheirState)
{
    auto* form = new TForm(Application);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("OK");
    auto* check = new TCheckBox(form);
    check->SetParent(form);
    check->SetChecked(true);  // before the window exists
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    HWND window = form->Handle();
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(::SendMessageA(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button->Handle()));
    EXPECT_EQ(clicks, 1);
    char text[16] = {};
    ::GetWindowTextA(button->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "OK");
    check->SetChecked(false);
    EXPECT_FALSE(check->Checked());
    Free(form);
}

TEST(StdControls, MemoLinesLoadFromAFileAndAMissingFileRaises)
{
    kova::test::ScopedTempDir dir;
    kova::test::WriteTextFile(dir.Path() + "hibernate.txt",
                              "first line\r\n\r\nthird line\r\n\r\n");
    auto* form = new TForm(Application);
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->Lines()->Add("Memo");
    memo->Lines()->LoadFromFile(dir.Path() + "hibernate.txt");
    // Empty lines stay, the last one too.
    ASSERT_EQ(memo->Lines()->Count(), 4);
    EXPECT_EQ(memo->Lines()->Get(1), "");
    EXPECT_EQ(memo->Lines()->Get(2), "third line");
    EXPECT_EQ(memo->Lines()->Get(3), "");
    form->HandleNeeded();
    EXPECT_EQ(memo->Text(), "first line\r\n\r\nthird line\r\n\r\n");
    EXPECT_THROW(memo->Lines()->LoadFromFile(dir.Path() + "absent.txt"), EFOpenError);
    EXPECT_EQ(memo->Lines()->Count(), 4);
    Free(form);
}

TEST(StdControls, AnAutoSizedLabelFitsItsText)
{
    auto* form = new TForm(Application);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Short");
    const int shortWidth = label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_GT(label->Width(), shortWidth);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(0, 0, 40, 10);
    label->SetCaption("Words that wrap");
    EXPECT_EQ(label->Width(), 40);
    Free(form);
}
