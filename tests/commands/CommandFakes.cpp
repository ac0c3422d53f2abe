#include "CommandFakes.h"

namespace kova::test {

DWORD ScriptedClock::Now()
{
    while (!m_posts.empty() && m_posts.begin()->first <= m_now - m_start) {
        const Post& post = m_posts.begin()->second;
        if (post.window)
            PostMessageA(post.window, post.message, post.wParam, post.lParam);
        else
            PostThreadMessageA(GetCurrentThreadId(), post.message, post.wParam, post.lParam);
        m_posts.erase(m_posts.begin());
    }
    return m_now;
}

void ScriptedClock::Idle(DWORD maxMs)
{
    DWORD step = maxMs;
    if (!m_posts.empty()) {
        const DWORD untilNext = m_posts.begin()->first - (m_now - m_start);
        if (untilNext < step)
            step = untilNext;
    }
    m_now += step > 0 ? step : 1;
}

void ScriptedClock::PostAt(DWORD at, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    m_posts.emplace(at - m_start, Post{window, message, wParam, lParam});
}

RecordingWindow::RecordingWindow()
{
    static const char* const kClass = "KovaRecordingWindow";
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &RecordingWindow::Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassA(&windowClass);   // fails harmlessly when already registered
    m_window = CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), this);
    SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RecordingWindow::~RecordingWindow()
{
    if (m_window)
        DestroyWindow(m_window);
}

LRESULT CALLBACK RecordingWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message >= WM_USER)
        self->m_received.push_back(std::to_string(message) + ":" + std::to_string(wParam) + ":" +
                                   std::to_string(lParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

namespace {

std::string At(const ScriptedClock* clock)
{
    return clock ? " @" + std::to_string(clock->Time()) : "";
}

} // namespace

void FakeServices::EnterQuiet()
{
    calls.push_back("EnterQuiet");
    quietMode = 1;
}

void FakeServices::LeaveQuiet()
{
    calls.push_back("LeaveQuiet");
    quietMode = 0;
}

void FakeServices::EnterWirelessOnly()
{
    calls.push_back("EnterWirelessOnly");
    quietMode = 2;
}

void FakeServices::HideBlack()
{
    // Hiding the black screen leaves wireless-only mode in the library.
    calls.push_back("HideBlack");
    quietMode = 0;
}

void FakeServices::ShowNotice(int bitmapIndex, unsigned durationMs)
{
    calls.push_back("notice " + std::to_string(bitmapIndex) + " " + std::to_string(durationMs));
    if (clock)
        clock->Advance(durationMs);
}

void FakeServices::ShowConfirmation(int bitmapIndex)
{
    calls.push_back("confirm " + std::to_string(bitmapIndex));
}

void FakeServices::HideConfirmation()
{
    calls.push_back("hide" + At(clock));
}

bool FakeServices::PowerOffSystem(int forceMode, unsigned reason)
{
    calls.push_back("PowerOff " + std::to_string(forceMode) + " " + std::to_string(reason));
    return powerActionsSucceed;
}

bool FakeServices::HibernateSystem(bool force)
{
    calls.push_back(std::string("Hibernate ") + (force ? "1" : "0"));
    return powerActionsSucceed;
}

bool FakeServices::StandbySystem(bool force)
{
    calls.push_back(std::string("Standby ") + (force ? "1" : "0"));
    return powerActionsSucceed;
}

bool FakeServices::SetHibernation(bool on)
{
    calls.push_back(std::string("SetHibernation ") + (on ? "1" : "0"));
    if (setHibernationEnables)
        hibernateAllowed = on;
    return true;
}

} // namespace kova::test
