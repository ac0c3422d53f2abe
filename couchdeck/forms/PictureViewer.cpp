#include "PictureViewer.h"

#include <algorithm>
#include <vector>

// GDI+ decodes the picture; the result is kept as a plain GDI bitmap, so no GDI+ object lives
// beyond Navigate.
#include <objidl.h>
#include <gdiplus.h>

using namespace vcl;

namespace {

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        m_started = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (m_started)
            Gdiplus::GdiplusShutdown(m_token);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Started() const { return m_started; }

private:
    ULONG_PTR m_token = 0;
    bool m_started = false;
};

} // namespace

TPictureViewer::TPictureViewer(TComponent* owner) : TWinControl(owner)
{
    SetColor(clWhite);
    SetTabStop(true);
}

void TPictureViewer::Navigate(const std::string& path)
{
    m_path = path;
    m_picture.reset();
    m_pictureWidth = m_pictureHeight = 0;
    {
        GdiplusSession session;
        if (session.Started() && !path.empty()) {
            Gdiplus::Bitmap picture(Widen(path).c_str());
            HBITMAP bitmap = nullptr;
            if (picture.GetLastStatus() == Gdiplus::Ok && picture.GetWidth() > 0 &&
                picture.GetHeight() > 0 &&
                picture.GetHBITMAP(Gdiplus::Color(255, 255, 255), &bitmap) == Gdiplus::Ok) {
                m_picture.reset(bitmap);
                m_pictureWidth = static_cast<int>(picture.GetWidth());
                m_pictureHeight = static_cast<int>(picture.GetHeight());
            }
        }
    }
    if (HandleAllocated())
        Invalidate();
}

RECT TPictureViewer::FitRect(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight)
{
    int width = pictureWidth;
    int height = pictureHeight;
    if (width > areaWidth || height > areaHeight) {
        // Scale by the tighter side, in 64 bits so large pictures cannot overflow.
        if (static_cast<long long>(width) * areaHeight > static_cast<long long>(height) * areaWidth) {
            height = static_cast<int>(static_cast<long long>(height) * areaWidth / width);
            width = areaWidth;
        } else {
            width = static_cast<int>(static_cast<long long>(width) * areaHeight / height);
            height = areaHeight;
        }
    }
    const int left = (areaWidth - width) / 2;
    const int top = (areaHeight - height) / 2;
    return RECT{left, top, left + width, top + height};
}

void TPictureViewer::PaintWindow(HDC dc)
{
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (m_picture) {
        const RECT place = FitRect(m_pictureWidth, m_pictureHeight, client.right, client.bottom);
        tessel::UniqueMemoryDc source(CreateCompatibleDC(dc));
        tessel::SelectGuard select(source.get(), m_picture.get());
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   source.get(), 0, 0, m_pictureWidth, m_pictureHeight, SRCCOPY);
        return;
    }
    if (m_path.empty())
        return;
    const std::string text = "This picture cannot be shown:\r\n" + m_path;
    RECT area = client;
    InflateRect(&area, -12, -12);
    tessel::SelectGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT measured = area;
    DrawTextA(dc, text.c_str(), -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
    const int height = measured.bottom - measured.top;
    area.top = std::max(area.top, (client.bottom - height) / 2);
    DrawTextA(dc, text.c_str(), -1, &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}
