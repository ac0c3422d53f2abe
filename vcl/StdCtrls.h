#pragma once
// TLabel, TButton, TCheckBox, TMemo and TListBox.

#include "vcl/Forms.h"

#include <vector>

namespace vcl {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// TLabel: windowless text in Font. AutoSize (default true) fits the bounds to the text
// (only the height when WordWrap); Transparent leaves the background unpainted.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    UINT DrawFlags() const;
    void AdjustBounds();

    bool m_autoSize = true;
    bool m_transparent = false;
    bool m_wordWrap = false;
    TAlignment m_alignment = taLeftJustify;
};

// TButton: a push button; OnClick when pressed.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
};

// TCheckBox: a check box; Checked, and OnClick when the user toggles it.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);
    bool Checked() const;
    void SetChecked(bool value);
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;

private:
    bool m_checked = false;
};

// TMemo: multi-line text; Lines() reads and replaces it line by line.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    TStrings* Lines() { return m_lines.get(); }
    std::string Text() const;
    void SetText(const std::string& text);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value) { m_wordWrap = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;

private:
    std::unique_ptr<TStrings> m_lines;
    std::string m_text;
    bool m_readOnly = false;
    bool m_wordWrap = true;
};

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };
enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused };
using TOwnerDrawState = Set<TOwnerDrawStateItem>;
class TListBox;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

// TListBox: a list of strings (Items). With Style lbOwnerDrawFixed every row of ItemHeight
// pixels is drawn by OnDrawItem on Canvas(), which comes prepared with the list's Font and
// Color (selected rows: clHighlight and clHighlightText); the focus rectangle is drawn after
// it. ItemIndex is the selected row (-1: none). OnClick on selection changes by the user,
// OnDblClick on double clicks.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;
    TStrings* Items() { return m_items.get(); }
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);
    TListBoxStyle Style() const { return m_style; }
    void SetStyle(TListBoxStyle style) { m_style = style; }
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style) { m_borderStyle = style; }
    TCanvas* Canvas() { return &m_canvas; }
    int Count() const { return m_items->Count(); }

    TDrawItemEvent OnDrawItem;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

private:
    class Strings;
    friend class Strings;

    std::unique_ptr<TStrings> m_items;
    TCanvas m_canvas;
    int m_itemIndex = -1;
    int m_itemHeight = 13;
    TListBoxStyle m_style = lbStandard;
    TBorderStyle m_borderStyle = bsSingle;
};

} // namespace vcl
