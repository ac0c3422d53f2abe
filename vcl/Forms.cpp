#include "vcl/Forms.h"

#include <algorithm>

namespace vcl {

namespace {
TApplication g_application(nullptr);
TScreen g_screen(nullptr);

LRESULT CALLBACK ApplicationWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(window, msg, wParam, lParam);
}
} // namespace

TApplication* Application = &g_application;
TScreen* Screen = &g_screen;

HINSTANCE HInstance()
{
    return ::GetModuleHandleA(nullptr);
}

// --- TForm -----------------------------------------------------------------------------------

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    m_visible = false;
    m_width = 320;
    m_height = 240;
}

TForm::~TForm()
{
    Application->FormDestroyed(this);
}

void TForm::BeforeDestruction()
{
    if (OnDestroy)
        OnDestroy(this);
    Application->FormDestroyed(this);
    TWinControl::BeforeDestruction();
}

void TForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.ExStyle = 0;
    params.WndParent = Application->Handle();
    switch (m_borderStyle) {
    case bsNone: params.Style |= WS_POPUP; break;
    case bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case bsToolWindow:
        params.Style |= WS_CAPTION;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (m_borderStyle != bsNone && m_borderIcons.Contains(biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        if (m_borderStyle == bsSingle || m_borderStyle == bsSizeable) {
            if (m_borderIcons.Contains(biMinimize))
                params.Style |= WS_MINIMIZEBOX;
            if (m_borderIcons.Contains(biMaximize))
                params.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (m_formStyle == fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
}

// Border and style changes after the window exists are applied to it in place.
void TForm::RecreateIfNeeded()
{
    if (!HandleAllocated())
        return;
    TCreateParams params;
    CreateParams(params);
    const LONG visible = ::GetWindowLongA(Handle(), GWL_STYLE) & WS_VISIBLE;
    ::SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(params.Style) | visible);
    ::SetWindowLongA(Handle(), GWL_EXSTYLE, static_cast<LONG>(params.ExStyle));
    ::SetWindowPos(Handle(), (params.ExStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    RecreateIfNeeded();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    m_borderIcons = icons;
    RecreateIfNeeded();
}

void TForm::SetFormStyle(TFormStyle style)
{
    if (style == m_formStyle)
        return;
    m_formStyle = style;
    RecreateIfNeeded();
}

void TForm::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    HWND window = Handle();
    m_visible = visible;
    if (visible) {
        DoShow();
        ::ShowWindow(window, SW_SHOW);
    } else {
        DoHide();
        ::ShowWindow(window, SW_HIDE);
    }
}

void TForm::SetFocus()
{
    ::SetFocus(Handle());
}

void TForm::SetActiveControl(TWinControl* control)
{
    m_activeControl = control;
    if (control && HandleAllocated() && ::IsWindowVisible(m_handle) && control->CanFocus())
        ::SetFocus(control->Handle());
}

void TForm::SetFocusedControl(TWinControl* control)
{
    m_activeControl = control;
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TForm::Close()
{
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: ::ShowWindow(Handle(), SW_MINIMIZE); break;
    case caFree: Release(); break;
    default: break;
    }
}

void TForm::Release()
{
    ::PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

std::vector<TWinControl*> TForm::TabOrderList() const
{
    std::vector<TWinControl*> list;
    auto add = [&list](const TWinControl* container, auto& self) -> void {
        std::vector<TWinControl*> children;
        for (int i = 0; i < container->ControlCount(); ++i)
            if (auto* win = dynamic_cast<TWinControl*>(container->Controls(i)))
                children.push_back(win);
        std::stable_sort(children.begin(), children.end(),
                         [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
        for (TWinControl* child : children) {
            list.push_back(child);
            self(child, self);
        }
    };
    add(this, add);
    return list;
}

void TForm::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    const std::vector<TWinControl*> list = TabOrderList();
    const int count = static_cast<int>(list.size());
    if (count == 0)
        return;
    auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (goForward ? -1 : count) : static_cast<int>(found - list.begin());
    for (int step = 1; step <= count; ++step) {
        const int index = ((goForward ? start + step : start - step) % count + count) % count;
        TWinControl* candidate = list[static_cast<size_t>(index)];
        if ((!checkTabStop || candidate->TabStop()) && candidate->CanFocus()) {
            SetActiveControl(candidate);
            return;
        }
    }
}

void TForm::PaintWindow(HDC dc)
{
    m_canvas.SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        m_canvas.SetHandle(nullptr);
        throw;
    }
    m_canvas.SetHandle(nullptr);
}

void TForm::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

void TForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NEXTDLGCTL:
        if (LOWORD(message.LParam))
            ::SetFocus(reinterpret_cast<HWND>(message.WParam));
        else
            SelectNext(m_activeControl, message.WParam == 0, true);
        message.Result = 0;
        return;
    case WM_CLOSE:
        Close();
        return;
    case WM_ACTIVATE:
        if (LOWORD(message.WParam) != WA_INACTIVE && !HIWORD(message.WParam) && m_activeControl &&
            m_activeControl->CanFocus()) {
            ::SetFocus(m_activeControl->Handle());
            return;
        }
        break;
    case WM_SETFOCUS:
        if (m_activeControl && m_activeControl->CanFocus()) {
            ::SetFocus(m_activeControl->Handle());
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::Dispatch(message);
}

// --- TScreen ---------------------------------------------------------------------------------

int TScreen::PixelsPerInch() const
{
    tessel::WindowDc screen(nullptr);
    return ::GetDeviceCaps(screen.get(), LOGPIXELSY);
}

// --- TApplication ----------------------------------------------------------------------------

TApplication::TApplication(TComponent* owner) : TComponent(owner)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    m_title = name.substr(0, name.rfind('.'));
}

TApplication::~TApplication()
{
    while (ComponentCount() > 0)
        Free(Components(ComponentCount() - 1));
    if (m_handle)
        ::DestroyWindow(m_handle);
}

HWND TApplication::Handle()
{
    if (!m_handle) {
        WNDCLASSA existing{};
        if (!::GetClassInfoA(HInstance(), "TApplication", &existing)) {
            WNDCLASSA wc{};
            wc.lpfnWndProc = &ApplicationWindowProcedure;
            wc.hInstance = HInstance();
            wc.lpszClassName = "TApplication";
            ::RegisterClassA(&wc);
        }
        m_handle = ::CreateWindowExA(0, "TApplication", m_title.c_str(),
                                     WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0,
                                     0, nullptr, nullptr, HInstance(), nullptr);
        if (!m_handle)
            throw EWin32Error("Cannot make the application window");
    }
    return m_handle;
}

void TApplication::SetTitle(const std::string& title)
{
    m_title = title;
    if (m_handle)
        ::SetWindowTextA(m_handle, title.c_str());
}

void TApplication::FormDestroyed(TForm* form)
{
    if (m_mainForm == form)
        m_mainForm = nullptr;
}

void TApplication::Run()
{
    if (m_showMainForm && m_mainForm && !m_terminated)
        m_mainForm->Show();
    while (!m_terminated)
        HandleMessage();
}

void TApplication::Terminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    ::PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        m_terminated = true;
        return true;
    }
    bool handled = false;
    try {
        if (OnMessage)
            OnMessage(msg, handled);
    } catch (const std::exception& error) {
        HandleException(error);
        handled = true;
    }
    if (!handled) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg) && msg.message != WM_QUIT) {
    }
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (!ProcessMessage(msg))
        ::WaitMessage();
}

void TApplication::HandleException(const std::exception& error)
{
    if (OnException)
        OnException(this, error);
    else
        ShowException(error);
}

void TApplication::ShowException(const std::exception& error)
{
    std::string text = error.what();
    if (!text.empty() && text.back() != '.')
        text += '.';
    ::MessageBoxA(m_handle, text.c_str(), m_title.c_str(), MB_OK | MB_ICONSTOP);
}

} // namespace vcl
