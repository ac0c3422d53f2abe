#pragma once
// Controls: TControl (position, visibility, mouse), TGraphicControl (windowless, painted by
// its parent) and TWinControl (a window of its own with message dispatch, focus and keys).

#include "vcl/Graphics.h"

#include <string>
#include <vector>

namespace vcl {

class TWinControl;
class TForm;

enum TControlStyleItem { csAcceptsControls, csCaptureMouse, csOpaque, csClickEvents, csSetCaption, csDoubleClicks };
using TControlStyle = Set<TControlStyleItem>;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

// TControl: the base of everything placed on a form. Bounds are relative to the parent's
// client area (to the screen for forms). Message handling: Perform(msg) goes through
// WindowProc (replaceable; by default WndProc), WndProc hands the message to Dispatch, and
// Dispatch calls the virtual handlers (MouseDown, Click, ...) or DefaultHandler.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int left) { SetBounds(left, m_top, m_width, m_height); }
    void SetTop(int top) { SetBounds(m_left, top, m_width, m_height); }
    void SetWidth(int width) { SetBounds(m_left, m_top, width, m_height); }
    void SetHeight(int height) { SetBounds(m_left, m_top, m_width, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return TRect(m_left, m_top, m_left + m_width, m_top + m_height); }
    virtual int ClientWidth() const { return m_width; }
    virtual int ClientHeight() const { return m_height; }
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    virtual void SetClientSize(int width, int height);
    TRect ClientRect() const { return TRect(0, 0, ClientWidth(), ClientHeight()); }
    virtual TPoint ClientToScreen(const TPoint& point) const;
    virtual TPoint ScreenToClient(const TPoint& point) const;

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled);
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    TFont* Font() { return &m_font; }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return m_color; }
    virtual void SetColor(TColor color);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor) { m_cursor = cursor; }
    TControlStyle ControlStyle() const { return m_controlStyle; }
    void SetControlStyle(TControlStyle style) { m_controlStyle = style; }
    // Mouse input goes to this control while the capture is set.
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void BringToFront();
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);

    // Replaceable message entry; restore it with the value read before replacing it.
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& message);
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;

    virtual void Click();
    virtual void DblClick();

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // May change the proposed size; false refuses the change.
    virtual bool CanResize(int& newWidth, int& newHeight);
    virtual void Resize();
    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void ParentFontChanged();
    // Called by the parent when its own Font changed.
    friend class TWinControl;

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    TColor m_color = clBtnFace;

private:
    void HandleMouse(TMessage& message);

    TWinControl* m_parent = nullptr;
    std::string m_caption;
    TFont m_font;
    bool m_parentFont = true;
    bool m_settingParentFont = false;
    TCursor m_cursor = crDefault;
    TControlStyle m_controlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    bool m_clicked = false;
};

// TGraphicControl: a control without a window of its own; its parent paints it (Paint, on
// Canvas) and passes it the mouse messages that fall on it while it is visible and enabled.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    ~TGraphicControl() override;
    TCanvas* Canvas() { return &m_canvas; }

protected:
    virtual void Paint() {}

private:
    friend class TWinControl;
    void PaintOn(HDC dc);

    TCanvas m_canvas;
};

// Window creation parameters; CreateParams fills them and derived classes adjust them.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    UINT ClassStyle = CS_DBLCLKS;
    // The window class registered for this control (by default its class name) ...
    std::string WinClassName;
    // ... or, when set, the system class (such as "LISTBOX") it is created from and subclassed.
    std::string SysClassName;
};

// TWinControl: a control with a window. The window is made on demand (Handle, or when the
// control is shown); its class is named after the control's class. Children: Controls(i).
// Focus: SetFocus, Focused, TabStop, TabOrder (tab list position; ties keep creation order).
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    void BeforeDestruction() override;

    HWND Handle();
    bool HandleAllocated() const { return m_handle != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    // The control that owns a window made by this library, or null.
    static TWinControl* FindControl(HWND window);

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls.at(static_cast<size_t>(index)); }

    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool value) { m_tabStop = value; }
    int TabOrder() const { return m_tabOrder; }
    void SetTabOrder(int order) { m_tabOrder = order; }
    virtual void SetFocus();
    bool Focused() const;
    // Visible and enabled, and so are all its parents up to the form.
    bool CanFocus() const;

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetColor(TColor color) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientSize(int width, int height) override;
    TPoint ClientToScreen(const TPoint& point) const override;
    TPoint ScreenToClient(const TPoint& point) const override;
    void Invalidate() override;
    void Update() override;
    TBrush* Brush() { return &m_brush; }

    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // After the window exists: push the state kept meanwhile into it.
    virtual void InitializeWnd() {}
    // Before the window goes: keep what the window holds.
    virtual void SaveWndState() {}
    virtual void PaintWindow(HDC /*dc*/) {}
    void PaintControls(HDC dc);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    // Controls that take the Tab key themselves (a memo) answer true.
    virtual bool WantsTab() const { return false; }
    void FontChanged() override;
    void TextChanged() override;

private:
    friend class TControl;
    friend class TForm;
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void Attach(HWND window);
    void Detach();
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    TControl* ControlAtPos(const TPoint& point) const;
    bool RouteMouseToChild(TMessage& message);
    bool HandleSetCursor(TMessage& message);
    bool ReflectToChild(HWND child, TMessage& message);
    void UpdateBoundsFromWindow();

    HWND m_handle = nullptr;
    WNDPROC m_defWndProc = nullptr;
    std::vector<TControl*> m_controls;
    TControl* m_captureControl = nullptr;
    TBrush m_brush;
    bool m_tabStop = false;
    int m_tabOrder = -1;
    bool m_creating = false;
};

// The form a control is placed on, or null.
TForm* GetParentForm(TControl* control);

// The shift keys and mouse buttons now down.
TShiftState KeyboardState();

} // namespace vcl
