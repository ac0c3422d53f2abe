#include "vcl/Controls.h"

#include "vcl/Forms.h"

#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

namespace vcl {

namespace {

std::unordered_map<HWND, TWinControl*>& WindowTable()
{
    // Never destroyed: the application object frees its forms after statics have gone.
    static auto* table = new std::unordered_map<HWND, TWinControl*>;
    return *table;
}

// The control whose window CreateWindowEx is making right now: its first messages arrive
// before CreateWindowEx returns the handle.
thread_local TWinControl* t_creating = nullptr;

bool IsMouseMessage(UINT msg)
{
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK;
}

TShiftState MouseShift(WPARAM keys)
{
    TShiftState shift;
    if (keys & MK_SHIFT)
        shift <<= ssShift;
    if (keys & MK_CONTROL)
        shift <<= ssCtrl;
    if (keys & MK_LBUTTON)
        shift <<= ssLeft;
    if (keys & MK_RBUTTON)
        shift <<= ssRight;
    if (keys & MK_MBUTTON)
        shift <<= ssMiddle;
    if (::GetKeyState(VK_MENU) < 0)
        shift <<= ssAlt;
    return shift;
}

LPCSTR CursorResource(TCursor cursor)
{
    switch (cursor) {
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crHourGlass: return IDC_WAIT;
    case crHandPoint: return IDC_HAND;
    default: return IDC_ARROW;
    }
}

} // namespace

TShiftState KeyboardState()
{
    TShiftState shift;
    if (::GetKeyState(VK_SHIFT) < 0)
        shift <<= ssShift;
    if (::GetKeyState(VK_CONTROL) < 0)
        shift <<= ssCtrl;
    if (::GetKeyState(VK_MENU) < 0)
        shift <<= ssAlt;
    return shift;
}

TForm* GetParentForm(TControl* control)
{
    while (control) {
        if (auto* form = dynamic_cast<TForm*>(control))
            return form;
        control = control->Parent();
    }
    return nullptr;
}

// --- TControl --------------------------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    WindowProc = [this](TMessage& message) { WndProc(message); };
    m_font.OnChange = [this](TObject*) {
        if (!m_settingParentFont)
            m_parentFont = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    SetMouseCapture(false);
    if (m_parent)
        m_parent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == m_parent)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot be its own parent");
    if (m_parent) {
        Invalidate();
        m_parent->RemoveControl(this);
    }
    m_parent = parent;
    if (m_parent) {
        m_parent->InsertControl(this);
        if (m_parentFont)
            ParentFontChanged();
        Invalidate();
    }
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (!CanResize(width, height)) {
        width = m_width;
        height = m_height;
    }
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    const bool resized = width != m_width || height != m_height;
    Invalidate();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    Invalidate();
    if (resized)
        Resize();
}

void TControl::SetClientSize(int width, int height)
{
    SetBounds(m_left, m_top, width, height);
}

TPoint TControl::ClientToScreen(const TPoint& point) const
{
    TPoint origin(m_left + point.x, m_top + point.y);
    return m_parent ? m_parent->ClientToScreen(origin) : origin;
}

TPoint TControl::ScreenToClient(const TPoint& point) const
{
    const TPoint origin = ClientToScreen(TPoint(0, 0));
    return TPoint(point.x - origin.x, point.y - origin.y);
}

void TControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (m_parent && m_parent->HandleAllocated()) {
        const TRect r = BoundsRect();
        ::InvalidateRect(m_parent->Handle(), &r, TRUE);
    }
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Invalidate();
}

void TControl::SetCaption(const std::string& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    TextChanged();
}

void TControl::SetParentFont(bool value)
{
    m_parentFont = value;
    if (value)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!m_parent || !m_parentFont)
        return;
    m_settingParentFont = true;
    m_font.Assign(m_parent->Font());
    m_settingParentFont = false;
}

void TControl::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    Invalidate();
}

bool TControl::MouseCapture() const
{
    if (auto* self = dynamic_cast<const TWinControl*>(this))
        return self->m_handle && ::GetCapture() == self->m_handle;
    return m_parent && m_parent->m_captureControl == this && m_parent->m_handle &&
           ::GetCapture() == m_parent->m_handle;
}

