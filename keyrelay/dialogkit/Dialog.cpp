#include "Dialog.h"

namespace keyrelay::ui {
namespace {

// Messages whose result the dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

} // namespace

Dialog::~Dialog()
{
    if (Handle() && ::IsWindow(Handle()))
        ::DestroyWindow(Handle());
}

INT_PTR Dialog::RunModal(HWND owner, bool visible)
{
    m_ended = false;
    m_result = -1;
    const HWND window = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                             owner, &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window)
        return -1;
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner)
        ::EnableWindow(owner, FALSE);
    if (visible && !m_ended)
        ::ShowWindow(window, SW_SHOW);
    const bool quit = !RunLoop();
    if (disableOwner)
        ::EnableWindow(owner, TRUE);
    DestroyWindow();
    if (quit)
        ::PostQuitMessage(0);
    return m_result;
}

void Dialog::End(INT_PTR result)
{
    m_result = result;
    m_ended = true;
    ::PostMessageA(Handle(), WM_NULL, 0, 0);   // wakes the loop
}

void Dialog::DestroyWindow()
{
    if (Handle() && ::IsWindow(Handle()))
        ::DestroyWindow(Handle());
    Attach(nullptr);
}

RECT Dialog::MapDialogRect(int left, int top, int right, int bottom) const
{
    RECT rect = {left, top, right, bottom};
    ::MapDialogRect(Handle(), &rect);
    return rect;
}

std::optional<INT_PTR> Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return std::nullopt;
    const int id = LOWORD(wParam);
    const int notification = HIWORD(wParam);
    if (OnCommand(id, notification))
        return TRUE;
    if (notification == BN_CLICKED && id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (notification == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return std::nullopt;
}

bool Dialog::OnCommand(int, int)
{
    return false;
}

bool Dialog::PreTranslateMessage(MSG&)
{
    return false;
}

// False when WM_QUIT arrived (it is passed on by RunModal).
bool Dialog::RunLoop()
{
    MSG message;
    while (!m_ended) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0)
            return false;
        if (got == -1)
            return true;
        if (PreTranslateMessage(message))
            continue;
        if (::IsDialogMessageA(Handle(), &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->Attach(window);
        return self->OnInitDialog() ? TRUE : FALSE;
    }
    self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (!self)
        return FALSE;
    const std::optional<INT_PTR> result = self->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
        self->Attach(nullptr);
    }
    if (!result)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return *result;
    ::SetWindowLongPtrA(window, DWLP_MSGRESULT, *result);
    return TRUE;
}

} // namespace keyrelay::ui
