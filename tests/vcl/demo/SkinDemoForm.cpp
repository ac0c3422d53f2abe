#include "SkinDemoForm.h"

#include "tessel/Graphics/ShellIcon.h"

#include <shellapi.h>

#include <string>

using namespace vcl;

TSkinDemoForm* SkinDemoForm = nullptr;

namespace {
constexpr TColor kSkinKey = 15826687;
constexpr TColor kListColor = 9066023;
constexpr TColor kFocusedRow = 32511;
constexpr TColor kSelectedRow = 11364387;
} // namespace

TSkinDemoForm::TSkinDemoForm(TComponent* owner)
    : TForm(owner),
      Background(new TImage(this)),
      Title(new TLabel(this)),
      TickLabel(new TLabel(this)),
      ProfileList(new TListBox(this)),
      FileList(new TListView(this)),
      IconImages(new TImageList(this)),
      StepTimer(new TTimer(this)),
      m_shaper(this, Background)
{
    SetBorderStyle(bsNone);
    SetCaption("Skin Demo");
    SetColor(clNavy);
    SetBounds(120, 90, 360, 240);

    Background->SetParent(this);
    Background->SetAutoSize(true);
    Background->Picture()->Bitmap()->LoadFromResourceName(HInstance(), "SKIN");

    Title->SetParent(this);
    Title->SetTransparent(true);
    Title->Font()->SetName("Arial");
    Title->Font()->SetHeight(-17);
    Title->Font()->SetStyle(TFontStyles{fsBold});
    Title->Font()->SetColor(clWhite);
    Title->SetCaption("Veltra Kova Remote");
    Title->SetBounds(30, 14, 200, 20);

    TickLabel->SetParent(this);
    TickLabel->SetTransparent(true);
    TickLabel->SetAutoSize(false);
    TickLabel->SetAlignment(taRightJustify);
    TickLabel->Font()->SetName("Arial");
    TickLabel->Font()->SetHeight(-13);
    TickLabel->Font()->SetColor(static_cast<TColor>(0x28A0FF));
    TickLabel->SetBounds(230, 17, 100, 18);

    ProfileList->SetParent(this);
    ProfileList->SetBounds(20, 56, 150, 150);
    ProfileList->SetBorderStyle(bsNone);
    ProfileList->SetColor(kListColor);
    ProfileList->Font()->SetName("Arial");
    ProfileList->Font()->SetHeight(-16);
    ProfileList->Font()->SetStyle(TFontStyles{fsBold});
    ProfileList->Font()->SetColor(clWhite);
    ProfileList->SetStyle(lbOwnerDrawFixed);
    ProfileList->SetItemHeight(24);
    ProfileList->SetTabOrder(0);
    ProfileList->Items()->BeginUpdate();
    for (const char* name : {"Media Player", "Photo Viewer", "DVD Player", "Web Browser", "Music Jukebox"})
        ProfileList->Items()->Add(name);
    ProfileList->Items()->EndUpdate();
    ProfileList->SetItemIndex(0);
    ProfileList->OnDrawItem = [this](TWinControl* c, int i, TRect r, TOwnerDrawState s) { ProfileListDrawItem(c, i, r, s); };

    FileList->SetParent(this);
    FileList->SetBounds(182, 56, 158, 150);
    FileList->SetBorderStyle(bsNone);
    FileList->SetColor(kListColor);
    FileList->Font()->SetName("Arial");
    FileList->Font()->SetHeight(-14);
    FileList->Font()->SetColor(clWhite);
    FileList->SetHideSelection(false);
    FileList->SetReadOnly(true);
    FileList->SetRowSelect(true);
    FileList->SetShowColumnHeaders(false);
    FileList->SetViewStyle(vsReport);
    FileList->SetTabOrder(1);
    FileList->Columns()->Add()->SetWidth(150);
    IconImages->SetShareImages(true);
    FileList->SetSmallImages(IconImages);
    FileList->OnCustomDrawItem = [this](TListView* s, TListItem* i, TCustomDrawState st, bool& d) {
        FileListCustomDrawItem(s, i, st, d);
    };

    // The system's small icons, as the menu's file pages show them.
    SHFILEINFOA info{};
    IconImages->SetHandle(reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("x", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                         SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES)));
    const int folderIcon = tessel::ShellIcon().GetFolderIconIndex();
    FileList->Items()->BeginUpdate();
    for (const char* name : {"..", "Holiday 2006", "Concerts", "Kids", "Trailers", "Home videos", "Archive"}) {
        TListItem* item = FileList->Items()->Add();
        item->SetCaption(name);
        item->SetImageIndex(folderIcon);
    }
    FileList->Items()->EndUpdate();
    FileList->OnCompare = [](TObject*, TListItem* a, TListItem* b, int, int& compare) {
        compare = a->Caption() == ".." ? -1 : b->Caption() == ".." ? 1 : ::lstrcmpiA(a->Caption().c_str(), b->Caption().c_str());
    };
    FileList->AlphaSort();
    FileList->SetItemFocused(FileList->Items()->Item(0));
    FileList->SetSelected(FileList->Items()->Item(0));

    StepTimer->SetInterval(700);
    StepTimer->OnTimer = [this](TObject* s) { StepTimerTimer(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    SetActiveControl(ProfileList);

    m_layered.SetColorKeyEnabled(true);
    m_layered.SetColorKey(kSkinKey);
    m_layered.Apply(Handle());
    m_flickerGuard.Attach(this);
}

TSkinDemoForm::~TSkinDemoForm()
{
    m_flickerGuard.Detach();
}

void TSkinDemoForm::FormShow(TObject*)
{
    m_shaper.Make(kSkinKey);
}

void TSkinDemoForm::ProfileListDrawItem(TWinControl*, int index, TRect rect, TOwnerDrawState state)
{
    TCanvas* canvas = ProfileList->Canvas();
    if (state.Contains(odSelected))
        canvas->Brush()->SetColor(state.Contains(odFocused) ? kFocusedRow : kSelectedRow);
    canvas->FillRect(rect);
    ::DrawTextA(canvas->Handle(), ProfileList->Items()->Get(index).c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TSkinDemoForm::FileListCustomDrawItem(TListView*, TListItem* item, TCustomDrawState state, bool& defaultDraw)
{
    TCanvas* canvas = FileList->Canvas();
    TRect rect = item->DisplayRect(drLabel);
    if (item == FileList->Selected())
        canvas->Brush()->SetColor(state.Contains(cdsFocused) ? kFocusedRow : kSelectedRow);
    canvas->FillRect(rect);
    ::DrawTextA(canvas->Handle(), item->Caption().c_str(), -1, &rect, DT_WORD_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
    if (item->ImageIndex() >= 0) {
        TIcon icon;
        IconImages->GetIcon(item->ImageIndex(), &icon);
        const TRect iconRect = item->DisplayRect(drIcon);
        canvas->Draw(iconRect.left, iconRect.top, &icon);
    }
    defaultDraw = false;
}

void TSkinDemoForm::StepTimerTimer(TObject*)
{
    ++m_ticks;
    TickLabel->SetCaption("tick " + std::to_string(m_ticks));
    ProfileList->SetItemIndex((ProfileList->ItemIndex() + 1) % ProfileList->Count());
    TListItem* focused = FileList->ItemFocused();
    TListItem* next = FileList->GetNextItem(focused, sdBelow, TItemStates{});
    if (!next)
        next = FileList->Items()->Item(0);
    FileList->SetItemFocused(next);
    FileList->SetSelected(next);
}
