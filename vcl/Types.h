#pragma once
// Basic types of the form library: sets of flags, points and rectangles, colours, the message
// record, event closures and the exception classes. Everything lives in namespace vcl; code
// built on the library usually writes `using namespace vcl;`.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace vcl {

// A set of enumerators (each below 32), written the way form code expects:
// `style = style << csOpaque;`, `if (shift.Contains(ssShift))`.
template <typename E>
class Set {
public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> items)
    {
        for (E e : items)
            m_bits |= Bit(e);
    }
    constexpr bool Contains(E e) const { return (m_bits & Bit(e)) != 0; }
    constexpr bool Empty() const { return m_bits == 0; }
    constexpr Set operator<<(E e) const { return FromBits(m_bits | Bit(e)); }
    constexpr Set operator>>(E e) const { return FromBits(m_bits & ~Bit(e)); }
    constexpr Set& operator<<=(E e) { m_bits |= Bit(e); return *this; }
    constexpr Set& operator>>=(E e) { m_bits &= ~Bit(e); return *this; }
    constexpr bool operator==(const Set&) const = default;
    constexpr std::uint32_t Bits() const { return m_bits; }
    static constexpr Set FromBits(std::uint32_t bits) { Set s; s.m_bits = bits; return s; }

private:
    static constexpr std::uint32_t Bit(E e) { return std::uint32_t{1} << static_cast<unsigned>(e); }
    std::uint32_t m_bits = 0;
};

struct TPoint : POINT {
    constexpr TPoint() : POINT{0, 0} {}
    constexpr TPoint(int x, int y) : POINT{x, y} {}
    constexpr TPoint(const POINT& p) : POINT(p) {}
    constexpr bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
};

// Right and bottom edges are exclusive, as in Windows.
struct TRect : RECT {
    constexpr TRect() : RECT{0, 0, 0, 0} {}
    constexpr TRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr TRect(const RECT& r) : RECT(r) {}
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool operator==(const TRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Colours: 0x00BBGGRR values, or a system colour index with the top byte 0xFF.
using TColor = std::int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);

// System colours become their current RGB value; everything else is returned as it is.
inline TColor ColorToRGB(TColor color)
{
    return color < 0 ? static_cast<TColor>(::GetSysColor(color & 0xFF)) : color;
}

// A window message as the controls' WndProc and Dispatch see it.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Reflected notifications: a parent passes WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and WM_CTLCOLOR...
// on to the child control they concern as CN_BASE + message.
constexpr UINT CN_BASE = 0xBC00;

class TObject;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateItem>;

// Event closures.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TWndMethod = std::function<void(TMessage& Message)>;

// The exception classes. Handlers that escape a window procedure are shown by the application
// object's exception display.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};
class EInvalidGraphic : public Exception { using Exception::Exception; };
class EInvalidGraphicOperation : public Exception { using Exception::Exception; };
class EFOpenError : public Exception { using Exception::Exception; };
class EResNotFound : public Exception { using Exception::Exception; };
class EOutOfResources : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };
class EWin32Error : public Exception { using Exception::Exception; };

// "Cannot open file "x". <system text>" for the last error of a failed open.
std::string FileOpenErrorText(const std::string& path, DWORD error);

} // namespace vcl
