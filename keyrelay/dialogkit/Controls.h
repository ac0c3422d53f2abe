#pragma once
// Thin, non-owning wrappers around a window handle and the standard controls Keyrelay binds.
// Every method is one message or one call; the reader thread may use them too, since a message
// to another thread's window is served by that thread.

#include <windows.h>

#include <string>

namespace keyrelay::ui {

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : m_handle(handle) {}

    void Attach(HWND handle) { m_handle = handle; }
    HWND Handle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_handle, message, wParam, lParam);
    }
    bool Show(int command) const { return ::ShowWindow(m_handle, command) != FALSE; }
    bool IsVisible() const { return ::IsWindowVisible(m_handle) != FALSE; }
    void Enable(bool enable) const { ::EnableWindow(m_handle, enable ? TRUE : FALSE); }
    bool IsEnabled() const { return ::IsWindowEnabled(m_handle) != FALSE; }
    void SetText(const char* text) const { ::SetWindowTextA(m_handle, text); }
    // The text, cut to at most maxChars characters.
    std::string Text(int maxChars = 260) const;
    HWND Item(int id) const { return ::GetDlgItem(m_handle, id); }

private:
    HWND m_handle = nullptr;
};

// Check boxes and radio buttons.
class Button : public Window {
public:
    using Window::Window;
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

class ComboBox : public Window {
public:
    using Window::Window;
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int Add(const char* text) const
    {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int Insert(int index, const char* text) const
    {
        return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    void Delete(int index) const { Send(CB_DELETESTRING, static_cast<WPARAM>(index)); }
    void Clear() const { Send(CB_RESETCONTENT); }
    // CB_ERR (-1) when nothing is selected.
    int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void Select(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    LRESULT ItemData(int index) const { return Send(CB_GETITEMDATA, static_cast<WPARAM>(index)); }
    void SetItemData(int index, LPARAM data) const { Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data); }
};

class Edit : public Window {
public:
    using Window::Window;
    // Selects all the text and scrolls the caret, at its end, into view.
    void SelectAllAndReveal() const
    {
        Send(EM_SETSEL, 0, -1);
        Send(EM_SCROLLCARET);
    }
};

} // namespace keyrelay::ui
