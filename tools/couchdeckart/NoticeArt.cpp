#include "NoticeArt.h"

#include "Painter.h"

#include <cmath>
#include <cstdio>

namespace kova::couchdeckart {
namespace {

enum class Glyph { Power, Moon, Sleep, Wireless, SpeakerOff, SpeakerOn, CloseWindow, Warning,
                   RunningWindow };

struct Notice {
    const char* file;
    Glyph glyph;
    COLORREF accent;
    const char* title;
    const char* body;
    const char* footer;   // confirmations: how to answer; null for plain notices
};

constexpr COLORREF kRed = RGB(222, 64, 64);
constexpr COLORREF kBlue = RGB(72, 122, 232);
constexpr COLORREF kTeal = RGB(32, 168, 170);
constexpr COLORREF kPurple = RGB(150, 92, 222);
constexpr COLORREF kGreen = RGB(56, 178, 92);
constexpr COLORREF kOrange = RGB(232, 146, 40);
constexpr COLORREF kSlate = RGB(96, 116, 156);
constexpr COLORREF kAmber = RGB(226, 120, 36);

const Notice kNotices[] = {
    {"power_off.bmp", Glyph::Power, kRed, "Powering off",
     "Windows is shutting down. The computer switches off in a moment.", nullptr},
    {"hibernate.bmp", Glyph::Moon, kBlue, "Hibernating",
     "Your work is saved to disk and the computer switches off.", nullptr},
    {"quick_power.bmp", Glyph::Sleep, kTeal, "Standby",
     "The computer goes to sleep. Press POWER on the remote to wake it up.", nullptr},
    {"wireless_only.bmp", Glyph::Wireless, kPurple, "Wireless only",
     "Sound and screen are off, the network stays on. Press the Wi-Fi key to return.", nullptr},
    {"enable_noise.bmp", Glyph::SpeakerOff, kGreen, "Noise off",
     "Quiet mode is on: the computer runs as silently as it can.", nullptr},
    {"disable_noise.bmp", Glyph::SpeakerOn, kOrange, "Noise on",
     "Quiet mode is off: the computer runs at full performance again.", nullptr},
    {"close_application.bmp", Glyph::CloseWindow, kSlate, "Closing",
     "The application is being closed.", nullptr},
    {"poweroffconfirm.bmp", Glyph::Power, kRed, "Power off?",
     "Press POWER again to switch the computer off.", "Any other key cancels"},
    {"SuspendNotAllowed.bmp", Glyph::Warning, kAmber, "No standby",
     "This computer does not allow standby. Check its Power Options.", nullptr},
    {"HibernateNotAllowed.bmp", Glyph::Warning, kAmber, "No hibernation",
     "Hibernation is switched off. Turn it on in Power Options.", nullptr},
    {"launchFaild.bmp", Glyph::Warning, kAmber, "Cannot start",
     "The application could not be started. Check its path in the settings.", nullptr},
    {"ApRunning.bmp", Glyph::RunningWindow, kSlate, "Already running",
     "The application closed at once. It may be running already.", nullptr},
    {"HibernateConfirm.bmp", Glyph::Moon, kBlue, "Hibernate?",
     "Press POWER again to hibernate the computer.", "Any other key cancels"},
    {"NoFunction.bmp", Glyph::Warning, kAmber, "Not available",
     "This needs the power-saving library, which is not installed.", nullptr},
    {"s3confirm.bmp", Glyph::Sleep, kTeal, "Standby?",
     "Press SUSPEND again to put the computer on standby.", "Any other key cancels"},
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kCardTop = RGB(34, 44, 76);
constexpr COLORREF kCardBottom = RGB(14, 18, 36);
constexpr COLORREF kBodyText = RGB(204, 212, 232);

constexpr int kInset = 3;        // key colour all around the card
constexpr int kRadius = 22;
constexpr int kBorder = 2;
constexpr int kBand = 7;         // accent band along the top

COLORREF Mix(COLORREF a, COLORREF b, double t)
{
    const auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

// The rounded card with its gradient, accent band and border, in samples.
void DrawCard(art::ArtCanvas& large, Painter& paint, COLORREF accent, int width, int height)
{
    const int left = kInset, top = kInset, right = width - kInset, bottom = height - kInset;
    for (int y = top; y < bottom; ++y)
        paint.FillRect(left, y, right, y + 1,
                       Mix(kCardTop, kCardBottom, double(y - top) / (bottom - top)));
    paint.FillRect(left, top, right, top + kBand, accent);
    const COLORREF border = Mix(accent, kCardBottom, 0.35);
    paint.FillRect(left, top, right, top + kBorder, border);
    paint.FillRect(left, bottom - kBorder, right, bottom, border);
    paint.FillRect(left, top, left + kBorder, bottom, border);
    paint.FillRect(right - kBorder, top, right, bottom, border);

    // The corners, pixel by pixel: key outside the arc, border on it.
    const int r = kRadius * kSamples;
    const int b = kBorder * kSamples;
    const int l = left * kSamples, t = top * kSamples, rr = right * kSamples,
              bb = bottom * kSamples;
    for (int corner = 0; corner < 4; ++corner) {
        const bool east = corner & 1, south = corner & 2;
        const double cx = east ? rr - r : l + r;
        const double cy = south ? bb - r : t + r;
        const int x0 = east ? rr - r : l, y0 = south ? bb - r : t;
        for (int y = y0; y < y0 + r; ++y)
            for (int x = x0; x < x0 + r; ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                const bool outward = (east ? x + 0.5 > cx : x + 0.5 < cx) &&
                                     (south ? y + 0.5 > cy : y + 0.5 < cy);
                if (!outward)
                    continue;
                if (d > r)
                    large.SetPixel(x, y, kTransparent);
                else if (d > r - b)
                    large.SetPixel(x, y, border);
            }
    }
}

void DrawGlyph(Painter& paint, Glyph glyph, double cx, double cy, COLORREF accent)
{
    const COLORREF ink = kWhite;
    switch (glyph) {
    case Glyph::Power:
        paint.Arc(cx, cy + 2, 17, 125, 290, 5, ink);   // open at the top
        paint.Line(cx, cy - 20, cx, cy - 2, 5, ink);
        break;
    case Glyph::Moon:
        paint.FillCircle(cx, cy, 19, ink);
        paint.FillCircle(cx + 10, cy - 8, 17, accent);
        break;
    case Glyph::Sleep:
        paint.FillCircle(cx - 4, cy + 4, 16, ink);
        paint.FillCircle(cx + 5, cy - 3, 14, accent);
        paint.Text("z", {int(cx) + 4, int(cy) - 28, int(cx) + 20, int(cy) - 8}, 16, FW_BOLD, ink,
                   DT_CENTER | DT_SINGLELINE);
        paint.Text("z", {int(cx) + 14, int(cy) - 38, int(cx) + 26, int(cy) - 22}, 11, FW_BOLD,
                   ink, DT_CENTER | DT_SINGLELINE);
        break;
    case Glyph::Wireless:
        for (int i = 0; i < 3; ++i)
            paint.Arc(cx, cy + 14, 10 + 9 * i, 45, 90, 4.5, ink);
        paint.FillCircle(cx, cy + 14, 4, ink);
        break;
    case Glyph::SpeakerOff:
    case Glyph::SpeakerOn: {
        const int x = static_cast<int>(cx) - 14, y = static_cast<int>(cy);
        paint.Polygon({{x - 6, y - 7}, {x + 2, y - 7}, {x + 12, y - 16}, {x + 12, y + 16},
                       {x + 2, y + 7}, {x - 6, y + 7}},
                      ink);
        if (glyph == Glyph::SpeakerOff) {
            paint.Line(x + 18, y - 8, x + 32, y + 8, 4, ink);
            paint.Line(x + 18, y + 8, x + 32, y - 8, 4, ink);
        } else {
            paint.Arc(x + 12, y, 9, -45, 90, 3.5, ink);
            paint.Arc(x + 12, y, 17, -45, 90, 3.5, ink);
        }
        break;
    }
    case Glyph::CloseWindow:
    case Glyph::RunningWindow: {
        const int l = static_cast<int>(cx) - 19, t = static_cast<int>(cy) - 15;
        paint.FillRect(l, t, l + 38, t + 30, ink);
        paint.FillRect(l + 3, t + 8, l + 35, t + 27, accent);
        if (glyph == Glyph::CloseWindow) {
            paint.Line(cx - 6, cy - 1, cx + 6, cy + 11, 3.5, ink);
            paint.Line(cx - 6, cy + 11, cx + 6, cy - 1, 3.5, ink);
        } else {
            const int px = static_cast<int>(cx), py = static_cast<int>(cy) + 5;
            paint.Polygon({{px - 5, py - 8}, {px + 8, py}, {px - 5, py + 8}}, ink);
        }
        break;
    }
    case Glyph::Warning:
        paint.Line(cx, cy - 18, cx, cy + 5, 6, ink);
        paint.FillCircle(cx, cy + 16, 4, ink);
        break;
    }
}

bool WriteNotice(const Notice& notice, const std::string& path)
{
    art::ArtCanvas large(kNoticeWidth * kSamples, kNoticeHeight * kSamples, kTransparent);
    Painter paint(large);
    DrawCard(large, paint, notice.accent, kNoticeWidth, kNoticeHeight);

    const bool confirmation = notice.footer != nullptr;
    const double badgeX = 62, badgeY = confirmation ? 84 : 100;
    paint.FillCircle(badgeX, badgeY, 37, Mix(notice.accent, kCardBottom, 0.55));
    paint.FillCircle(badgeX, badgeY, 34, notice.accent);
    DrawGlyph(paint, notice.glyph, badgeX, badgeY, notice.accent);

    const int textLeft = 114, textRight = kNoticeWidth - 18;
    const int titleTop = confirmation ? 40 : 46;
    int titleHeight = 25;   // smaller for a long title, so that it fits whole
    while (titleHeight > 16 &&
           paint.TextWidth(notice.title, titleHeight, FW_BOLD) > textRight - textLeft)
        --titleHeight;
    paint.Text(notice.title, {textLeft, titleTop, textRight, titleTop + 32}, titleHeight, FW_BOLD,
               kWhite, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_END_ELLIPSIS);
    paint.Text(notice.body, {textLeft, titleTop + 36, textRight, titleTop + 110}, 15, FW_NORMAL,
               kBodyText, DT_LEFT | DT_WORDBREAK);
    if (confirmation) {
        const int top = kNoticeHeight - kInset - 40;
        paint.FillRect(kInset + kBorder, top, kNoticeWidth - kInset - kBorder, top + 1,
                       Mix(notice.accent, kCardBottom, 0.4));
        paint.Text(notice.footer, {kInset, top + 1, kNoticeWidth - kInset, top + 34}, 15,
                   FW_BOLD, notice.accent, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

    art::ArtCanvas out(kNoticeWidth, kNoticeHeight, kTransparent);
    Reduce(large, out, kTransparent);
    return out.SaveBmp24(path);
}

} // namespace

bool WriteNotices(const std::string& folder)
{
    for (const Notice& notice : kNotices)
        if (!WriteNotice(notice, folder + notice.file)) {
            std::fprintf(stderr, "cannot write %s%s\n", folder.c_str(), notice.file);
            return false;
        }
    return true;
}

bool WriteModeImage(const std::string& folder)
{
    constexpr int width = 120, height = 45;
    constexpr COLORREF black = RGB(0, 0, 0), green = RGB(0, 255, 0);
    art::ArtCanvas large(width * kSamples, height * kSamples, black);
    Painter paint(large);
    paint.Text("Noise Off", {0, 0, width, height}, 26, FW_BOLD, green,
               DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    art::ArtCanvas out(width, height, black);
    Reduce(large, out);
    return out.SaveBmp24(folder + "ModeImage.bmp");
}

} // namespace kova::couchdeckart
