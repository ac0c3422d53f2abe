#pragma once
// Answers the message boxes this process shows while the watcher lives, and records them.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kova::test {

struct ShownMessage {
    std::string caption;
    std::string text;
};

class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<ShownMessage> Messages() const;

private:
    void Watch();
    static BOOL CALLBACK AnswerWindow(HWND window, LPARAM self);

    mutable std::mutex m_lock;
    std::vector<ShownMessage> m_messages;
    std::vector<HWND> m_answered;
    std::atomic<bool> m_running{true};
    std::thread m_thread;
};

} // namespace kova::test
