#include "HelpArt.h"

#include "Painter.h"

#include <cstdio>
#include <vector>

namespace kova::couchdeckart {
namespace {

constexpr COLORREF kPage = RGB(246, 248, 252);
constexpr COLORREF kHeaderTop = RGB(34, 52, 104);
constexpr COLORREF kHeaderBottom = RGB(18, 28, 64);
constexpr COLORREF kAccent = RGB(72, 122, 232);
constexpr COLORREF kInk = RGB(34, 40, 56);
constexpr COLORREF kMuted = RGB(96, 104, 124);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kHeaderHeight = 70;

struct HelpPage {
    const char* file;
    const char* title;
    const char* subtitle;
    std::vector<const char*> steps;
};

COLORREF Mix(COLORREF a, COLORREF b, double t)
{
    const auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

// Header and numbered steps; returns the design-unit y below the last step.
int DrawPage(Painter& paint, const HelpPage& page)
{
    paint.FillRect(0, 0, kHelpWidth, kHelpHeight, kPage);
    for (int y = 0; y < kHeaderHeight; ++y)
        paint.FillRect(0, y, kHelpWidth, y + 1,
                       Mix(kHeaderTop, kHeaderBottom, double(y) / kHeaderHeight));
    paint.FillRect(0, kHeaderHeight, kHelpWidth, kHeaderHeight + 4, kAccent);
    paint.Text(page.title, {20, 12, kHelpWidth - 20, 44}, 24, FW_BOLD, kWhite,
               DT_LEFT | DT_SINGLELINE);
    paint.Text(page.subtitle, {20, 42, kHelpWidth - 20, 64}, 14, FW_NORMAL,
               RGB(196, 210, 240), DT_LEFT | DT_SINGLELINE);

    int y = kHeaderHeight + 18;
    int number = 1;
    for (const char* step : page.steps) {
        paint.FillCircle(34, y + 11, 12, kAccent);
        paint.Text(std::to_string(number++), {22, y, 46, y + 22}, 14, FW_BOLD, kWhite,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const int height = paint.Text(step, {58, y + 2, kHelpWidth - 24, y + 80}, 14,
                                      FW_NORMAL, kInk, DT_LEFT | DT_WORDBREAK);
        y += (height > 22 ? height : 22) + 14;
    }
    return y;
}

bool Save(const art::ArtCanvas& large, const std::string& path)
{
    art::ArtCanvas out(kHelpWidth, kHelpHeight, kPage);
    Reduce(large, out);
    if (out.SaveJpeg(path, 92))
        return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

bool WriteSettingHelp(const std::string& folder)
{
    const HelpPage page = {
        "Kova Remote Setting.jpg",
        "Setting up Kova Remote",
        "The settings window is open on the right.",
        {"Tick \"Enable power key\" and choose what POWER does: Power off or Hibernate.",
         "Pick a profile for each application you use from the sofa, and the keystroke that "
         "each remote key sends to it.",
         "Tick \"Enable Power On after power loss\" to start the computer again when the "
         "power returns.",
         "Press OK to keep the settings. Press LAUNCH on the remote to open the on-screen menu."}};
    art::ArtCanvas large(kHelpWidth * kSamples, kHelpHeight * kSamples, kPage);
    Painter paint(large);
    const int y = DrawPage(paint, page);

    // The way to the settings window, beside this one.
    const int arrowY = (y + kHelpHeight) / 2;
    paint.Text("Settings window", {24, arrowY - 12, kHelpWidth - 70, arrowY + 12}, 16, FW_BOLD,
               kAccent, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    paint.Line(kHelpWidth - 62, arrowY, kHelpWidth - 22, arrowY, 5, kAccent);
    paint.Polygon({{kHelpWidth - 30, arrowY - 12}, {kHelpWidth - 12, arrowY},
                   {kHelpWidth - 30, arrowY + 12}},
                  kAccent);
    return Save(large, folder + page.file);
}

bool WriteHidHelp(const std::string& folder)
{
    const HelpPage page = {
        "Kova Remote HID.jpg",
        "Wake up with the remote",
        "Let the remote's receiver wake the computer first.",
        {"Open the Device Manager: Control Panel, System, Hardware.",
         "Under \"Human Interface Devices\", open the USB receiver's \"HID-compliant device\".",
         "On the \"Power Management\" tab, tick the box shown below, then press OK.",
         "Press the key on the remote again."}};
    art::ArtCanvas large(kHelpWidth * kSamples, kHelpHeight * kSamples, kPage);
    Painter paint(large);
    const int y = DrawPage(paint, page);

    // The check box as the system shows it.
    const int top = y + 6, left = 24, right = kHelpWidth - 24;
    paint.FillRect(left, top, right, top + 46, kWhite);
    paint.Frame(left, top, right, top + 46, 1, RGB(176, 184, 204));
    paint.FillRect(left + 14, top + 15, left + 30, top + 31, kWhite);
    paint.Frame(left + 14, top + 15, left + 30, top + 31, 1.3, kMuted);
    paint.Line(left + 17, top + 23, left + 21, top + 27, 2.2, kInk);
    paint.Line(left + 21, top + 27, left + 28, top + 18, 2.2, kInk);
    paint.Text("Allow this device to bring the computer out of standby",
               {left + 40, top + 4, right - 8, top + 42}, 13, FW_NORMAL, kInk,
               DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    paint.Text("Until one device may wake the computer, the remote does not send it to standby "
               "or hibernation: it could not wake it again.",
               {left, top + 62, right, kHelpHeight - 12}, 13, FW_NORMAL, kMuted,
               DT_LEFT | DT_WORDBREAK);
    return Save(large, folder + page.file);
}

} // namespace

bool WriteHelpPictures(const std::string& folder)
{
    return WriteSettingHelp(folder) && WriteHidHelp(folder);
}

} // namespace kova::couchdeckart
