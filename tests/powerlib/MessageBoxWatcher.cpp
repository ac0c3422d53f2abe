#include "MessageBoxWatcher.h"

#include <algorithm>

namespace kova::test {
namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher() : m_thread([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher()
{
    m_running = false;
    m_thread.join();
}

std::vector<ShownMessage> MessageBoxWatcher::Messages() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_messages;
}

void MessageBoxWatcher::Watch()
{
    while (m_running) {
        EnumWindows(&MessageBoxWatcher::AnswerWindow, reinterpret_cast<LPARAM>(this));
        Sleep(20);
    }
}

BOOL CALLBACK MessageBoxWatcher::AnswerWindow(HWND window, LPARAM self)
{
    auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (process != GetCurrentProcessId() || std::string(className) != "#32770" ||
        !IsWindowVisible(window))
        return TRUE;
    {
        std::lock_guard<std::mutex> guard(watcher->m_lock);
        if (std::find(watcher->m_answered.begin(), watcher->m_answered.end(), window) ==
            watcher->m_answered.end()) {
            watcher->m_answered.push_back(window);
            char text[1024] = {};
            GetDlgItemTextA(window, kMessageTextId, text, sizeof(text));
            watcher->m_messages.push_back({WindowText(window), text});
        }
    }
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

} // namespace kova::test