void TControl::SetMouseCapture(bool value)
{
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        if (value && self->m_handle)
            ::SetCapture(self->m_handle);
        else if (!value && self->m_handle && ::GetCapture() == self->m_handle)
            ::ReleaseCapture();
        return;
    }
    if (!m_parent)
        return;
    if (value && m_parent->HandleAllocated()) {
        m_parent->m_captureControl = this;
        ::SetCapture(m_parent->m_handle);
    } else if (!value && m_parent->m_captureControl == this) {
        m_parent->m_captureControl = nullptr;
        if (m_parent->m_handle && ::GetCapture() == m_parent->m_handle)
            ::ReleaseCapture();
    }
}

void TControl::Invalidate()
{
    if (m_visible && m_parent && m_parent->HandleAllocated()) {
        const TRect r = BoundsRect();
        ::InvalidateRect(m_parent->m_handle, &r, !m_controlStyle.Contains(csOpaque));
    }
}

void TControl::Update()
{
    if (m_parent)
        m_parent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!m_parent)
        return;
    auto& list = m_parent->m_controls;
    list.erase(std::find(list.begin(), list.end(), this));
    list.push_back(this);
    if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated())
        ::SetWindowPos(self->m_handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message)
{
    Dispatch(message);
}

void TControl::Dispatch(TMessage& message)
{
    if (IsMouseMessage(message.Msg)) {
        HandleMouse(message);
        return;
    }
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& /*message*/) {}

void TControl::HandleMouse(TMessage& message)
{
    const int x = GET_X_LPARAM(message.LParam);
    const int y = GET_Y_LPARAM(message.LParam);
    const TShiftState shift = MouseShift(message.WParam);
    const bool doubleClicks = m_controlStyle.Contains(csDoubleClicks);
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (m_controlStyle.Contains(csCaptureMouse))
            SetMouseCapture(true);
        if (m_controlStyle.Contains(csClickEvents))
            m_clicked = true;
        if (message.Msg == WM_LBUTTONDBLCLK && doubleClicks)
            DblClick();
        MouseDown(mbLeft, message.Msg == WM_LBUTTONDBLCLK ? shift << ssDouble : shift, x, y);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(mbRight, shift, x, y);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        MouseDown(mbMiddle, shift, x, y);
        break;
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        break;
    case WM_LBUTTONUP:
        if (m_controlStyle.Contains(csCaptureMouse))
            SetMouseCapture(false);
        if (m_clicked) {
            m_clicked = false;
            if (x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight())
                Click();
        }
        MouseUp(mbLeft, shift, x, y);
        break;
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift, x, y);
        break;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift, x, y);
        break;
    default:
        break;
    }
    DefaultHandler(message);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

bool TControl::CanResize(int& /*newWidth*/, int& /*newHeight*/)
{
    return true;
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

// --- TGraphicControl -------------------------------------------------------------------------

TGraphicControl::~TGraphicControl()
{
    Invalidate();
}

void TGraphicControl::PaintOn(HDC dc)
{
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, m_left, m_top, m_left + m_width, m_top + m_height);
    POINT origin{};
    ::GetViewportOrgEx(dc, &origin);
    ::SetViewportOrgEx(dc, origin.x + m_left, origin.y + m_top, nullptr);
    m_canvas.SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        m_canvas.SetHandle(nullptr);
        ::RestoreDC(dc, saved);
        throw;
    }
    m_canvas.SetHandle(nullptr);
    ::RestoreDC(dc, saved);
}

// --- TWinControl -----------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner)
{
    m_brush.SetColor(m_color);
}

TWinControl::~TWinControl()
{
    WindowProc = [this](TMessage& message) { TWinControl::WndProc(message); };
    while (!m_controls.empty())
        Free(m_controls.back());
    DestroyHandle();
}

void TWinControl::BeforeDestruction()
{
    TControl::BeforeDestruction();
    DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND window)
{
    auto& table = WindowTable();
    auto it = table.find(window);
    return it == table.end() ? nullptr : it->second;
}

