#include "vcl/StdCtrls.h"

namespace vcl {

namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    TStringList list;
    list.SetText(text);
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list[i]);
    return lines;
}

// Every line ends in CR LF, so that an empty last line survives the way back through SplitLines.
std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Native controls click and capture by themselves.
TControlStyle NativeStyle()
{
    return TControlStyle{csSetCaption, csDoubleClicks};
}

} // namespace

// --- TLabel ----------------------------------------------------------------------------------

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() << csOpaque);
    m_width = 65;
    m_height = 17;
}

UINT TLabel::DrawFlags() const
{
    UINT flags = DT_EXPANDTABS | (m_wordWrap ? DT_WORDBREAK : 0);
    if (m_alignment == taCenter)
        flags |= DT_CENTER;
    else if (m_alignment == taRightJustify)
        flags |= DT_RIGHT;
    return flags;
}

void TLabel::AdjustBounds()
{
    if (!m_autoSize)
        return;
    tessel::WindowDc screen(nullptr);
    tessel::SelectGuard font(screen.get(), Font()->Handle());
    RECT r{0, 0, m_wordWrap ? m_width : 0, 0};
    const std::string text = Caption().empty() ? " " : Caption();
    ::DrawTextA(screen.get(), text.c_str(), -1, &r, DrawFlags() | DT_CALCRECT);
    SetBounds(Left(), Top(), m_wordWrap ? m_width : r.right, r.bottom);
}

void TLabel::SetAutoSize(bool value)
{
    m_autoSize = value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    SetControlStyle(value ? ControlStyle() >> csOpaque : ControlStyle() << csOpaque);
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    m_wordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment value)
{
    m_alignment = value;
    Invalidate();
}

void TLabel::TextChanged()
{
    AdjustBounds();
    Invalidate();
}

void TLabel::FontChanged()
{
    AdjustBounds();
    Invalidate();
}

void TLabel::Paint()
{
    TCanvas* canvas = TGraphicControl::Canvas();
    if (!m_transparent) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
    }
    canvas->Font()->Assign(Font());
    if (!Enabled())
        canvas->Font()->SetColor(clGrayText);
    HDC dc = canvas->Handle();
    ::SetBkMode(dc, TRANSPARENT);
    RECT r = ClientRect();
    ::DrawTextA(dc, Caption().c_str(), -1, &r, DrawFlags());
}

// --- TButton ---------------------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(NativeStyle());
    SetTabStop(true);
    m_width = 75;
    m_height = 25;
}

void TButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SysClassName = "BUTTON";
    params.Style |= BS_PUSHBUTTON;
}

void TButton::Dispatch(TMessage& message)
{
    if (message.Msg == CN_BASE + WM_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TWinControl::Dispatch(message);
}

// --- TCheckBox -------------------------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(NativeStyle());
    SetTabStop(true);
    m_width = 97;
    m_height = 17;
}

void TCheckBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SysClassName = "BUTTON";
    params.Style |= BS_AUTOCHECKBOX;
}

