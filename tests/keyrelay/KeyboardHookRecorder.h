#pragma once
// Records what a low-level keyboard hook sees while it is installed on this thread. The hook is
// called through this thread's messages, so the test pumps them while input arrives.

#include <windows.h>

#include <string>
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

    bool Installed() const { return m_hook != nullptr; }
    const std::vector<HookedKey>& Keys() const { return m_keys; }
    void Clear() { m_keys.clear(); }
    // "A4 down, 50 up, ..." for messages.
    std::string Describe() const;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook = nullptr;
    std::vector<HookedKey> m_keys;
};

} // namespace kova::test
