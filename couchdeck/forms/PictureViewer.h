#pragma once
// A window that shows the picture at a path (JPEG, PNG, GIF or BMP), scaled down to fit and
// centred, or a plain message when the file cannot be shown. It serves the help window.

#include "tessel/System/UniqueHandle.h"
#include "vcl/Controls.h"

#include <string>

class TPictureViewer : public vcl::TWinControl {
public:
    explicit TPictureViewer(vcl::TComponent* owner);

    // Loads the picture now; the window shows it (or the message) from the next paint on.
    void Navigate(const std::string& path);
    bool HasPicture() const { return m_picture.valid(); }
    const std::string& Path() const { return m_path; }
    // The picture's place in the client area: scaled to fit, never enlarged, centred.
    static RECT FitRect(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

protected:
    void PaintWindow(HDC dc) override;

private:
    std::string m_path;
    tessel::UniqueGdiObject m_picture;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
};
