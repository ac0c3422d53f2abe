#pragma once
// The borderless, picture-shaped window that shows one notice or confirmation picture in the
// middle of the screen, above the main form's veil. It has no buttons: the remote answers.

#include "tessel/Graphics/FlickerEliminator.h"
#include "tessel/Graphics/LayeredWindowMaker.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"

#include <string>

class TDialogForm : public vcl::TForm {
public:
    // The skins' see-through colour (red 255, green 126, blue 241).
    static constexpr vcl::TColor kTransparentColor = 15826687;

    explicit TDialogForm(vcl::TComponent* owner);
    ~TDialogForm() override;

    // Loads picture `bitmapIndex` from the resource folder, spreads the main form over the screen
    // as a veil and shows the picture centred above it. The caller hides both. A missing or
    // broken picture raises the library's exception and shows nothing.
    void ShowBitmap(int bitmapIndex);
    void CenterOnScreen();
    // The program's directory followed by "Resource\".
    static std::string ResourceDirectory();

    vcl::TImage* Background;

protected:
    void CreateParams(vcl::TCreateParams& params) override;

private:
    tessel::LayeredWindowMaker m_layeredWindow;
    tessel::FlickerEliminator m_flickerEliminator;
};

extern TDialogForm* DialogForm;
