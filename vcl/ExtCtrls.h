#pragma once
// TImage (a picture on a form) and TTimer (periodic events on the user-interface thread).

#include "vcl/Controls.h"

namespace vcl {

// TImage: a windowless control showing Picture()->Bitmap() unscaled from its top-left corner.
// AutoSize makes it take the picture's size whenever the picture changes; Transparent leaves
// out the pixels of the bitmap's TransparentColor. Drawing on Canvas() draws on the picture.
// A disabled image gets no mouse input (it falls through to its parent).
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    TPicture* Picture() { return &m_picture; }
    TCanvas* Canvas() { return m_picture.Bitmap()->Canvas(); }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

protected:
    void Paint() override;

private:
    void PictureChanged();

    TPicture m_picture;
    bool m_autoSize = false;
    bool m_transparent = false;
};

// TTimer: calls OnTimer every Interval milliseconds while Enabled (both may change at any
// time; changing either restarts the period). A new timer is enabled with 1000 ms. Ticks are
// window messages of this thread, so they run inside any message loop, local pumps included.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return m_interval; }
    void SetInterval(unsigned milliseconds);

    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    static LRESULT CALLBACK TimerWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    bool m_enabled = true;
    unsigned m_interval = 1000;
    UINT_PTR m_id = 0;
    bool m_running = false;
};

} // namespace vcl
