// Keyrelay's artwork: the remote (150 x 300), one 20 x 20 picture per key, and the connected and
// disconnected icons at 16 and 32 pixels. Magenta marks transparent pixels.
// Usage: KeyrelayArt <output folder>

#include "ArtCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using kova::art::ArtCanvas;
using tessel::SelectGuard;
using tessel::UniqueGdiObject;

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr COLORREF kBodyDark = RGB(38, 42, 50);
constexpr COLORREF kBodyLight = RGB(78, 86, 100);
constexpr COLORREF kKeyFace = RGB(214, 219, 226);
constexpr COLORREF kKeyEdge = RGB(120, 128, 140);
constexpr COLORREF kSymbol = RGB(30, 34, 42);
constexpr COLORREF kPowerRed = RGB(208, 40, 40);
constexpr COLORREF kLaunchBlue = RGB(40, 110, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);

void Fill(HDC dc, const RECT& r, COLORREF colour)
{
    UniqueGdiObject brush(CreateSolidBrush(colour));
    FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
}

void RoundBox(HDC dc, RECT r, int radius, COLORREF face, COLORREF edge, int edgeWidth = 1)
{
    UniqueGdiObject brush(CreateSolidBrush(face));
    UniqueGdiObject pen(CreatePen(PS_SOLID, edgeWidth, edge));
    SelectGuard b(dc, brush.get());
    SelectGuard p(dc, pen.get());
    RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
}

