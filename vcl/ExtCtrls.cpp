#include "vcl/ExtCtrls.h"

#include "vcl/Forms.h"

#include <unordered_map>

namespace vcl {

// --- TImage ----------------------------------------------------------------------------------

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    m_width = 105;
    m_height = 105;
    m_picture.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged()
{
    TBitmap* bitmap = m_picture.Bitmap();
    if (bitmap->Transparent() != m_transparent)
        bitmap->SetTransparent(m_transparent);  // comes back here once
    if (m_autoSize && !bitmap->Empty())
        SetBounds(Left(), Top(), bitmap->Width(), bitmap->Height());
    Invalidate();
}

void TImage::SetAutoSize(bool value)
{
    m_autoSize = value;
    if (value)
        PictureChanged();
}

void TImage::SetTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    m_picture.Bitmap()->SetTransparent(value);
}

void TImage::Paint()
{
    TBitmap* bitmap = m_picture.Bitmap();
    if (!bitmap->Empty())
        TGraphicControl::Canvas()->Draw(0, 0, bitmap);
}

// --- TTimer ----------------------------------------------------------------------------------

namespace {

std::unordered_map<UINT_PTR, TTimer*>& LiveTimers()
{
    static auto* timers = new std::unordered_map<UINT_PTR, TTimer*>;
    return *timers;
}

} // namespace

LRESULT CALLBACK TTimer::TimerWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_TIMER)
        return ::DefWindowProcA(window, msg, wParam, lParam);
    auto& timers = LiveTimers();
    auto it = timers.find(static_cast<UINT_PTR>(wParam));
    if (it != timers.end() && it->second->OnTimer) {
        try {
            it->second->OnTimer(it->second);
        } catch (const std::exception& error) {
            Application->HandleException(error);
        } catch (...) {
            Application->HandleException(Exception("Unknown exception in a timer event"));
        }
    }
    return 0;
}

namespace {
// One message-only window for all timers: it receives no broadcasts.
HWND TimerWindow(WNDPROC procedure)
{
    static HWND window = nullptr;
    if (!window) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = procedure;
        wc.hInstance = HInstance();
        wc.lpszClassName = "TTimerWindow";
        ::RegisterClassA(&wc);
        window = ::CreateWindowExA(0, "TTimerWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, HInstance(), nullptr);
    }
    return window;
}
} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    static UINT_PTR nextId = 1;
    m_id = nextId++;
    LiveTimers()[m_id] = this;
    UpdateTimer();
}

TTimer::~TTimer()
{
    m_enabled = false;
    UpdateTimer();
    LiveTimers().erase(m_id);
}

void TTimer::SetEnabled(bool value)
{
    if (value == m_enabled)
        return;
    m_enabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    HWND window = TimerWindow(&TTimer::TimerWindowProcedure);
    if (m_running) {
        ::KillTimer(window, m_id);
        m_running = false;
    }
    if (m_enabled && m_interval > 0) {
        if (!::SetTimer(window, m_id, m_interval, nullptr))
            throw EOutOfResources("Not enough timers available");
        m_running = true;
    }
}

} // namespace vcl
