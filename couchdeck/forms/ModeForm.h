#pragma once
// The quiet-mode indicator: a small, half-transparent, click-through picture in the screen's
// top-right corner while the power-saving library's quiet mode is on.

#include "tessel/Graphics/FlickerEliminator.h"
#include "tessel/Graphics/LayeredWindowMaker.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"

class TModeForm : public vcl::TForm {
public:
    // The picture resource in the program ("Noise Off", 120 by 45).
    static constexpr const char* kPictureResource = "MODEIMAGE";

    explicit TModeForm(vcl::TComponent* owner);
    ~TModeForm() override;

    void ShowMode();
    void HideMode();
    void FormShow(vcl::TObject* sender);

    vcl::TImage* ModeImage;

protected:
    void CreateParams(vcl::TCreateParams& params) override;

private:
    tessel::LayeredWindowMaker m_layeredWindow;
    tessel::FlickerEliminator m_flickerEliminator;
};

extern TModeForm* ModeForm;
