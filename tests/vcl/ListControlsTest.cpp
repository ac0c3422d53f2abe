// The owner-drawn list box and the report list view as the menu drives them: drawing
// callbacks, keys, sorting, moving through rows, change events, rectangles and image lists.
#include "VclTestSupport.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>
#include <vector>

using namespace vcl;

namespace {

class ListFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override { Free(form); }

    TListView* MakeListView(const std::vector<std::string>& captions)
    {
        auto* view = new TListView(form);
        view->SetParent(form);
        view->SetBounds(10, 10, 300, 120);
        view->SetViewStyle(vsReport);
        view->SetShowColumnHeaders(false);
        view->SetReadOnly(true);
        view->SetRowSelect(true);
        view->SetHideSelection(false);
        view->Columns()->Add()->SetWidth(280);
        for (const std::string& caption : captions)
            view->Items()->Add()->SetCaption(caption);
        return view;
    }

    static std::vector<std::string> Captions(TListView* view)
    {
        std::vector<std::string> captions;
        for (int i = 0; i < view->Items()->Count(); ++i) {
            char text[64] = {};
            LVITEMA item{};
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ::SendMessageA(view->Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            EXPECT_EQ(view->Items()->Item(i)->Caption(), text);  // the window agrees with Items
            captions.push_back(text);
        }
        return captions;
    }

    TForm* form = nullptr;
};

} // namespace

TEST_F(ListFormTest, OwnerDrawnListBoxDrawsEveryRowThroughOnDrawItem)
{
    auto* list = new TListBox(form);
    list->SetParent(form);
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(28);
    list->SetBounds(10, 10, 200, 120);
    list->SetColor(static_cast<TColor>(9066023));
    for (const char* name : {"Player", "Viewer", "Browser"})
        list->Items()->Add(name);
    list->SetItemIndex(1);
    std::vector<int> rows;
    std::vector<bool> selected;
    list->OnDrawItem = [&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
        EXPECT_EQ(control, list);
        EXPECT_EQ(rect.Height(), 28);
        rows.push_back(index);
        selected.push_back(state.Contains(odSelected));
        list->Canvas()->Brush()->SetColor(state.Contains(odSelected) ? static_cast<TColor>(32511) : list->Color());
        list->Canvas()->FillRect(rect);
        RECT r = rect;
        ::DrawTextA(list->Canvas()->Handle(), list->Items()->Get(index).c_str(), -1, &r, 0x25);
    };
    form->Show();
    list->Update();
    ASSERT_GE(rows.size(), 3u);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(selected[i], rows[i] == 1) << "row " << rows[i];
}

TEST_F(ListFormTest, ListBoxKeysMoveTheSelectionAndDoubleClicksReachOnDblClick)
{
    auto* list = new TListBox(form);
    list->SetParent(form);
    list->Items()->BeginUpdate();
    for (const char* name : {"a", "b", "c"})
        list->Items()->Add(name);
    list->Items()->EndUpdate();
    list->SetItemIndex(0);
    form->Show();
    list->SetFocus();
    list->Perform(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list->ItemIndex(), 1);
    list->Perform(WM_KEYDOWN, VK_DOWN, 0);
    list->Perform(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list->ItemIndex(), 2);  // stays on the last row
    int doubleClicks = 0;
    list->OnDblClick = [&](TObject*) { ++doubleClicks; };
    ::SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, LBN_DBLCLK), reinterpret_cast<LPARAM>(list->Handle()));
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ListFormTest, AlphaSortOrdersRowsWithOnCompareInTheWindowToo)
{
    TListView* view = MakeListView({"beta", "Alpha", "..", "gamma", "alpha2"});
    view->OnCompare = [](TObject*, TListItem* a, TListItem* b, int, int& compare) {
        if (a->Caption() == "..")
            compare = -1;
        else if (b->Caption() == "..")
            compare = 1;
        else
            compare = ::lstrcmpiA(a->Caption().c_str(), b->Caption().c_str());
    };
    view->AlphaSort();
    const std::vector<std::string> expected = {"..", "Alpha", "alpha2", "beta", "gamma"};
    EXPECT_EQ(Captions(view), expected);
    EXPECT_EQ(view->Items()->Item(3)->Index(), 3);
}

struct NextItemCase {
    int start;
    TSearchDirection direction;
    int expected;  // -1: none
};

class ListViewNextItem : public ListFormTest, public ::testing::WithParamInterface<NextItemCase> {};

