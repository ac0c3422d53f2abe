#include "KeyboardHookRecorder.h"

#include <cstdio>

namespace kova::test {
namespace {

KeyboardHookRecorder* g_recorder = nullptr;
std::vector<HookedKey>* g_keys = nullptr;

} // namespace

KeyboardHookRecorder::KeyboardHookRecorder()
{
    g_recorder = this;
    g_keys = &m_keys;
    m_hook = ::SetWindowsHookExA(WH_KEYBOARD_LL, &KeyboardHookRecorder::Hook, ::GetModuleHandleA(nullptr), 0);
}

KeyboardHookRecorder::~KeyboardHookRecorder()
{
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
    g_recorder = nullptr;
    g_keys = nullptr;
}

LRESULT CALLBACK KeyboardHookRecorder::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_keys) {
        const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        g_keys->push_back({info->vkCode, info->scanCode, (info->flags & LLKHF_UP) != 0,
                           (info->flags & LLKHF_INJECTED) != 0, (info->flags & LLKHF_EXTENDED) != 0});
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string KeyboardHookRecorder::Describe() const
{
    std::string text;
    char item[48];
    for (const HookedKey& key : m_keys) {
        std::snprintf(item, sizeof(item), "%s%02lX/%02lX %s%s", text.empty() ? "" : ", ", key.virtualKey, key.scanCode,
                      key.up ? "up" : "down", key.injected ? "" : " (not injected)");
        text += item;
    }
    return text;
}

} // namespace kova::test
