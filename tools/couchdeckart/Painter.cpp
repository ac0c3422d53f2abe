#include "Painter.h"

#include <cmath>
#include <vector>

namespace kova::couchdeckart {
namespace {

tessel::UniqueGdiObject RoundPen(int width, COLORREF color)
{
    LOGBRUSH brush = {BS_SOLID, color, 0};
    return tessel::UniqueGdiObject(ExtCreatePen(
        PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, width, &brush, 0, nullptr));
}

constexpr double kPi = 3.14159265358979323846;

} // namespace

void Painter::FillRect(int left, int top, int right, int bottom, COLORREF color)
{
    tessel::UniqueGdiObject brush(CreateSolidBrush(color));
    const RECT r = {S(left), S(top), S(right), S(bottom)};
    ::FillRect(m_canvas.Dc(), &r, static_cast<HBRUSH>(brush.get()));
}

void Painter::FillCircle(double cx, double cy, double radius, COLORREF color)
{
    tessel::UniqueGdiObject brush(CreateSolidBrush(color));
    tessel::SelectGuard b(m_canvas.Dc(), brush.get());
    tessel::SelectGuard p(m_canvas.Dc(), GetStockObject(NULL_PEN));
    Ellipse(m_canvas.Dc(), S(cx - radius), S(cy - radius), S(cx + radius) + 1,
            S(cy + radius) + 1);
}

void Painter::Line(double x1, double y1, double x2, double y2, double width, COLORREF color)
{
    tessel::UniqueGdiObject pen = RoundPen(S(width), color);
    tessel::SelectGuard p(m_canvas.Dc(), pen.get());
    MoveToEx(m_canvas.Dc(), S(x1), S(y1), nullptr);
    LineTo(m_canvas.Dc(), S(x2), S(y2));
}

void Painter::Arc(double cx, double cy, double radius, double startDeg, double sweepDeg,
                  double width, COLORREF color)
{
    tessel::UniqueGdiObject pen = RoundPen(S(width), color);
    tessel::SelectGuard p(m_canvas.Dc(), pen.get());
    // A polyline of short steps: exact on every GDI, round caps at both ends.
    const int steps = static_cast<int>(std::fabs(sweepDeg) / 3) + 2;
    std::vector<POINT> points;
    for (int i = 0; i <= steps; ++i) {
        const double a = (startDeg + sweepDeg * i / steps) * kPi / 180;
        points.push_back({S(cx + radius * std::cos(a)), S(cy - radius * std::sin(a))});
    }
    Polyline(m_canvas.Dc(), points.data(), static_cast<int>(points.size()));
}

void Painter::Polygon(std::initializer_list<POINT> points, COLORREF color)
{
    std::vector<POINT> scaled;
    for (const POINT& pt : points)
        scaled.push_back({S(pt.x), S(pt.y)});
    tessel::UniqueGdiObject brush(CreateSolidBrush(color));
    tessel::SelectGuard b(m_canvas.Dc(), brush.get());
    tessel::SelectGuard p(m_canvas.Dc(), GetStockObject(NULL_PEN));
    ::Polygon(m_canvas.Dc(), scaled.data(), static_cast<int>(scaled.size()));
}

void Painter::Frame(int left, int top, int right, int bottom, double width, COLORREF color)
{
    tessel::UniqueGdiObject pen = RoundPen(S(width), color);
    tessel::SelectGuard p(m_canvas.Dc(), pen.get());
    tessel::SelectGuard b(m_canvas.Dc(), GetStockObject(NULL_BRUSH));
    Rectangle(m_canvas.Dc(), S(left), S(top), S(right), S(bottom));
}

int Painter::Text(const std::string& text, RECT box, int height, int weight, COLORREF color,
                  UINT format, const char* face)
{
    tessel::UniqueGdiObject font = art::MakeFont(S(height), weight, face);
    tessel::SelectGuard f(m_canvas.Dc(), font.get());
    SetBkMode(m_canvas.Dc(), TRANSPARENT);
    SetTextColor(m_canvas.Dc(), color);
    RECT r = {S(box.left), S(box.top), S(box.right), S(box.bottom)};
    const int drawn = DrawTextA(m_canvas.Dc(), text.c_str(), -1, &r, format | DT_NOPREFIX);
    return (drawn + kSamples - 1) / kSamples;
}

int Painter::TextWidth(const std::string& text, int height, int weight, const char* face)
{
    tessel::UniqueGdiObject font = art::MakeFont(S(height), weight, face);
    tessel::SelectGuard f(m_canvas.Dc(), font.get());
    SIZE size = {};
    GetTextExtentPoint32A(m_canvas.Dc(), text.c_str(), static_cast<int>(text.size()), &size);
    return (size.cx + kSamples - 1) / kSamples;
}

} // namespace kova::couchdeckart
