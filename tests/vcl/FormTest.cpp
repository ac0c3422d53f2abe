// Forms and controls on real windows: focus order, the replaceable window procedure,
// creation parameters, mouse and key handling, windowless children and ownership.
#include "VclTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vcl;

namespace {

class TProbeForm : public TForm {
public:
    explicit TProbeForm(TComponent* owner, HWND ownerWindow = nullptr) : TForm(owner), m_ownerWindow(ownerWindow)
    {
        SetBorderStyle(bsNone);
        SetBounds(10, 10, 300, 200);
    }
    void CreateParams(TCreateParams& params) override
    {
        TForm::CreateParams(params);
        params.ExStyle |= WS_EX_TOOLWINDOW;
        if (m_ownerWindow)
            params.WndParent = m_ownerWindow;
    }

private:
    HWND m_ownerWindow;
};

// A windowed control that records the overridable operations the skinned controls rely on.
class TProbeControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::vector<std::string> calls;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        calls.push_back("down " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
        TWinControl::MouseDown(button, shift, x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override
    {
        calls.push_back("up " + std::to_string(button));
        TWinControl::MouseUp(button, shift, x, y);
    }
    void KeyDown(WORD& key, TShiftState shift) override
    {
        calls.push_back("keydown " + std::to_string(key));
        TWinControl::KeyDown(key, shift);
    }
    void KeyUp(WORD& key, TShiftState shift) override
    {
        calls.push_back("keyup " + std::to_string(key));
        TWinControl::KeyUp(key, shift);
    }
    void DoEnter() override { calls.push_back("enter"); }
    void DoExit() override { calls.push_back("exit"); }
};

template <typename T>
T* Place(TForm* form, int left, int top, int tabOrder)
{
    T* control = new T(form);
    control->SetParent(form);
    control->SetBounds(left, top, 60, 24);
    control->SetTabOrder(tabOrder);
    return control;
}

} // namespace

TEST(Form, NextDialogControlFollowsTabOrderSkipsUnfocusableControlsAndWraps)
{
    auto* form = new TProbeForm(Application);
    // Declared out of tab order, as form tables list them.
    auto* second = Place<TButton>(form, 0, 0, 2);
    auto* first = Place<TListBox>(form, 0, 30, 0);
    auto* noTabStop = Place<TButton>(form, 0, 60, 1);
    noTabStop->SetTabStop(false);
    auto* disabled = Place<TCheckBox>(form, 0, 90, 3);
    disabled->SetEnabled(false);
    auto* hidden = Place<TButton>(form, 0, 120, 4);
    hidden->SetVisible(false);
    auto* last = Place<TButton>(form, 0, 150, 5);
    form->Show();
    form->SetActiveControl(first);
    EXPECT_EQ(::GetFocus(), first->Handle());

    const std::vector<TWinControl*> forward = {second, last, first, second};
    for (TWinControl* expected : forward) {
        form->Perform(WM_NEXTDLGCTL, 0, 0);
        EXPECT_EQ(form->ActiveControl(), expected);
        EXPECT_EQ(::GetFocus(), expected->Handle());
    }
    const std::vector<TWinControl*> backward = {first, last, second, first};
    for (TWinControl* expected : backward) {
        form->Perform(WM_NEXTDLGCTL, 1, 0);
        EXPECT_EQ(form->ActiveControl(), expected);
    }
    Free(form);
}

TEST(Form, FocusKeysAndMouseReachTheOverridableOperations)
{
    auto* form = new TProbeForm(Application);
    auto* probe = Place<TProbeControl>(form, 10, 10, 0);
    probe->SetTabStop(true);
    auto* other = Place<TButton>(form, 10, 50, 1);
    int clicks = 0;
    probe->OnClick = [&](TObject*) { ++clicks; };
    form->Show();

    probe->SetFocus();
    EXPECT_TRUE(probe->Focused());
    probe->Perform(WM_KEYDOWN, VK_SPACE, 0);
    probe->Perform(WM_KEYUP, VK_SPACE, 0);
    ::SendMessageA(probe->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    EXPECT_TRUE(probe->MouseCapture());
    ::SendMessageA(probe->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
    EXPECT_FALSE(probe->MouseCapture());
    other->SetFocus();

    const std::vector<std::string> expected = {"enter", "keydown 32", "keyup 32", "down 0 3,4", "up 0", "exit"};
    EXPECT_EQ(probe->calls, expected);
    EXPECT_EQ(clicks, 1);
    Free(form);
}

TEST(Form, AReplacedWindowProcSeesEveryMessageFirstAndCanBeRestored)
{
    auto* form = new TProbeForm(Application);
    HWND window = form->Handle();
    TWndMethod original = form->WindowProc;
    int erases = 0;
    int others = 0;
    form->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_ERASEBKGND) {
            ++erases;
            message.Result = 1;
            return;
        }
        ++others;
        original(message);
    };
    tessel::WindowDc dc(window);
    EXPECT_EQ(::SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
    ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("New caption"));
    EXPECT_EQ(erases, 1);
    EXPECT_GE(others, 1);
    char text[32] = {};
    ::GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "New caption");

