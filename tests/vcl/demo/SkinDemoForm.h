#pragma once
// A skinned, shaped, layered form built in code the way Couchdeck's forms are: a background
// picture from the program's resources that gives the window its outline, an owner-drawn
// list box, a custom-drawn report list view with system icons, and a timer that moves the
// selections. Dragging the picture moves the window.

#include "tessel/Graphics/FlickerEliminator.h"
#include "tessel/Graphics/IrregularWindowMaker.h"
#include "tessel/Graphics/LayeredWindowMaker.h"
#include "vcl/Vcl.h"

class TSkinDemoForm : public vcl::TForm {
public:
    explicit TSkinDemoForm(vcl::TComponent* owner);
    ~TSkinDemoForm() override;

    vcl::TImage* Background;
    vcl::TLabel* Title;
    vcl::TLabel* TickLabel;
    vcl::TListBox* ProfileList;
    vcl::TListView* FileList;
    vcl::TImageList* IconImages;
    vcl::TTimer* StepTimer;

private:
    void FormShow(vcl::TObject* sender);
    void ProfileListDrawItem(vcl::TWinControl* control, int index, vcl::TRect rect, vcl::TOwnerDrawState state);
    void FileListCustomDrawItem(vcl::TListView* sender, vcl::TListItem* item, vcl::TCustomDrawState state,
                                bool& defaultDraw);
    void StepTimerTimer(vcl::TObject* sender);

    int m_ticks = 0;
    tessel::IrregularWindowMaker m_shaper;
    tessel::LayeredWindowMaker m_layered;
    tessel::FlickerEliminator m_flickerGuard;
};

extern TSkinDemoForm* SkinDemoForm;