HWND TWinControl::Handle()
{
    if (!m_handle) {
        if (m_creating)
            throw EInvalidOperation("Window of " + ClassName() + " asked for while it is being made");
        CreateWnd();
    }
    return m_handle;
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = Caption();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (m_visible)
        params.Style |= WS_VISIBLE;
    if (!m_enabled)
        params.Style |= WS_DISABLED;
    if (m_tabStop)
        params.Style |= WS_TABSTOP;
    params.X = m_left;
    params.Y = m_top;
    params.Width = m_width;
    params.Height = m_height;
    if (Parent())
        params.WndParent = Parent()->Handle();
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    // Making the parent's window makes its children's windows too, this one included.
    if (m_handle)
        return;
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    HINSTANCE instance = HInstance();
    const char* className = params.SysClassName.empty() ? params.WinClassName.c_str() : params.SysClassName.c_str();
    if (params.SysClassName.empty()) {
        WNDCLASSA existing{};
        if (!::GetClassInfoA(instance, className, &existing)) {
            WNDCLASSA wc{};
            wc.style = params.ClassStyle;
            wc.lpfnWndProc = &TWinControl::WindowProcedure;
            wc.hInstance = instance;
            wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
            wc.lpszClassName = className;
            if (!::RegisterClassA(&wc))
                throw EWin32Error("Cannot register the window class " + params.WinClassName);
        }
    }
    static UINT_PTR nextId = 100;
    const HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(nextId++) : nullptr;
    TWinControl* previous = t_creating;
    t_creating = params.SysClassName.empty() ? this : nullptr;
    m_creating = true;
    HWND window = ::CreateWindowExA(params.ExStyle, className, params.Caption.c_str(), params.Style, params.X,
                                    params.Y, params.Width, params.Height, params.WndParent, id, instance,
                                    params.Param);
    t_creating = previous;
    m_creating = false;
    if (!window)
        throw EWin32Error("Cannot make the window of " + ClassName() + " (error " + std::to_string(::GetLastError()) + ")");
    if (!params.SysClassName.empty()) {
        Attach(window);
        m_defWndProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::WindowProcedure)));
    } else if (m_handle != window) {
        Attach(window);
    }
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
    UpdateBoundsFromWindow();
    InitializeWnd();
    for (TControl* child : std::vector<TControl*>(m_controls))
        if (auto* win = dynamic_cast<TWinControl*>(child); win && !win->HandleAllocated())
            win->CreateWnd();
}

void TWinControl::Attach(HWND window)
{
    m_handle = window;
    WindowTable()[window] = this;
}

void TWinControl::Detach()
{
    if (!m_handle)
        return;
    WindowTable().erase(m_handle);
    m_handle = nullptr;
    m_defWndProc = nullptr;
    m_captureControl = nullptr;
}

void TWinControl::DestroyHandle()
{
    if (!m_handle)
        return;
    SaveWndState();
    for (TControl* child : m_controls)
        if (auto* win = dynamic_cast<TWinControl*>(child))
            win->SaveWndState();
    HWND window = m_handle;
    ::DestroyWindow(window);
    // A window destroyed without our procedure seeing WM_NCDESTROY still leaves the table.
    if (m_handle == window)
        Detach();
}

LRESULT CALLBACK TWinControl::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = FindControl(window);
    if (!control && t_creating) {
        control = t_creating;
        control->Attach(window);
    }
    if (!control)
        return ::DefWindowProcA(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
        if (msg == CM_RELEASE && dynamic_cast<TForm*>(control)) {
            Free(control);
            return 0;
        }
        control->WindowProc(message);
    } catch (const std::exception& error) {
        Application->HandleException(error);
    } catch (...) {
        Application->HandleException(Exception("Unknown exception in a window procedure"));
    }
    return message.Result;
}

void TWinControl::InsertControl(TControl* control)
{
    m_controls.push_back(control);
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        if (win->m_tabOrder < 0) {
            int count = 0;
            for (TControl* c : m_controls)
                if (dynamic_cast<TWinControl*>(c) && c != control)
                    ++count;
            win->m_tabOrder = count;
        }
        if (HandleAllocated()) {
            if (win->HandleAllocated())
                ::SetParent(win->m_handle, m_handle);
            else
                win->CreateWnd();
        }
    }
}

void TWinControl::RemoveControl(TControl* control)
{
    if (m_captureControl == control)
        m_captureControl = nullptr;
    auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it != m_controls.end())
        m_controls.erase(it);
    if (TForm* form = GetParentForm(this); form && static_cast<TControl*>(form->m_activeControl) == control)
        form->m_activeControl = nullptr;
    if (auto* win = dynamic_cast<TWinControl*>(control); win && win->HandleAllocated())
        win->DestroyHandle();
}