    form->WindowProc = original;
    ::SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    EXPECT_EQ(erases, 1);
    Free(form);
}

TEST(Form, CreationParametersNameTheClassStyleAndOwner)
{
    auto* owner = new TProbeForm(Application);
    auto* owned = new TProbeForm(Application, owner->Handle());
    char name[64] = {};
    ::GetClassNameA(owned->Handle(), name, sizeof name);
    EXPECT_STREQ(name, "TProbeForm");
    EXPECT_TRUE(::GetWindowLongA(owned->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(::GetWindowLongA(owned->Handle(), GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(::GetWindow(owned->Handle(), GW_OWNER), owner->Handle());
    EXPECT_EQ(::GetWindow(owner->Handle(), GW_OWNER), Application->Handle());

    owned->SetClientSize(120, 45);
    EXPECT_EQ(owned->ClientWidth(), 120);
    EXPECT_EQ(owned->Width(), 120);  // no border
    Free(owned);
    Free(owner);
}

TEST(Form, AWindowlessChildTakesTheMouseOnlyWhileEnabled)
{
    auto* form = new TProbeForm(Application);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(10, 10, 20, 20);
    std::vector<std::string> downs;
    image->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        downs.push_back("image " + std::to_string(x) + "," + std::to_string(y));
    };
    form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        downs.push_back("form " + std::to_string(x) + "," + std::to_string(y));
    };
    HWND window = form->Handle();
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 16));
    ::SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(15, 16));
    image->SetEnabled(false);
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 16));
    ::SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(15, 16));
    ::SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 60));
    const std::vector<std::string> expected = {"image 5,6", "form 15,16", "form 50,60"};
    EXPECT_EQ(downs, expected);
    EXPECT_EQ(image->ClientToScreen(TPoint(0, 0)), form->ClientToScreen(TPoint(10, 10)));
    Free(form);
}

namespace {
class TCountedComponent : public TComponent {
public:
    TCountedComponent(TComponent* owner, int& destroyed) : TComponent(owner), m_destroyed(destroyed) {}
    ~TCountedComponent() override { ++m_destroyed; }

private:
    int& m_destroyed;
};
} // namespace

TEST(Form, OwnersFreeTheirComponentsAndOnDestroySeesTheWholeForm)
{
    int destroyed = 0;
    auto* form = new TProbeForm(Application);
    new TCountedComponent(form, destroyed);
    auto* early = new TCountedComponent(form, destroyed);
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    auto* list = Place<TListBox>(form, 0, 0, 0);
    list->Items()->Add("row");
    Free(early);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(form->ComponentCount(), 3);
    bool listAlive = false;
    form->OnDestroy = [&](TObject*) { listAlive = form->ComponentCount() == 3 && list->Items()->Count() == 1; };
    Free(form);
    EXPECT_TRUE(listAlive);
    EXPECT_EQ(destroyed, 2);
}

TEST(Form, ShowAndCloseRunTheirEvents)
{
    auto* form = new TProbeForm(Application);
    int shows = 0;
    form->OnShow = [&](TObject*) {
        ++shows;
        EXPECT_FALSE(::IsWindowVisible(form->Handle()));  // before the window appears
    };
    form->Show();
    form->Show();
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(::IsWindowVisible(form->Handle()));

    TCloseAction next = caNone;
    form->OnClose = [&](TObject*, TCloseAction& action) { action = next; };
    form->Close();
    EXPECT_TRUE(form->Visible());
    next = caHide;
    form->Close();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(::IsWindowVisible(form->Handle()));
    Free(form);
}

TEST(Timer, TicksWhileEnabledAndStopsWhenDisabled)
{
    TTimer timer(nullptr);
    timer.SetInterval(20);
    int ticks = 0;
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    EXPECT_TRUE(kova::test::PumpApplicationUntil([&] { return ticks >= 3; }, 3000));
    kova::test::PumpApplicationFor(150);
    EXPECT_EQ(ticks, 3);
}

TEST(Form, AChildAskedForItsWindowBeforeTheFormGetsExactlyOneWindow)
{
    auto* form = new TProbeForm(Application);
    auto* list = Place<TListBox>(form, 0, 0, 0);
    auto* button = Place<TButton>(form, 0, 30, 1);
    HWND listWindow = list->Handle();  // makes the form's window, and with it all children
    int children = 0;
    ::EnumChildWindows(
        form->Handle(), [](HWND, LPARAM count) { ++*reinterpret_cast<int*>(count); return TRUE; },
        reinterpret_cast<LPARAM>(&children));
    EXPECT_EQ(children, 2);
    EXPECT_EQ(::GetParent(listWindow), form->Handle());
    EXPECT_EQ(::GetParent(button->Handle()), form->Handle());
    Free(form);
}
