#include "vcl/ComCtrls.h"

#include <algorithm>
#include <unordered_map>

namespace vcl {

namespace {

COLORREF Rgb(TColor color)
{
    return static_cast<COLORREF>(ColorToRGB(color)) & 0xFFFFFF;
}

struct QuietScope {
    explicit QuietScope(int& counter) : m_counter(counter) { ++m_counter; }
    ~QuietScope() { --m_counter; }
    int& m_counter;
};

} // namespace

// --- TListItem -------------------------------------------------------------------------------

TListItem::TListItem(TListView* owner) : m_owner(owner)
{
    m_subItems.OnChange = [this](TObject*) { UpdateWindowItem(LVIF_TEXT); };
}

int TListItem::Index() const
{
    return m_owner->m_items.IndexOf(this);
}

void TListItem::UpdateWindowItem(UINT mask) const
{
    if (!m_owner->HandleAllocated())
        return;
    const int index = Index();
    if (index < 0)
        return;
    QuietScope quiet(m_owner->m_quiet);
    HWND window = m_owner->Handle();
    LVITEMA item{};
    item.iItem = index;
    item.mask = mask & (LVIF_TEXT | LVIF_IMAGE);
    item.pszText = const_cast<char*>(m_caption.c_str());
    item.iImage = m_imageIndex;
    ::SendMessageA(window, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (mask & LVIF_TEXT) {
        for (int i = 0; i < m_subItems.Count(); ++i) {
            const std::string text = m_subItems[i];
            LVITEMA sub{};
            sub.iSubItem = i + 1;
            sub.pszText = const_cast<char*>(text.c_str());
            ::SendMessageA(window, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&sub));
        }
    }
}

void TListItem::SetCaption(const std::string& caption)
{
    m_caption = caption;
    UpdateWindowItem(LVIF_TEXT);
}

void TListItem::SetImageIndex(int index)
{
    m_imageIndex = index;
    UpdateWindowItem(LVIF_IMAGE);
}

void TListItem::SetOverlayIndex(int index)
{
    // Kept for drawing code (the overlay is an index into the small image list).
    m_overlayIndex = index;
    if (m_owner->HandleAllocated())
        m_owner->Invalidate();
}

bool TListItem::Selected() const
{
    if (!m_owner->HandleAllocated())
        return (m_state & LVIS_SELECTED) != 0;
    return (::SendMessageA(m_owner->Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), LVIS_SELECTED) &
            LVIS_SELECTED) != 0;
}

bool TListItem::Focused() const
{
    if (!m_owner->HandleAllocated())
        return (m_state & LVIS_FOCUSED) != 0;
    return (::SendMessageA(m_owner->Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), LVIS_FOCUSED) &
            LVIS_FOCUSED) != 0;
}

namespace {
void SetItemState(TListView* view, int index, UINT mask, bool value, UINT& saved)
{
    saved = value ? (saved | mask) : (saved & ~mask);
    if (!view->HandleAllocated())
        return;
    LVITEMA item{};
    item.stateMask = mask;
    item.state = value ? mask : 0;
    ::SendMessageA(view->Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}
} // namespace

void TListItem::SetSelected(bool value)
{
    SetItemState(m_owner, Index(), LVIS_SELECTED, value, m_state);
}

void TListItem::SetFocused(bool value)
{
    SetItemState(m_owner, Index(), LVIS_FOCUSED, value, m_state);
}

TRect TListItem::DisplayRect(TDisplayCode code) const
{
    if (!m_owner->HandleAllocated())
        return TRect();
    static const int codes[] = {LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL, LVIR_SELECTBOUNDS};
    RECT r{};
    r.left = codes[code];
    if (!::SendMessageA(m_owner->Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&r)))
        return TRect();
    return r;
}

void TListItem::MakeVisible()
{
    if (m_owner->HandleAllocated())
        ::SendMessageA(m_owner->Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(Index()), FALSE);
}

// --- TListItems ------------------------------------------------------------------------------

TListItem* TListItems::Add()
{
    // Rows live in the window, as selection and focus do: the window is made now.
    m_owner->HandleNeeded();
    m_items.push_back(std::make_unique<TListItem>(m_owner));
    TListItem* item = m_items.back().get();
    if (m_owner->HandleAllocated())
        m_owner->InsertWindowItem(Count() - 1, item);
    return item;
}

