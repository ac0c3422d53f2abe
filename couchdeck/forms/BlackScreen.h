#pragma once
// The black window over the whole screen in wireless-only mode. While shown it asks the
// power-saving library every 30 seconds to keep the display off.

#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"

class TBlackScreen : public vcl::TForm {
public:
    static constexpr unsigned kScreenOffIntervalMs = 30000;

    explicit TBlackScreen(vcl::TComponent* owner);

    void ShowBlack();
    // Also leaves wireless-only mode in the library (sound and display come back).
    void HideBlack();
    bool IsTimerRunning() const { return m_timer->Enabled(); }

protected:
    void CreateParams(vcl::TCreateParams& params) override;

private:
    void TimerTick(vcl::TObject* sender);

    vcl::TTimer* m_timer;
};

extern TBlackScreen* BlackScreen;