TEST_P(ListViewNextItem, FindsTheRowAboveOrBelowAndNothingPastTheEnds)
{
    TListView* view = MakeListView({"a", "b", "c", "d"});
    const NextItemCase& c = GetParam();
    TListItem* next = view->GetNextItem(view->Items()->Item(c.start), c.direction, TItemStates{});
    if (c.expected < 0)
        EXPECT_EQ(next, nullptr);
    else
        EXPECT_EQ(next, view->Items()->Item(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, ListViewNextItem,
                         ::testing::Values(NextItemCase{0, sdBelow, 1}, NextItemCase{2, sdBelow, 3},
                                           NextItemCase{3, sdBelow, -1}, NextItemCase{3, sdAbove, 2},
                                           NextItemCase{1, sdAbove, 0}, NextItemCase{0, sdAbove, -1}));

TEST_F(ListFormTest, SelectionAndFocusChangesAreReportedAndReadBack)
{
    TListView* view = MakeListView({"a", "b", "c"});
    std::vector<TListItem*> changed;
    view->OnChange = [&](TObject*, TListItem* item, TItemChange change) {
        if (change == ctState)
            changed.push_back(item);
    };
    TListItem* b = view->Items()->Item(1);
    view->SetItemFocused(b);
    view->SetSelected(b);
    EXPECT_EQ(view->Selected(), b);
    EXPECT_EQ(view->ItemFocused(), b);
    EXPECT_EQ(view->ItemIndex(), 1);
    EXPECT_NE(std::find(changed.begin(), changed.end(), b), changed.end());
    view->SetSelected(view->Items()->Item(2));
    EXPECT_FALSE(b->Selected());
    EXPECT_EQ(view->Selected(), view->Items()->Item(2));
}

TEST_F(ListFormTest, CustomDrawRunsForEveryRowWithTheListsColours)
{
    TListView* view = MakeListView({"a", "b", "c"});
    view->SetColor(static_cast<TColor>(9066023));
    view->Font()->SetColor(clWhite);
    view->Items()->Item(1)->SetSelected(true);
    std::vector<std::string> drawn;
    view->OnCustomDrawItem = [&](TListView* sender, TListItem* item, TCustomDrawState, bool& defaultDraw) {
        EXPECT_EQ(sender->Canvas()->Brush()->Color(), static_cast<TColor>(9066023));
        EXPECT_EQ(sender->Canvas()->Font()->Color(), clWhite);
        drawn.push_back(item->Caption());
        const TRect label = item->DisplayRect(drLabel);
        sender->Canvas()->FillRect(label);
        defaultDraw = false;
    };
    form->Show();
    view->Update();
    for (const char* caption : {"a", "b", "c"})
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), caption), drawn.end()) << caption;
}

TEST_F(ListFormTest, DisplayRectsAndScrollingFollowTheRows)
{
    std::vector<std::string> captions;
    for (int i = 0; i < 30; ++i)
        captions.push_back("row " + std::to_string(i));
    TListView* view = MakeListView(captions);
    form->Show();
    TListItem* first = view->Items()->Item(0);
    TListItem* second = view->Items()->Item(1);
    const TRect bounds = first->DisplayRect(drBounds);
    const TRect label = first->DisplayRect(drLabel);
    EXPECT_GT(bounds.Height(), 0);
    EXPECT_EQ(second->DisplayRect(drBounds).top, bounds.bottom);
    EXPECT_GE(label.left, bounds.left);
    EXPECT_LE(label.right, bounds.right);

    view->Scroll(0, 5 * bounds.Height());
    EXPECT_LT(first->DisplayRect(drBounds).top, 0);
}

TEST_F(ListFormTest, AnImageListCanTakeTheSystemListWithoutDestroyingIt)
{
    TListView* view = MakeListView({"folder"});
    auto* images = new TImageList(form);
    view->SetSmallImages(images);
    SHFILEINFOA info{};
    auto system = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        "Doesn't matter", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
        SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | SHGFI_SMALLICON));
    ASSERT_NE(system, nullptr);
    images->SetShareImages(true);
    images->SetHandle(system);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageA(view->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)), system);

    TIcon icon;
    images->GetIcon(info.iIcon, &icon);
    EXPECT_FALSE(icon.Empty());
    images->GetIcon(-1, &icon);
    EXPECT_TRUE(icon.Empty());

    Free(images);
    EXPECT_EQ(view->SmallImages(), nullptr);
    EXPECT_GT(::ImageList_GetImageCount(system), 0);
}
