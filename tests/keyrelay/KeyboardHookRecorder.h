#pragma once
// Records what a low-level keyboard hook sees. The hook lives on a thread of its own that does
// nothing but answer it, so no key is lost to a slow answer while the test thread is busy.

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kova::test {

struct HookedKey {
    DWORD virtualKey;
    DWORD scanCode;
    bool up;
    bool injected;
    bool extended;
};

class KeyboardHookRecorder {
public:
    KeyboardHookRecorder();
    ~KeyboardHookRecorder();
    KeyboardHookRecorder(const KeyboardHookRecorder&) = delete;
    KeyboardHookRecorder& operator=(const KeyboardHookRecorder&) = delete;

    bool Installed() const { return m_installed; }
    std::vector<HookedKey> Keys() const;
    size_t Count() const;
    // Waits until `count` keys were seen or the time is up (pumping this thread's messages).
    bool WaitForCount(size_t count, DWORD timeoutMs) const;
    // "A4/00 down, 50/19 up, ..." for messages.
    std::string Describe() const;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void Run();

    mutable std::mutex m_lock;
    std::vector<HookedKey> m_keys;
    bool m_installed = false;
    DWORD m_threadId = 0;
    HANDLE m_ready = nullptr;
    std::thread m_thread;
};

} // namespace kova::test
