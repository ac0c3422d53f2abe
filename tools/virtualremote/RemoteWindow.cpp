#include "RemoteWindow.h"

#include <windowsx.h>

#include <array>
#include <string>

namespace kova::remote {
namespace {

constexpr int kClientWidth = 240;
constexpr int kClientHeight = 430;
constexpr UINT_PTR kPollTimer = 1;
constexpr int kPlugButtonId = 100;
constexpr COLORREF kBody = RGB(40, 44, 52);
constexpr COLORREF kKeyFace = RGB(214, 219, 226);
constexpr COLORREF kKeyPressed = RGB(120, 190, 255);

struct KeyButton {
    int key;
    RECT rect;
    COLORREF face;
};

// The keys as they sit on the remote.
constexpr std::array<KeyButton, 11> kLayout = {{
    {1, {30, 20, 110, 56}, RGB(208, 60, 60)},
    {2, {130, 20, 210, 56}, kKeyFace},
    {3, {30, 70, 110, 102}, kKeyFace},
    {4, {130, 70, 210, 102}, kKeyFace},
    {5, {70, 118, 170, 158}, RGB(70, 130, 210)},
    {6, {70, 172, 170, 204}, kKeyFace},
    {7, {30, 220, 92, 256}, kKeyFace},
    {11, {30, 264, 92, 300}, kKeyFace},
    {9, {100, 220, 210, 256}, kKeyFace},
    {8, {100, 264, 153, 300}, kKeyFace},
    {10, {157, 264, 210, 300}, kKeyFace},
}};

class RemoteWindow {
public:
    explicit RemoteWindow(RemotePipeServer& server) : m_server(server) {}

    int Run()
    {
        const HINSTANCE instance = ::GetModuleHandleA(nullptr);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &RemoteWindow::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = "KovaVirtualRemote";
        windowClass.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
        ::RegisterClassA(&windowClass);
        constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        RECT frame = {0, 0, kClientWidth, kClientHeight};
        ::AdjustWindowRect(&frame, style, FALSE);
        const HWND window = ::CreateWindowExA(0, windowClass.lpszClassName, "Virtual Remote", style, CW_USEDEFAULT,
                                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                              nullptr, nullptr, instance, this);
        if (!window)
            return 1;
        ::ShowWindow(window, SW_SHOWNORMAL);
        MSG message;
        while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        return 0;
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<RemoteWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->m_window = window;
        }
        auto* self = reinterpret_cast<RemoteWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        return self ? self->Handle(message, wParam, lParam) : ::DefWindowProcA(window, message, wParam, lParam);
    }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_CREATE:
            m_plugButton = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 70, 390, 100, 26,
                                             m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPlugButtonId)),
                                             ::GetModuleHandleA(nullptr), nullptr);
            ::SendMessageA(m_plugButton, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
            ::SetTimer(m_window, kPollTimer, 100, nullptr);
            UpdateStatus();
            return 0;
        case WM_TIMER:
            UpdateStatus();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kPlugButtonId) {
                if (m_server.IsPlugged())
                    m_server.Unplug();
                else
                    m_server.Plug();
                UpdateStatus();
            }
            return 0;
        case WM_LBUTTONDOWN:
            Press(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            Release();
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DESTROY:
            ::KillTimer(m_window, kPollTimer);
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(m_window, message, wParam, lParam);
        }
    }

    void Press(int x, int y)
    {
        const POINT point = {x, y};
        for (const KeyButton& button : kLayout) {
            if (!::PtInRect(&button.rect, point))
                continue;
            m_pressed = button.key;
            ::InvalidateRect(m_window, &button.rect, FALSE);
            m_server.SendKey(static_cast<BYTE>(button.key));
            if (button.key == 7 || button.key == 11)
                ::SetCapture(m_window);   // held until the mouse button is released
            else
                m_server.SendKey(0);
            return;
        }
    }

    void Release()
    {
        if (m_pressed == 0)
            return;
        const int key = m_pressed;
        m_pressed = 0;
        if (key == 7 || key == 11) {
            m_server.SendKey(0);
            if (::GetCapture() == m_window)
                ::ReleaseCapture();
        }
        ::InvalidateRect(m_window, nullptr, FALSE);
    }

    void UpdateStatus()
    {
        const char* status = !m_server.IsPlugged()           ? "Receiver unplugged"
                             : m_server.WaitForClient(0)     ? "Keyrelay connected"
                                                             : "Waiting for Keyrelay";
        if (status != m_status) {
            m_status = status;
            ::SetWindowTextA(m_plugButton, m_server.IsPlugged() ? "Unplug" : "Plug in");
            const RECT area = {0, 340, kClientWidth, 388};
            ::InvalidateRect(m_window, &area, TRUE);
        }
    }

    void Paint()
    {
        PAINTSTRUCT paint;
        const HDC dc = ::BeginPaint(m_window, &paint);
        {
            tessel::UniqueGdiObject body(::CreateSolidBrush(kBody));
            tessel::SelectGuard bodyBrush(dc, body.get());
            tessel::SelectGuard pen(dc, ::GetStockObject(BLACK_PEN));
            tessel::SelectGuard font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
            ::RoundRect(dc, 15, 6, kClientWidth - 15, 332, 40, 40);
            ::SetBkMode(dc, TRANSPARENT);
            for (const KeyButton& button : kLayout) {
                tessel::UniqueGdiObject face(::CreateSolidBrush(button.key == m_pressed ? kKeyPressed : button.face));
                tessel::SelectGuard faceBrush(dc, face.get());
                ::RoundRect(dc, button.rect.left, button.rect.top, button.rect.right, button.rect.bottom, 14, 14);
                ::SetTextColor(dc, button.key == 1 || button.key == 5 ? RGB(255, 255, 255) : RGB(20, 24, 30));
                RECT text = button.rect;
                ::DrawTextA(dc, KeyLabel(button.key), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
            ::SetTextColor(dc, RGB(200, 206, 216));
            RECT brand = {15, 306, kClientWidth - 15, 326};
            ::DrawTextA(dc, "VELTRA  kova remote", -1, &brand, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
            RECT pipe = {4, 340, kClientWidth - 4, 358};
            ::DrawTextA(dc, m_server.Name().c_str(), -1, &pipe, DT_CENTER | DT_SINGLELINE | DT_PATH_ELLIPSIS);
            RECT status = {4, 360, kClientWidth - 4, 380};
            ::DrawTextA(dc, m_status, -1, &status, DT_CENTER | DT_SINGLELINE);
        }
        ::EndPaint(m_window, &paint);
    }

    RemotePipeServer& m_server;
    HWND m_window = nullptr;
    HWND m_plugButton = nullptr;
    int m_pressed = 0;
    const char* m_status = "";
};

} // namespace

int RunRemoteWindow(RemotePipeServer& server)
{
    return RemoteWindow(server).Run();
}

} // namespace kova::remote
