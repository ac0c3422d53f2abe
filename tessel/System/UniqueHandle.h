#pragma once
// One owner for each operating-system resource: a move-only holder that releases its handle in
// the destructor. Header-only, so that every deliverable can use it without linking tessel.

#include <windows.h>

#include <utility>

namespace tessel {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : m_handle(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return m_handle; }
    bool valid() const noexcept { return m_handle != Traits::Invalid(); }
    explicit operator bool() const noexcept { return valid(); }

    Handle release() noexcept { return std::exchange(m_handle, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) noexcept
    {
        const Handle old = std::exchange(m_handle, handle);
        if (old != Traits::Invalid())
            Traits::Close(old);
    }
    // For functions that return a handle through an out parameter; releases the old one first.
    Handle* put() noexcept
    {
        reset();
        return &m_handle;
    }

private:
    Handle m_handle = Traits::Invalid();
};

namespace handle_traits {

struct Kernel {  // CreateEvent, CreateMutex, CreateThread, OpenProcess: null when invalid
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::CloseHandle(h); }
};
struct File {  // CreateFile, CreateNamedPipe: INVALID_HANDLE_VALUE when invalid
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::CloseHandle(h); }
};
struct FindFile {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::FindClose(h); }
};
struct RegKey {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::RegCloseKey(h); }
};
struct GdiObject {
    using Handle = HGDIOBJ;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DeleteObject(h); }
};
struct Module {
    using Handle = HMODULE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::FreeLibrary(h); }
};
struct Menu {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyMenu(h); }
};
struct Icon {
    using Handle = HICON;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyIcon(h); }
};
struct MemoryDc {  // CreateCompatibleDC
    using Handle = HDC;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DeleteDC(h); }
};

} // namespace handle_traits

using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueFileHandle = UniqueHandle<handle_traits::File>;
using UniqueFindHandle = UniqueHandle<handle_traits::FindFile>;
using UniqueRegKey = UniqueHandle<handle_traits::RegKey>;
using UniqueGdiObject = UniqueHandle<handle_traits::GdiObject>;
using UniqueModule = UniqueHandle<handle_traits::Module>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueMemoryDc = UniqueHandle<handle_traits::MemoryDc>;

// A device context obtained with GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : m_window(window), m_dc(::GetDC(window)) {}
    ~WindowDc()
    {
        if (m_dc)
            ::ReleaseDC(m_window, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects an object into a device context for the lifetime of the guard.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : m_dc(dc), m_old(::SelectObject(dc, object)) {}
    ~SelectGuard() { ::SelectObject(m_dc, m_old); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

} // namespace tessel
