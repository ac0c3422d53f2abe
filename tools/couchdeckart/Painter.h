#pragma once
// GDI drawing in design units on a canvas that is kSamples times larger.

#include "ArtCanvas.h"
#include "Supersampler.h"

#include <initializer_list>
#include <string>

namespace kova::couchdeckart {

class Painter {
public:
    explicit Painter(art::ArtCanvas& canvas) : m_canvas(canvas) {}

    void FillRect(int left, int top, int right, int bottom, COLORREF color);
    void FillCircle(double cx, double cy, double radius, COLORREF color);
    void Line(double x1, double y1, double x2, double y2, double width, COLORREF color);
    // Degrees counterclockwise from three o'clock, as on a clock face seen normally.
    void Arc(double cx, double cy, double radius, double startDeg, double sweepDeg, double width,
             COLORREF color);
    void Polygon(std::initializer_list<POINT> points, COLORREF color);
    void Frame(int left, int top, int right, int bottom, double width, COLORREF color);
    // DrawText in a rectangle; returns the height of the text drawn, in design units.
    int Text(const std::string& text, RECT box, int height, int weight, COLORREF color,
             UINT format, const char* face = "Arial");
    // Width of one line of text, in design units.
    int TextWidth(const std::string& text, int height, int weight, const char* face = "Arial");

private:
    static int S(double v) { return static_cast<int>(v * kSamples + 0.5); }

    art::ArtCanvas& m_canvas;
};

} // namespace kova::couchdeckart
