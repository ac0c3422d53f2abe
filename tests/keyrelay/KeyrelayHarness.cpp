#include "KeyrelayHarness.h"

#include "RemoteProtocol.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace kova::test {
namespace {

constexpr char kRecorderClass[] = "KovaBroadcastRecorder";

std::string UniquePipeName()
{
    static LONG counter = 0;
    return "\\\\.\\pipe\\kova-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(::InterlockedIncrement(&counter));
}

} // namespace

BroadcastRecorder::BroadcastRecorder() : m_message(::RegisterWindowMessageA(keyrelay::kBroadcastCommandMessageName))
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &BroadcastRecorder::Procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kRecorderClass;
    ::RegisterClassA(&windowClass);
    m_window = ::CreateWindowExA(WS_EX_TOOLWINDOW, kRecorderClass, "kova broadcast recorder", WS_POPUP, 0, 0, 1, 1,
                                 nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
    ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

BroadcastRecorder::~BroadcastRecorder()
{
    if (m_window)
        ::DestroyWindow(m_window);
}

LRESULT CALLBACK BroadcastRecorder::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<BroadcastRecorder*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == self->m_message) {
        self->m_commands.push_back({wParam, lParam});
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

std::vector<int> BroadcastRecorder::Codes() const
{
    std::vector<int> codes;
    for (const Command& command : m_commands) {
        EXPECT_EQ(command.tag, keyrelay::BROADCAST_TAG);
        codes.push_back(static_cast<int>(command.code));
    }
    return codes;
}

size_t BroadcastRecorder::CountOf(int code) const
{
    size_t count = 0;
    for (const Command& command : m_commands)
        count += command.code == code ? 1 : 0;
    return count;
}

bool BroadcastRecorder::WaitForCount(size_t count, DWORD timeoutMs)
{
    return WaitUntil([&] { return m_commands.size() >= count; }, timeoutMs);
}

HWND FindKeyrelayWindow()
{
    return ::FindWindowA(keyrelay::kWindowClass, keyrelay::kWindowCaption);
}

void EndStrayKeyrelay()
{
    for (int i = 0; i < 5; ++i) {
        const HWND stray = FindKeyrelayWindow();
        if (!stray)
            return;
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(stray, keyrelay::WM_EXIT_RECEIVER, keyrelay::RECEIVER_TAG, 0, SMTO_ABORTIFHUNG, 2000,
                              &ignored);
        WaitUntil([&] { return !::IsWindow(stray); }, 5000);
    }
}

KeyrelayRun::KeyrelayRun() : m_receiver(UniquePipeName())
{
    EndStrayKeyrelay();
    m_environment = std::make_unique<ScopedEnvironment>(keyrelay::kReceiverPathVariable, m_receiver.Name());
}

KeyrelayRun::~KeyrelayRun()
{
    if (m_process.IsRunning() && !Exit())
        m_process.Terminate();
    m_receiver.Unplug();
}

bool KeyrelayRun::Start(const std::string& arguments)
{
    const std::string bin = BinDirectory();
    std::string commandLine = "\"" + bin + "Keyrelay.exe\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    if (!m_process.Start(commandLine, bin))
        return false;
    // The window is found as soon as it exists; its initialisation ends by hiding the "Exit"
    // button.
    return WaitUntil([&] {
        m_window = FindKeyrelayWindow();
        const HWND exitButton = m_window ? Item(IDCANCEL) : nullptr;
        return exitButton && (::GetWindowLongA(exitButton, GWL_STYLE) & WS_VISIBLE) == 0;
    }, 10000);
}

bool KeyrelayRun::ShowsDisconnected() const
{
    // The label's own visibility: the window itself is usually hidden.
    return (::GetWindowLongA(Item(IDC_DISCONNECTED), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool KeyrelayRun::WaitForDisconnected(DWORD timeoutMs)
{
    return WaitUntil([&] { return ShowsDisconnected(); }, timeoutMs);
}

bool KeyrelayRun::Connect(DWORD timeoutMs)
{
    if (!m_receiver.Plug())
        return false;
    return WaitUntil([&] { return m_receiver.WaitForClient(0) && !ShowsDisconnected(); }, timeoutMs);
}

void KeyrelayRun::SetCheck(int id, bool checked) const
{
    ::SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool KeyrelayRun::IsChecked(int id) const
{
    return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void KeyrelayRun::Click(int id) const
{
    ::SendMessageA(Item(id), BM_CLICK, 0, 0);
}

void KeyrelayRun::SendKey(BYTE code)
{
    EXPECT_TRUE(m_receiver.SendKey(code)) << "report " << int(code) << " not delivered";
}

void KeyrelayRun::PostClick(int id) const
{
    ::PostMessageA(m_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

void KeyrelayRun::Choose(int comboId, int index) const
{
    ::SendMessageA(Item(comboId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(m_window, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(comboId)));
}

// Texts of another process's controls: WM_GETTEXT is carried across, GetWindowText is not.
std::string KeyrelayRun::ItemText(int id) const
{
    char text[512] = {};
    ::SendMessageA(Item(id), WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

// List texts are read in UTF-16, the form in which they cross processes reliably; the names
// here are ASCII.
std::string KeyrelayRun::ComboText(int comboId, int index) const
{
    const HWND combo = Item(comboId);
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return "<none>";
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    if (copied < 0)
        return "<none>";
    wide.resize(static_cast<size_t>(copied));
    return std::string(wide.begin(), wide.end());
}

int KeyrelayRun::ComboSelection(int comboId) const
{
    return static_cast<int>(::SendMessageA(Item(comboId), CB_GETCURSEL, 0, 0));
}

HWND KeyrelayRun::WaitForDialog(const char* caption, DWORD timeoutMs) const
{
    struct Search {
        const char* caption;
        HWND exclude;
        DWORD process;
        HWND found;
    } search = {caption, m_window, m_process.Id(), nullptr};
    WaitUntil([&] {
        ::EnumWindows([](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            char title[128] = {};
            char windowClass[32] = {};
            ::GetWindowTextA(window, title, sizeof(title));
            ::GetClassNameA(window, windowClass, sizeof(windowClass));
            if (window != s->exclude && process == s->process && ::IsWindowVisible(window) &&
                std::string(windowClass) == "#32770" && std::string(title) == s->caption) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        }, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

bool KeyrelayRun::Exit(DWORD timeoutMs)
{
    if (!m_window)
        return false;
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(m_window, keyrelay::WM_EXIT_RECEIVER, keyrelay::RECEIVER_TAG, 0, SMTO_ABORTIFHUNG, 2000,
                          &ignored);
    DWORD code = 1;
    bool ended = false;
    WaitUntil([&] { return (ended = m_process.WaitForExit(0, &code)); }, timeoutMs);
    return ended && code == 0;
}

} // namespace kova::test