void TCheckBox::InitializeWnd()
{
    ::SendMessageA(Handle(), BM_SETCHECK, m_checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::SaveWndState()
{
    m_checked = Checked();
}

bool TCheckBox::Checked() const
{
    auto* self = const_cast<TCheckBox*>(this);
    if (self->HandleAllocated())
        return ::SendMessageA(self->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    return m_checked;
}

void TCheckBox::SetChecked(bool value)
{
    m_checked = value;
    if (HandleAllocated())
        ::SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::Dispatch(TMessage& message)
{
    if (message.Msg == CN_BASE + WM_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TWinControl::Dispatch(message);
}

// --- TMemo -----------------------------------------------------------------------------------

namespace {
// The lines of a memo, read from and written to its text.
class MemoLines : public TStrings {
public:
    explicit MemoLines(TMemo* memo) : m_memo(memo) {}
    int Count() const override { return static_cast<int>(SplitLines(m_memo->Text()).size()); }
    std::string Get(int index) const override
    {
        auto lines = SplitLines(m_memo->Text());
        CheckIndex(index, static_cast<int>(lines.size()) - 1);
        return lines[static_cast<size_t>(index)];
    }
    void Put(int index, const std::string& text) override
    {
        auto lines = SplitLines(m_memo->Text());
        CheckIndex(index, static_cast<int>(lines.size()) - 1);
        lines[static_cast<size_t>(index)] = text;
        Store(lines);
    }
    void Insert(int index, const std::string& text) override
    {
        auto lines = SplitLines(m_memo->Text());
        CheckIndex(index, static_cast<int>(lines.size()));
        lines.insert(lines.begin() + index, text);
        Store(lines);
    }
    void Delete(int index) override
    {
        auto lines = SplitLines(m_memo->Text());
        CheckIndex(index, static_cast<int>(lines.size()) - 1);
        lines.erase(lines.begin() + index);
        Store(lines);
    }
    void Clear() override { Store({}); }

private:
    void Store(const std::vector<std::string>& lines)
    {
        m_memo->SetText(JoinLines(lines));
        Changed();
    }
    TMemo* m_memo;
};
} // namespace

TMemo::TMemo(TComponent* owner) : TWinControl(owner), m_lines(std::make_unique<MemoLines>(this))
{
    SetControlStyle(NativeStyle());
    SetTabStop(true);
    m_color = clWindow;
    Brush()->SetColor(clWindow);
    m_width = 185;
    m_height = 89;
}

TMemo::~TMemo() = default;

void TMemo::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SysClassName = "EDIT";
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | (m_readOnly ? ES_READONLY : 0) |
                    (m_wordWrap ? 0 : ES_AUTOHSCROLL | WS_HSCROLL);
    params.ExStyle |= WS_EX_CLIENTEDGE;
    params.Caption = m_text;
}

void TMemo::InitializeWnd() {}

void TMemo::SaveWndState()
{
    m_text = Text();
}

std::string TMemo::Text() const
{
    auto* self = const_cast<TMemo*>(this);
    if (!self->HandleAllocated())
        return m_text;
    const int length = ::GetWindowTextLengthA(self->Handle());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = ::GetWindowTextA(self->Handle(), text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

void TMemo::SetText(const std::string& text)
{
    m_text = text;
    if (HandleAllocated())
        ::SetWindowTextA(Handle(), text.c_str());
}

void TMemo::SetReadOnly(bool value)
{
    m_readOnly = value;
    if (HandleAllocated())
        ::SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

// --- TListBox --------------------------------------------------------------------------------

// The rows of a list box: kept here and, while the window exists, in the window too.
class TListBox::Strings : public TStrings {
public:
    explicit Strings(TListBox* owner) : m_owner(owner) {}
    int Count() const override { return static_cast<int>(m_items.size()); }
    std::string Get(int index) const override
    {
        CheckIndex(index, Count() - 1);
        return m_items[static_cast<size_t>(index)];
    }
    void Put(int index, const std::string& text) override
    {
        const int selected = m_owner->ItemIndex();
        Delete(index);
        Insert(index, text);
        if (selected == index)
            m_owner->SetItemIndex(index);
    }
    void Insert(int index, const std::string& text) override
    {
        CheckIndex(index, Count());
        m_items.insert(m_items.begin() + index, text);
        if (m_owner->HandleAllocated())
            ::SendMessageA(m_owner->Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(text.c_str()));
        Changed();
    }
    void Delete(int index) override
    {
        CheckIndex(index, Count() - 1);
        m_items.erase(m_items.begin() + index);
        if (m_owner->HandleAllocated())
            ::SendMessageA(m_owner->Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        Changed();
    }
    void Clear() override
    {
        m_items.clear();
        m_owner->m_itemIndex = -1;
        if (m_owner->HandleAllocated())
            ::SendMessageA(m_owner->Handle(), LB_RESETCONTENT, 0, 0);
        Changed();
    }
    void Fill()
    {
        for (const std::string& item : m_items)
            ::SendMessageA(m_owner->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }

protected:
    void SetUpdateState(bool updating) override
    {
        if (!m_owner->HandleAllocated())
            return;
        ::SendMessageA(m_owner->Handle(), WM_SETREDRAW, !updating, 0);
        if (!updating)
            ::InvalidateRect(m_owner->Handle(), nullptr, TRUE);
    }

private:
    TListBox* m_owner;
    std::vector<std::string> m_items;
};

TListBox::TListBox(TComponent* owner) : TWinControl(owner), m_items(std::make_unique<Strings>(this))
{
    SetControlStyle(NativeStyle());
    SetTabStop(true);
    m_color = clWindow;
    Brush()->SetColor(clWindow);
    m_width = 121;
    m_height = 97;
}

TListBox::~TListBox()
{
    DestroyHandle();
}

void TListBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SysClassName = "LISTBOX";
    params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (m_style == lbOwnerDrawFixed)
        params.Style |= LBS_OWNERDRAWFIXED;
    if (m_borderStyle == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::InitializeWnd()
{
    static_cast<Strings*>(m_items.get())->Fill();
    if (m_style == lbOwnerDrawFixed)
        ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, m_itemHeight);
    ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(m_itemIndex), 0);
}

void TListBox::SaveWndState()
{
    m_itemIndex = ItemIndex();
}

int TListBox::ItemIndex() const
{
    auto* self = const_cast<TListBox*>(this);
    if (self->HandleAllocated())
        return static_cast<int>(::SendMessageA(self->Handle(), LB_GETCURSEL, 0, 0));
    return m_itemIndex;
}

void TListBox::SetItemIndex(int index)
{
    if (index < -1 || index >= Count())
        index = -1;
    m_itemIndex = index;
    if (HandleAllocated())
        ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TListBox::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    m_itemHeight = height;
    if (HandleAllocated() && m_style == lbOwnerDrawFixed) {
        ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
        Invalidate();
    }
}

void TListBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_BASE + WM_COMMAND:
        if (HIWORD(message.WParam) == LBN_DBLCLK)
            DblClick();
        else if (HIWORD(message.WParam) == LBN_SELCHANGE)
            Click();
        return;
    case CN_BASE + WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->itemHeight = static_cast<UINT>(m_itemHeight);
        message.Result = TRUE;
        return;
    case CN_BASE + WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        TOwnerDrawState state;
        if (dis->itemState & ODS_SELECTED)
            state <<= odSelected;
        if (dis->itemState & ODS_FOCUS)
            state <<= odFocused;
        if (dis->itemState & ODS_DISABLED)
            state <<= odDisabled;
        m_canvas.SetHandle(dis->hDC);
        m_canvas.Font()->Assign(Font());
        m_canvas.Brush()->Assign(Brush());
        const int index = static_cast<int>(dis->itemID);
        try {
            if (index >= 0 && index < Count()) {
                if (state.Contains(odSelected)) {
                    m_canvas.Brush()->SetColor(clHighlight);
                    m_canvas.Font()->SetColor(clHighlightText);
                }
                DrawItem(index, dis->rcItem, state);
            } else {
                m_canvas.FillRect(dis->rcItem);
            }
            if (state.Contains(odFocused))
                ::DrawFocusRect(dis->hDC, &dis->rcItem);
        } catch (...) {
            m_canvas.SetHandle(nullptr);
            throw;
        }
        m_canvas.SetHandle(nullptr);
        message.Result = TRUE;
        return;
    }
    default:
        break;
    }
    TWinControl::Dispatch(message);
}

void TListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    m_canvas.FillRect(rect);
    m_canvas.TextOut(rect.left + 2, rect.top, Items()->Get(index));
}

} // namespace vcl
