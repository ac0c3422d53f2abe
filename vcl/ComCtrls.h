#pragma once
// TListView in report view, with its items and columns.

#include "vcl/Forms.h"
#include "vcl/ImgList.h"

#include <memory>
#include <vector>

namespace vcl {

class TListView;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };
enum TSearchDirection { sdLeft, sdRight, sdAbove, sdBelow, sdAll };
enum TItemStateItem { isNone, isCut, isDropHilited, isFocused, isSelected, isActivating };
using TItemStates = Set<TItemStateItem>;
enum TItemChange { ctText, ctImage, ctState };
enum TCustomDrawStateItem { cdsSelected, cdsGrayed, cdsDisabled, cdsChecked, cdsFocused, cdsDefault, cdsHot };
using TCustomDrawState = Set<TCustomDrawStateItem>;

// TListItem: one row: Caption, SubItems (the further columns), ImageIndex and OverlayIndex
// into the small image list (-1: none), Data for the program. Selected and Focused read and
// set the row's state; DisplayRect answers the row's bounds, icon or label rectangle.
class TListItem {
public:
    explicit TListItem(TListView* owner);
    TListView* Owner() const { return m_owner; }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    TStrings* SubItems() { return &m_subItems; }
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    int OverlayIndex() const { return m_overlayIndex; }
    void SetOverlayIndex(int index);
    void* Data() const { return m_data; }
    void SetData(void* data) { m_data = data; }
    int Index() const;
    bool Selected() const;
    void SetSelected(bool value);
    bool Focused() const;
    void SetFocused(bool value);
    TRect DisplayRect(TDisplayCode code) const;
    void MakeVisible();

private:
    friend class TListView;
    void UpdateWindowItem(UINT mask) const;

    TListView* m_owner;
    std::string m_caption;
    TStringList m_subItems;
    int m_imageIndex = -1;
    int m_overlayIndex = -1;
    void* m_data = nullptr;
    UINT m_state = 0;  // LVIS_SELECTED and LVIS_FOCUSED while there is no window
};

// The rows of a list view, in display order (which sorting changes).
class TListItems {
public:
    explicit TListItems(TListView* owner) : m_owner(owner) {}
    TListItem* Add();
    int Count() const { return static_cast<int>(m_items.size()); }
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }
    void Delete(int index);
    void Clear();
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TListView;
    friend class TListItem;
    int IndexOf(const TListItem* item) const;

    TListView* m_owner;
    std::vector<std::unique_ptr<TListItem>> m_items;
    int m_updateCount = 0;
};

class TListColumn {
public:
    TListColumn(TListView* owner, int index) : m_owner(owner), m_index(index) {}
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    int Width() const { return m_width; }
    void SetWidth(int width);

private:
    friend class TListView;
    TListView* m_owner;
    int m_index;
    std::string m_caption;
    int m_width = 50;
};

class TListColumns {
public:
    explicit TListColumns(TListView* owner) : m_owner(owner) {}
    TListColumn* Add();
    int Count() const { return static_cast<int>(m_columns.size()); }
    TListColumn* Item(int index) const { return m_columns.at(static_cast<size_t>(index)).get(); }
    TListColumn* operator[](int index) const { return Item(index); }

private:
    TListView* m_owner;
    std::vector<std::unique_ptr<TListColumn>> m_columns;
};

using TLVCompareEvent = std::function<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVCustomDrawItemEvent =
    std::function<void(TListView* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw)>;

// TListView: the common list view control. Build the columns and rows in code; AlphaSort
// orders the rows with OnCompare (Compare < 0 puts Item1 first) or, without it, by caption.
// OnCustomDrawItem draws rows itself on Canvas() (prepared with the view's Font and Color;
// set DefaultDraw false to skip the system's drawing). OnChange reports state changes
// (selection, focus). GetNextItem finds the row above or below another one. Rows live in
// the window, so adding one makes the window (the view needs its parent by then).
class TListView : public TWinControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListItems* Items() { return &m_items; }
    TListColumns* Columns() { return &m_columns; }
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    TListItem* ItemFocused() const;
    void SetItemFocused(TListItem* item);
    int ItemIndex() const;
    TListItem* GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states);
    void AlphaSort();
    void Scroll(int dx, int dy);
    TCanvas* Canvas() { return &m_canvas; }

    TImageList* SmallImages() const { return m_smallImages; }
    void SetSmallImages(TImageList* images);
    TViewStyle ViewStyle() const { return m_viewStyle; }
    void SetViewStyle(TViewStyle style) { m_viewStyle = style; }
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style) { m_borderStyle = style; }
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool value) { m_hideSelection = value; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value) { m_readOnly = value; }
    bool RowSelect() const { return m_rowSelect; }
    void SetRowSelect(bool value);
    bool ShowColumnHeaders() const { return m_showColumnHeaders; }
    void SetShowColumnHeaders(bool value) { m_showColumnHeaders = value; }
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool value) { m_multiSelect = value; }
    void SetColor(TColor color) override;

    TLVCompareEvent OnCompare;
    TLVChangeEvent OnChange;
    TLVCustomDrawItemEvent OnCustomDrawItem;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void FontChanged() override;

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumn;
    friend class TListColumns;
    void InsertWindowItem(int index, const TListItem* item);
    void InsertWindowColumn(const TListColumn* column);
    void ApplyColors();
    void ApplyImages();
    void ReadOrderFromWindow();
    TListItem* ItemAtWindowIndex(int index) const;
    TListItem* FindByState(UINT state) const;
    LRESULT CustomDraw(NMLVCUSTOMDRAW* draw);
    int Compare(TListItem* a, TListItem* b);
    static int CALLBACK CompareCallback(LPARAM a, LPARAM b, LPARAM self);

    TListItems m_items;
    TListColumns m_columns;
    TCanvas m_canvas;
    TChangeLink m_imageLink;
    TImageList* m_smallImages = nullptr;
    TViewStyle m_viewStyle = vsIcon;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_hideSelection = true;
    bool m_readOnly = false;
    bool m_rowSelect = false;
    bool m_showColumnHeaders = true;
    bool m_multiSelect = false;
    // Set while the library itself changes the rows: no OnChange for those.
    int m_quiet = 0;
};

} // namespace vcl
