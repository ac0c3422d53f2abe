#include "KeyboardHookRecorder.h"

#include "support/TestSupport.h"

#include <cstdio>

namespace kova::test {
namespace {

KeyboardHookRecorder* g_recorder = nullptr;

} // namespace

KeyboardHookRecorder::KeyboardHookRecorder()
{
    g_recorder = this;
    tessel::UniqueKernelHandle ready(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    m_ready = ready.get();
    m_thread = std::thread([this] { Run(); });
    ::WaitForSingleObject(ready.get(), 5000);
    m_ready = nullptr;
}

KeyboardHookRecorder::~KeyboardHookRecorder()
{
    if (m_threadId)
        ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    if (m_thread.joinable())
        m_thread.join();
    g_recorder = nullptr;
}

void KeyboardHookRecorder::Run()
{
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);   // gives the thread its queue
    m_threadId = ::GetCurrentThreadId();
    const HHOOK hook = ::SetWindowsHookExA(WH_KEYBOARD_LL, &KeyboardHookRecorder::Hook, ::GetModuleHandleA(nullptr), 0);
    m_installed = hook != nullptr;
    ::SetEvent(m_ready);
    while (::GetMessageA(&message, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&message);
    if (hook)
        ::UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK KeyboardHookRecorder::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_recorder) {
        const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const std::lock_guard<std::mutex> guard(g_recorder->m_lock);
        g_recorder->m_keys.push_back({info->vkCode, info->scanCode, (info->flags & LLKHF_UP) != 0,
                                      (info->flags & LLKHF_INJECTED) != 0, (info->flags & LLKHF_EXTENDED) != 0});
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<HookedKey> KeyboardHookRecorder::Keys() const
{
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_keys;
}

size_t KeyboardHookRecorder::Count() const
{
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_keys.size();
}

bool KeyboardHookRecorder::WaitForCount(size_t count, DWORD timeoutMs) const
{
    return WaitUntil([&] { return Count() >= count; }, timeoutMs);
}

std::string KeyboardHookRecorder::Describe() const
{
    std::string text;
    char item[48];
    for (const HookedKey& key : Keys()) {
        std::snprintf(item, sizeof(item), "%s%02lX/%02lX %s%s", text.empty() ? "" : ", ", key.virtualKey, key.scanCode,
                      key.up ? "up" : "down", key.injected ? "" : " (not injected)");
        text += item;
    }
    return text;
}

} // namespace kova::test