void TWinControl::UpdateBoundsFromWindow()
{
    RECT r{};
    ::GetWindowRect(m_handle, &r);
    if (HWND parent = ::GetParent(m_handle); parent && (::GetWindowLongA(m_handle, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const bool resized = r.right - r.left != m_width || r.bottom - r.top != m_height;
    m_left = r.left;
    m_top = r.top;
    m_width = r.right - r.left;
    m_height = r.bottom - r.top;
    if (resized)
        Resize();
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    if (!HandleAllocated()) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    if (!CanResize(width, height)) {
        width = m_width;
        height = m_height;
    }
    ::SetWindowPos(m_handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
}

int TWinControl::ClientWidth() const
{
    if (!m_handle)
        return m_width;
    RECT r{};
    ::GetClientRect(m_handle, &r);
    return r.right;
}

int TWinControl::ClientHeight() const
{
    if (!m_handle)
        return m_height;
    RECT r{};
    ::GetClientRect(m_handle, &r);
    return r.bottom;
}

void TWinControl::SetClientSize(int width, int height)
{
    HWND window = Handle();
    RECT client{};
    RECT outer{};
    ::GetClientRect(window, &client);
    ::GetWindowRect(window, &outer);
    SetBounds(m_left, m_top, width + (outer.right - outer.left) - client.right,
              height + (outer.bottom - outer.top) - client.bottom);
}

TPoint TWinControl::ClientToScreen(const TPoint& point) const
{
    auto* self = const_cast<TWinControl*>(this);
    POINT p = point;
    ::ClientToScreen(self->Handle(), &p);
    return p;
}

TPoint TWinControl::ScreenToClient(const TPoint& point) const
{
    auto* self = const_cast<TWinControl*>(this);
    POINT p = point;
    ::ScreenToClient(self->Handle(), &p);
    return p;
}

void TWinControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (m_handle)
        ::ShowWindow(m_handle, visible ? SW_SHOWNA : SW_HIDE);
    else if (visible && Parent() && Parent()->HandleAllocated())
        CreateWnd();
}

void TWinControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (m_handle)
        ::EnableWindow(m_handle, enabled);
    Invalidate();
}

void TWinControl::SetColor(TColor color)
{
    m_brush.SetColor(color);
    TControl::SetColor(color);
}

void TWinControl::Invalidate()
{
    if (m_handle)
        ::InvalidateRect(m_handle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update()
{
    if (m_handle)
        ::UpdateWindow(m_handle);
}

void TWinControl::FontChanged()
{
    if (m_handle)
        ::SendMessageA(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    for (TControl* child : m_controls)
        child->ParentFontChanged();
    Invalidate();
}

void TWinControl::TextChanged()
{
    if (m_handle)
        ::SetWindowTextA(m_handle, Caption().c_str());
    Invalidate();
}

void TWinControl::SetFocus()
{
    if (TForm* form = GetParentForm(this); form && form != this) {
        form->SetActiveControl(this);
        return;
    }
    if (m_handle)
        ::SetFocus(m_handle);
}

bool TWinControl::Focused() const
{
    return m_handle && ::GetFocus() == m_handle;
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent()) {
        if (dynamic_cast<const TForm*>(c))
            break;
        if (!c->Visible() || !c->Enabled())
            return false;
    }
    return true;
}

TControl* TWinControl::ControlAtPos(const TPoint& point) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible() || !c->Enabled())
            continue;
        if (point.x >= c->Left() && point.y >= c->Top() && point.x < c->Left() + c->Width() &&
            point.y < c->Top() + c->Height())
            return c;
    }
    return nullptr;
}

bool TWinControl::RouteMouseToChild(TMessage& message)
{
    const TPoint point(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
    TControl* target = m_captureControl ? m_captureControl : ControlAtPos(point);
    if (!target)
        return false;
    const LPARAM local = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
    message.Result = target->Perform(message.Msg, message.WParam, local);
    return true;
}

bool TWinControl::HandleSetCursor(TMessage& message)
{
    if (LOWORD(message.LParam) != HTCLIENT || reinterpret_cast<HWND>(message.WParam) != m_handle)
        return false;
    POINT p{};
    ::GetCursorPos(&p);
    ::ScreenToClient(m_handle, &p);
    TControl* over = ControlAtPos(p);
    TCursor cursor = over && over->Cursor() != crDefault ? over->Cursor() : Cursor();
    if (cursor == crDefault)
        return false;
    ::SetCursor(cursor == crNone ? nullptr : ::LoadCursorA(nullptr, CursorResource(cursor)));
    message.Result = TRUE;
    return true;
}

bool TWinControl::ReflectToChild(HWND child, TMessage& message)
{
    TWinControl* control = child ? FindControl(child) : nullptr;
    if (!control || control == this)
        return false;
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}

void TWinControl::WndProc(TMessage& message)
{
    if (IsMouseMessage(message.Msg) && message.Msg != WM_MOUSEWHEEL && RouteMouseToChild(message))
        return;
    TControl::WndProc(message);
}

void TWinControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        if (m_defWndProc)
            break;
        {
            PAINTSTRUCT ps{};
            HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : ::BeginPaint(m_handle, &ps);
            try {
                PaintWindow(dc);
                PaintControls(dc);
            } catch (...) {
                if (!message.WParam)
                    ::EndPaint(m_handle, &ps);
                throw;
            }
            if (!message.WParam)
                ::EndPaint(m_handle, &ps);
        }
        return;
    case WM_ERASEBKGND:
        if (m_defWndProc)
            break;
        {
            RECT r{};
            ::GetClientRect(m_handle, &r);
            ::FillRect(reinterpret_cast<HDC>(message.WParam), &r, m_brush.Handle());
            message.Result = 1;
        }
        return;
    case WM_SETFOCUS:
        if (TForm* form = GetParentForm(this); form && form != this)
            form->SetFocusedControl(this);
        DoEnter();
        break;
    case WM_KILLFOCUS:
        DoExit();
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WORD key = static_cast<WORD>(message.WParam);
        KeyDown(key, KeyboardState());
        if (key == 0)
            return;
        if (key == VK_TAB && !WantsTab() && message.Msg == WM_KEYDOWN) {
            if (TForm* form = GetParentForm(this)) {
                form->SelectNext(this, !KeyboardState().Contains(ssShift), true);
                return;
            }
        }
        message.WParam = key;
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = static_cast<WORD>(message.WParam);
        KeyUp(key, KeyboardState());
        if (key == 0)
            return;
        message.WParam = key;
        break;
    }
    case WM_CHAR: {
        char key = static_cast<char>(message.WParam);
        KeyPress(key);
        if (key == 0)
            return;
        message.WParam = static_cast<unsigned char>(key);
        break;
    }
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(message);
        if (m_handle)
            UpdateBoundsFromWindow();
        return;
    case WM_SETCURSOR:
        if (HandleSetCursor(message))
            return;
        break;
    case WM_CAPTURECHANGED:
        m_captureControl = nullptr;
        break;
    case WM_COMMAND:
        if (ReflectToChild(reinterpret_cast<HWND>(message.LParam), message))
            return;
        break;
    case WM_NOTIFY:
        if (ReflectToChild(reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom, message))
            return;
        break;
    case WM_DRAWITEM:
        if (ReflectToChild(reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem, message))
            return;
        break;
    case WM_MEASUREITEM:
        // Sent while the child is being made, before its window is known by handle.
        for (TControl* child : m_controls)
            if (auto* win = dynamic_cast<TWinControl*>(child); win && win->m_creating) {
                message.Result = win->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
                return;
            }
        break;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (message.LParam && ReflectToChild(reinterpret_cast<HWND>(message.LParam), message))
            return;
        break;
    case CN_BASE + WM_CTLCOLORLISTBOX:
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORSTATIC:
    case CN_BASE + WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        ::SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())) & 0xFFFFFF);
        ::SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Color())) & 0xFFFFFF);
        message.Result = reinterpret_cast<LRESULT>(m_brush.Handle());
        return;
    }
    case WM_NCDESTROY:
        DefaultHandler(message);
        Detach();
        return;
    default:
        break;
    }
    TControl::Dispatch(message);
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (!m_handle)
        return;
    if (message.Msg >= CN_BASE && message.Msg < CN_BASE + 0x400)
        return;  // an unanswered reflection keeps the default result 0
    message.Result = m_defWndProc
                         ? ::CallWindowProcA(m_defWndProc, m_handle, message.Msg, message.WParam, message.LParam)
                         : ::DefWindowProcA(m_handle, message.Msg, message.WParam, message.LParam);
}

void TWinControl::PaintControls(HDC dc)
{
    for (TControl* child : std::vector<TControl*>(m_controls)) {
        auto* graphic = dynamic_cast<TGraphicControl*>(child);
        if (!graphic || !graphic->Visible())
            continue;
        const TRect r = graphic->BoundsRect();
        if (::RectVisible(dc, &r))
            graphic->PaintOn(dc);
    }
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

} // namespace vcl