void Disc(HDC dc, int cx, int cy, int radius, COLORREF face, COLORREF edge)
{
    UniqueGdiObject brush(CreateSolidBrush(face));
    UniqueGdiObject pen(CreatePen(PS_SOLID, 1, edge));
    SelectGuard b(dc, brush.get());
    SelectGuard p(dc, pen.get());
    Ellipse(dc, cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
}

void Poly(HDC dc, const POINT* points, int count, COLORREF colour)
{
    UniqueGdiObject brush(CreateSolidBrush(colour));
    UniqueGdiObject pen(CreatePen(PS_SOLID, 1, colour));
    SelectGuard b(dc, brush.get());
    SelectGuard p(dc, pen.get());
    Polygon(dc, points, count);
}

void Line(HDC dc, int x1, int y1, int x2, int y2, int width, COLORREF colour)
{
    UniqueGdiObject pen(CreatePen(PS_SOLID, width, colour));
    SelectGuard p(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void ArcAt(HDC dc, int cx, int cy, int radius, double fromDeg, double toDeg, int width, COLORREF colour)
{
    UniqueGdiObject pen(CreatePen(PS_SOLID, width, colour));
    SelectGuard p(dc, pen.get());
    SelectGuard b(dc, GetStockObject(NULL_BRUSH));
    const double pi = 3.14159265358979;
    const int x1 = cx + static_cast<int>(std::lround(radius * std::cos(fromDeg * pi / 180)));
    const int y1 = cy - static_cast<int>(std::lround(radius * std::sin(fromDeg * pi / 180)));
    const int x2 = cx + static_cast<int>(std::lround(radius * std::cos(toDeg * pi / 180)));
    const int y2 = cy - static_cast<int>(std::lround(radius * std::sin(toDeg * pi / 180)));
    SetArcDirection(dc, AD_COUNTERCLOCKWISE);
    Arc(dc, cx - radius, cy - radius, cx + radius + 1, cy + radius + 1, x1, y1, x2, y2);
}

void Triangle(HDC dc, int x, int y, int w, int h, bool right, COLORREF colour)
{
    POINT points[3];
    if (right) {
        points[0] = {x, y};
        points[1] = {x + w, y + h / 2};
        points[2] = {x, y + h};
    } else {
        points[0] = {x + w, y};
        points[1] = {x, y + h / 2};
        points[2] = {x + w, y + h};
    }
    Poly(dc, points, 3, colour);
}

// The symbol of remote key 1 to 11, centred at (cx, cy), `s` pixels across (about 12 on a key).
void DrawSymbol(HDC dc, int key, int cx, int cy, int s, COLORREF colour, COLORREF background)
{
    const int h = s / 2;
    const int pen = s >= 14 ? 2 : (s >= 10 ? 2 : 1);
    switch (key) {
    case 1:   // power
        ArcAt(dc, cx, cy + 1, h - 1, 115, 65 + 360, pen, colour);
        Line(dc, cx, cy - h, cx, cy + 1, pen, colour);
        break;
    case 2:   // suspend: a crescent moon
        Disc(dc, cx, cy, h, colour, colour);
        Disc(dc, cx + h / 2 + 1, cy - h / 2, h - 1, background, background);
        break;
    case 3: {   // quiet: a speaker with a slash
        const POINT speaker[6] = {{cx - h, cy - h / 3}, {cx - h / 3, cy - h / 3}, {cx + h / 4, cy - h},
                                  {cx + h / 4, cy + h}, {cx - h / 3, cy + h / 3}, {cx - h, cy + h / 3}};
        Poly(dc, speaker, 6, colour);
        Line(dc, cx - h, cy + h, cx + h, cy - h, pen, colour == kWhite ? kPowerRed : RGB(200, 40, 40));
        break;
    }
    case 4:   // wireless only: waves above a dot
        Disc(dc, cx, cy + h / 2 + 1, std::max(1, s / 10), colour, colour);
        ArcAt(dc, cx, cy + h / 2 + 1, h / 2 + 1, 40, 140, pen, colour);
        ArcAt(dc, cx, cy + h / 2 + 1, h + 1, 40, 140, pen, colour);
        break;
    case 5: {   // launch / menu: four tiles
        const int t = std::max(2, s / 3);
        const int g = std::max(1, s / 10);
        for (int i = 0; i < 4; ++i) {
            const int x = cx - t - g / 2 + (i % 2) * (t + g);
            const int y = cy - t - g / 2 + (i / 2) * (t + g);
            Fill(dc, RECT{x, y, x + t, y + t}, colour);
        }
        break;
    }
    case 6: {   // full screen: four corners
        const int c = std::max(2, s / 3);
        const int e = h;
        Line(dc, cx - e, cy - e + c, cx - e, cy - e, pen, colour);
        Line(dc, cx - e, cy - e, cx - e + c, cy - e, pen, colour);
        Line(dc, cx + e - c, cy - e, cx + e, cy - e, pen, colour);
        Line(dc, cx + e, cy - e, cx + e, cy - e + c, pen, colour);
        Line(dc, cx - e, cy + e - c, cx - e, cy + e, pen, colour);
        Line(dc, cx - e, cy + e, cx - e + c, cy + e, pen, colour);
        Line(dc, cx + e - c, cy + e, cx + e, cy + e, pen, colour);
        Line(dc, cx + e, cy + e, cx + e, cy + e - c, pen, colour);
        break;
    }
    case 7:   // volume up
        Fill(dc, RECT{cx - h, cy - 1, cx + h + 1, cy + 2}, colour);
        Fill(dc, RECT{cx - 1, cy - h, cx + 2, cy + h + 1}, colour);
        break;
    case 11:   // volume down
        Fill(dc, RECT{cx - h, cy - 1, cx + h + 1, cy + 2}, colour);
        break;
    case 8:   // previous
        Fill(dc, RECT{cx - h, cy - h + 1, cx - h + 2, cy + h}, colour);
        Triangle(dc, cx - h + 2, cy - h + 1, h, 2 * h - 2, false, colour);
        Triangle(dc, cx + 1, cy - h + 1, h - 1, 2 * h - 2, false, colour);
        break;
    case 10:   // next
        Triangle(dc, cx - h, cy - h + 1, h - 1, 2 * h - 2, true, colour);
        Triangle(dc, cx - 1, cy - h + 1, h - 1, 2 * h - 2, true, colour);
        Fill(dc, RECT{cx + h - 2, cy - h + 1, cx + h, cy + h}, colour);
        break;
    case 9: {   // play / pause
        const int bar = std::max(1, h / 3);
        Triangle(dc, cx - h, cy - h + 1, h - 1, 2 * h - 2, true, colour);
        Fill(dc, RECT{cx + 1, cy - h + 2, cx + 1 + bar, cy + h - 1}, colour);
        Fill(dc, RECT{cx + h - bar, cy - h + 2, cx + h, cy + h - 1}, colour);
        break;
    }
    default:
        break;
    }
}

COLORREF KeyFace(int key)
{
    if (key == 1)
        return kPowerRed;
    if (key == 5)
        return kLaunchBlue;
    return kKeyFace;
}

COLORREF SymbolColour(int key)
{
    return key == 1 || key == 5 ? kWhite : kSymbol;
}

// One key cap with its symbol filling the rectangle.
void DrawKey(HDC dc, const RECT& r, int key, bool round)
{
    const int w = r.right - r.left;
    const int hgt = r.bottom - r.top;
    const COLORREF face = KeyFace(key);
    if (round)
        Disc(dc, r.left + w / 2, r.top + hgt / 2, std::min(w, hgt) / 2 - 1, face, kKeyEdge);
    else
        RoundBox(dc, r, std::min(w, hgt) / 2, face, kKeyEdge);
    const int size = std::min(w, hgt) * 3 / 5;
    DrawSymbol(dc, key, r.left + w / 2, r.top + hgt / 2, size, SymbolColour(key), face);
}

void Text(HDC dc, const RECT& r, const char* text, int height, int weight, COLORREF colour)
{
    UniqueGdiObject font = kova::art::MakeFont(height, weight);
    SelectGuard f(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box = r;
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

bool DrawRemote(const std::string& folder)
{
    ArtCanvas c(150, 300, kTransparent);
    const HDC dc = c.Dc();
    // Body: a slim rounded bar with a lighter rim and a glossy stripe.
    RoundBox(dc, RECT{25, 2, 125, 298}, 46, kBodyLight, RGB(20, 22, 28), 2);
    RoundBox(dc, RECT{29, 6, 121, 294}, 40, kBodyDark, kBodyDark);
    // Infrared window at the top.
    RoundBox(dc, RECT{55, 10, 95, 18}, 6, RGB(120, 20, 30), RGB(60, 10, 16));
    // Power and suspend.
    DrawKey(dc, RECT{40, 28, 64, 52}, 1, true);
    DrawKey(dc, RECT{86, 28, 110, 52}, 2, true);
    // Quiet and wireless-only.
    DrawKey(dc, RECT{40, 62, 64, 82}, 3, false);
    DrawKey(dc, RECT{86, 62, 110, 82}, 4, false);
    // Launch / menu, the big key in the middle, with full screen below it.
    DrawKey(dc, RECT{57, 94, 93, 130}, 5, true);
    DrawKey(dc, RECT{63, 138, 87, 156}, 6, false);
    // Volume rocker on the left, transport on the right.
    RoundBox(dc, RECT{38, 168, 62, 226}, 20, kKeyFace, kKeyEdge);
    DrawSymbol(dc, 7, 50, 182, 12, kSymbol, kKeyFace);
    DrawSymbol(dc, 11, 50, 212, 12, kSymbol, kKeyFace);
    Line(dc, 42, 197, 58, 197, 1, kKeyEdge);
    DrawKey(dc, RECT{70, 168, 112, 190}, 9, false);
    DrawKey(dc, RECT{70, 196, 89, 218}, 8, false);
    DrawKey(dc, RECT{93, 196, 112, 218}, 10, false);
    // Lettering.
    Text(dc, RECT{29, 240, 121, 258}, "VELTRA", 13, FW_BOLD, RGB(200, 206, 216));
    Text(dc, RECT{29, 256, 121, 270}, "kova remote", 10, FW_NORMAL, RGB(150, 158, 170));
    return c.SaveBmp24(folder + "Remote.bmp");
}

bool DrawKeyPicture(const std::string& folder, int key, const char* name)
{
    ArtCanvas c(20, 20, kTransparent);
    DrawKey(c.Dc(), RECT{0, 0, 20, 20}, key, key == 1 || key == 2 || key == 5);
    return c.SaveBmp24(folder + name);
}

// A small remote seen at an angle-free front view, with a status badge in the corner.
void DrawTrayImage(ArtCanvas& c, bool connected)
{
    const HDC dc = c.Dc();
    const int s = c.Width();
    const COLORREF body = connected ? RGB(44, 52, 66) : RGB(110, 114, 122);
    const COLORREF rim = connected ? RGB(16, 18, 24) : RGB(70, 72, 78);
    const int bodyW = s * 7 / 16;
    const int left = s / 16;
    RoundBox(dc, RECT{left, 0, left + bodyW, s}, s / 3, body, rim);
    const int cx = left + bodyW / 2;
    const int k = std::max(1, s / 16);
    Disc(dc, cx, s / 5, std::max(1, s / 11), connected ? kPowerRed : RGB(160, 160, 160), connected ? kPowerRed : RGB(160, 160, 160));
    Fill(dc, RECT{cx - 2 * k, s * 2 / 5, cx + 2 * k, s * 2 / 5 + 2 * k}, RGB(220, 224, 230));
    Fill(dc, RECT{cx - 2 * k, s * 3 / 5, cx + 2 * k, s * 3 / 5 + 2 * k}, RGB(220, 224, 230));
    // Badge: a green tick when connected, a red cross when not.
    const int r = s * 5 / 16;
    const int bx = s - r - 1;
    const int by = s - r - 1;
    const int pen = s >= 32 ? 3 : 2;
    if (connected) {
        Disc(dc, bx, by, r, RGB(30, 170, 60), RGB(10, 100, 30));
        Line(dc, bx - r / 2, by, bx - r / 6, by + r / 2, pen, kWhite);
        Line(dc, bx - r / 6, by + r / 2, bx + r / 2 + 1, by - r / 2, pen, kWhite);
    } else {
        Disc(dc, bx, by, r, RGB(214, 30, 30), RGB(130, 10, 10));
        const int d = std::max(2, r / 2);
        Line(dc, bx - d, by - d, bx + d, by + d, pen, kWhite);
        Line(dc, bx + d, by - d, bx - d, by + d, pen, kWhite);
    }
}

bool DrawIcon(const std::string& folder, bool connected, const char* name)
{
    ArtCanvas small(16, 16, kTransparent);
    ArtCanvas large(32, 32, kTransparent);
    DrawTrayImage(small, connected);
    DrawTrayImage(large, connected);
    return kova::art::SaveIconImages(folder + name, {&small, &large}, kTransparent);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: KeyrelayArt <output folder>\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    const char* keyFiles[] = {"KeyPower.bmp", "KeySuspend.bmp", "KeyNoiseOff.bmp", "KeyPiloWifi.bmp",
                              "KeyLaunch.bmp", "KeyFullScreen.bmp", "KeyVolumeUp.bmp", "KeyPrevious.bmp",
                              "KeyPlayPause.bmp", "KeyNext.bmp", "KeyVolumeDown.bmp"};
    bool ok = DrawRemote(folder);
    for (int key = 1; key <= 11; ++key)
        ok = DrawKeyPicture(folder, key, keyFiles[key - 1]) && ok;
    ok = DrawIcon(folder, true, "Connected.ico") && ok;
    ok = DrawIcon(folder, false, "Disconnected.ico") && ok;
    if (!ok) {
        std::fprintf(stderr, "KeyrelayArt: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