TListItem* TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return m_items[static_cast<size_t>(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

void TListItems::Delete(int index)
{
    Item(index);
    if (m_owner->HandleAllocated()) {
        QuietScope quiet(m_owner->m_quiet);
        ::SendMessageA(m_owner->Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    }
    m_items.erase(m_items.begin() + index);
}

void TListItems::Clear()
{
    if (m_owner->HandleAllocated()) {
        QuietScope quiet(m_owner->m_quiet);
        ::SendMessageA(m_owner->Handle(), LVM_DELETEALLITEMS, 0, 0);
    }
    m_items.clear();
}

void TListItems::BeginUpdate()
{
    if (m_updateCount++ == 0 && m_owner->HandleAllocated())
        ::SendMessageA(m_owner->Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate()
{
    if (m_updateCount == 0 || --m_updateCount > 0)
        return;
    if (m_owner->HandleAllocated()) {
        ::SendMessageA(m_owner->Handle(), WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(m_owner->Handle(), nullptr, TRUE);
    }
}

// --- Columns ---------------------------------------------------------------------------------

void TListColumn::SetCaption(const std::string& caption)
{
    m_caption = caption;
    if (m_owner->HandleAllocated()) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = const_cast<char*>(m_caption.c_str());
        ::SendMessageA(m_owner->Handle(), LVM_SETCOLUMNA, static_cast<WPARAM>(m_index), reinterpret_cast<LPARAM>(&column));
    }
}

void TListColumn::SetWidth(int width)
{
    m_width = width;
    if (m_owner->HandleAllocated())
        ::SendMessageA(m_owner->Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(m_index), width);
}

TListColumn* TListColumns::Add()
{
    m_columns.push_back(std::make_unique<TListColumn>(m_owner, Count()));
    TListColumn* column = m_columns.back().get();
    if (m_owner->HandleAllocated())
        m_owner->InsertWindowColumn(column);
    return column;
}

// --- TListView -------------------------------------------------------------------------------

TListView::TListView(TComponent* owner) : TWinControl(owner), m_items(this), m_columns(this)
{
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
    m_color = clWindow;
    Brush()->SetColor(clWindow);
    m_width = 250;
    m_height = 150;
    m_imageLink.OnChange = [this]() {
        if (!m_imageLink.Sender)
            m_smallImages = nullptr;
        ApplyImages();
    };
}

TListView::~TListView()
{
    if (m_imageLink.Sender)
        m_imageLink.Sender->UnRegisterChanges(&m_imageLink);
    ++m_quiet;
    DestroyHandle();
}

void TListView::CreateParams(TCreateParams& params)
{
    static const bool initialized = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
        return ::InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)initialized;
    TWinControl::CreateParams(params);
    params.SysClassName = WC_LISTVIEWA;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    params.Style |= views[m_viewStyle] | LVS_SHAREIMAGELISTS;
    if (!m_multiSelect)
        params.Style |= LVS_SINGLESEL;
    if (!m_hideSelection)
        params.Style |= LVS_SHOWSELALWAYS;
    if (!m_showColumnHeaders)
        params.Style |= LVS_NOCOLUMNHEADER;
    if (!m_readOnly)
        params.Style |= LVS_EDITLABELS;
    if (m_borderStyle == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::InitializeWnd()
{
    QuietScope quiet(m_quiet);
    if (m_rowSelect)
        ::SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    ApplyColors();
    ApplyImages();
    for (int i = 0; i < m_columns.Count(); ++i)
        InsertWindowColumn(m_columns[i]);
    for (int i = 0; i < m_items.Count(); ++i)
        InsertWindowItem(i, m_items[i]);
}

void TListView::SaveWndState()
{
    for (int i = 0; i < m_items.Count(); ++i) {
        TListItem* item = m_items[i];
        item->m_state = static_cast<UINT>(
            ::SendMessageA(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED | LVIS_FOCUSED));
    }
}

void TListView::InsertWindowColumn(const TListColumn* column)
{
    LVCOLUMNA lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvc.pszText = const_cast<char*>(column->m_caption.c_str());
    lvc.cx = column->m_width;
    lvc.iSubItem = column->m_index;
    ::SendMessageA(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(column->m_index), reinterpret_cast<LPARAM>(&lvc));
}

void TListView::InsertWindowItem(int index, const TListItem* item)
{
    QuietScope quiet(m_quiet);
    LVITEMA lvi{};
    lvi.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE | LVIF_STATE;
    lvi.iItem = index;
    lvi.pszText = const_cast<char*>(item->m_caption.c_str());
    lvi.lParam = reinterpret_cast<LPARAM>(item);
    lvi.iImage = item->m_imageIndex;
    lvi.state = item->m_state;
    lvi.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvi));
    if (item->m_subItems.Count() > 0)
        item->UpdateWindowItem(LVIF_TEXT);
}

void TListView::ApplyColors()
{
    if (!HandleAllocated())
        return;
    ::SendMessageA(Handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(Rgb(Color())));
    ::SendMessageA(Handle(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(Rgb(Color())));
    ::SendMessageA(Handle(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(Rgb(Font()->Color())));
}

void TListView::ApplyImages()
{
    if (!HandleAllocated())
        return;
    HIMAGELIST images = m_smallImages ? m_smallImages->Handle() : nullptr;
    ::SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void TListView::SetSmallImages(TImageList* images)
{
    if (m_imageLink.Sender)
        m_imageLink.Sender->UnRegisterChanges(&m_imageLink);
    m_smallImages = images;
    if (images)
        images->RegisterChanges(&m_imageLink);
    ApplyImages();
}

void TListView::SetRowSelect(bool value)
{
    m_rowSelect = value;
    if (HandleAllocated())
        ::SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, value ? LVS_EX_FULLROWSELECT : 0);
}

void TListView::SetColor(TColor color)
{
    TWinControl::SetColor(color);
    ApplyColors();
}

void TListView::FontChanged()
{
    TWinControl::FontChanged();
    ApplyColors();
}

TListItem* TListView::ItemAtWindowIndex(int index) const
{
    return index >= 0 && index < m_items.Count() ? m_items[index] : nullptr;
}

TListItem* TListView::FindByState(UINT state) const
{
    auto* self = const_cast<TListView*>(this);
    if (!self->HandleAllocated()) {
        for (int i = 0; i < m_items.Count(); ++i)
            if (m_items[i]->m_state & state)
                return m_items[i];
        return nullptr;
    }
    const auto index = static_cast<int>(
        ::SendMessageA(self->Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), static_cast<LPARAM>(state)));
    return ItemAtWindowIndex(index);
}

TListItem* TListView::Selected() const
{
    return FindByState(LVNI_SELECTED);
}

void TListView::SetSelected(TListItem* item)
{
    if (HandleAllocated()) {
        LVITEMA none{};
        none.stateMask = LVIS_SELECTED;
        ::SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    }
    for (int i = 0; i < m_items.Count(); ++i)
        m_items[i]->m_state &= ~LVIS_SELECTED;
    if (item)
        item->SetSelected(true);
}

TListItem* TListView::ItemFocused() const
{
    return FindByState(LVNI_FOCUSED);
}

void TListView::SetItemFocused(TListItem* item)
{
    if (item) {
        item->SetFocused(true);
        return;
    }
    if (TListItem* focused = ItemFocused())
        focused->SetFocused(false);
}

int TListView::ItemIndex() const
{
    TListItem* item = Selected();
    return item ? item->Index() : -1;
}

TListItem* TListView::GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states)
{
    static const UINT directions[] = {LVNI_TOLEFT, LVNI_TORIGHT, LVNI_ABOVE, LVNI_BELOW, LVNI_ALL};
    UINT flags = directions[direction];
    if (states.Contains(isSelected))
        flags |= LVNI_SELECTED;
    if (states.Contains(isFocused))
        flags |= LVNI_FOCUSED;
    if (states.Contains(isCut))
        flags |= LVNI_CUT;
    if (states.Contains(isDropHilited))
        flags |= LVNI_DROPHILITED;
    const int from = start ? start->Index() : -1;
    const int found = static_cast<int>(::SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(from), static_cast<LPARAM>(flags)));
    // Some list views answer one past the last row when asked below it.
    if (found == from)
        return nullptr;
    return ItemAtWindowIndex(found);
}

int TListView::Compare(TListItem* a, TListItem* b)
{
    if (OnCompare) {
        int result = 0;
        OnCompare(this, a, b, 0, result);
        return result;
    }
    return ::lstrcmpiA(a->Caption().c_str(), b->Caption().c_str());
}

int CALLBACK TListView::CompareCallback(LPARAM a, LPARAM b, LPARAM self)
{
    return reinterpret_cast<TListView*>(self)->Compare(reinterpret_cast<TListItem*>(a), reinterpret_cast<TListItem*>(b));
}

void TListView::ReadOrderFromWindow()
{
    std::unordered_map<TListItem*, std::unique_ptr<TListItem>> owned;
    for (auto& item : m_items.m_items) {
        TListItem* raw = item.get();
        owned[raw] = std::move(item);
    }
    m_items.m_items.clear();
    const int count = static_cast<int>(::SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LVITEMA lvi{};
        lvi.mask = LVIF_PARAM;
        lvi.iItem = i;
        ::SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi));
        auto it = owned.find(reinterpret_cast<TListItem*>(lvi.lParam));
        if (it != owned.end()) {
            m_items.m_items.push_back(std::move(it->second));
            owned.erase(it);
        }
    }
    for (auto& rest : owned)  // never expected: rows the window lost
        m_items.m_items.push_back(std::move(rest.second));
}

void TListView::AlphaSort()
{
    if (!HandleAllocated()) {
        std::stable_sort(m_items.m_items.begin(), m_items.m_items.end(),
                         [this](const auto& a, const auto& b) { return Compare(a.get(), b.get()) < 0; });
        return;
    }
    ::SendMessageA(Handle(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                   reinterpret_cast<LPARAM>(&TListView::CompareCallback));
    ReadOrderFromWindow();
}

void TListView::Scroll(int dx, int dy)
{
    if (HandleAllocated())
        ::SendMessageA(Handle(), LVM_SCROLL, static_cast<WPARAM>(dx), static_cast<LPARAM>(dy));
}

LRESULT TListView::CustomDraw(NMLVCUSTOMDRAW* draw)
{
    if (!OnCustomDrawItem)
        return CDRF_DODEFAULT;
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    TListItem* item = reinterpret_cast<TListItem*>(draw->nmcd.lItemlParam);
    if (m_items.IndexOf(item) < 0)
        item = ItemAtWindowIndex(static_cast<int>(draw->nmcd.dwItemSpec));
    if (!item)
        return CDRF_DODEFAULT;
    TCustomDrawState state;
    const UINT itemState = draw->nmcd.uItemState;
    if (itemState & CDIS_SELECTED)
        state <<= cdsSelected;
    if (itemState & CDIS_FOCUS)
        state <<= cdsFocused;
    if (itemState & CDIS_HOT)
        state <<= cdsHot;
    if (itemState & CDIS_DISABLED)
        state <<= cdsDisabled;
    HDC dc = draw->nmcd.hdc;
    m_canvas.SetHandle(dc);
    m_canvas.Font()->Assign(Font());
    m_canvas.Brush()->Assign(Brush());
    bool defaultDraw = true;
    try {
        OnCustomDrawItem(this, item, state, defaultDraw);
    } catch (...) {
        m_canvas.SetHandle(nullptr);
        throw;
    }
    m_canvas.SetHandle(nullptr);
    if (!defaultDraw)
        return CDRF_SKIPDEFAULT;
    draw->clrText = Rgb(m_canvas.Font()->Color());
    draw->clrTextBk = Rgb(m_canvas.Brush()->Color());
    ::SelectObject(dc, m_canvas.Font()->Handle());
    return CDRF_NEWFONT;
}

void TListView::Dispatch(TMessage& message)
{
    if (message.Msg == CN_BASE + WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        switch (header->code) {
        case LVN_ITEMCHANGED: {
            auto* change = reinterpret_cast<NMLISTVIEW*>(message.LParam);
            if (m_quiet || !OnChange || ComponentState().Contains(csDestroying))
                return;
            TListItem* item = reinterpret_cast<TListItem*>(change->lParam);
            if (m_items.IndexOf(item) < 0)
                item = ItemAtWindowIndex(change->iItem);
            if (!item)
                return;
            const TItemChange kind = (change->uChanged & LVIF_STATE) ? ctState
                                     : (change->uChanged & LVIF_IMAGE) ? ctImage
                                                                        : ctText;
            OnChange(this, item, kind);
            return;
        }
        case NM_CUSTOMDRAW:
            message.Result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(message.LParam));
            return;
        case NM_DBLCLK:
            DblClick();
            return;
        case NM_CLICK:
            Click();
            return;
        default:
            return;
        }
    }
    TWinControl::Dispatch(message);
}

} // namespace vcl
