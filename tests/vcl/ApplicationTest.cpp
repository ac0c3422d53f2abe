// The application object: its window receives broadcasts, OnMessage sees queued messages
// before dispatch, escaped exceptions reach the exception display, and Run ends with the
// main form.
#include "VclTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vcl;
using kova::test::PumpApplicationUntil;

namespace {

class TProbeMainForm : public TForm {
public:
    explicit TProbeMainForm(TComponent* owner) : TForm(owner)
    {
        SetCaption("Probe Main Form");
        SetBorderStyle(bsNone);
    }
    void Dispatch(TMessage& message) override
    {
        if (message.Msg >= WM_USER && message.Msg < 0xC000)
            received.push_back(message);
        if (watched && message.Msg == watched)
            received.push_back(message);
        if (message.Msg == WM_USER + 7)
            throw EInvalidOperation("Handler failed");
        TForm::Dispatch(message);
    }
    std::vector<TMessage> received;
    UINT watched = 0;
};

TProbeMainForm* ProbeForm = nullptr;

UINT UniqueMessage()
{
    const std::string name = "VclTest.Broadcast." + std::to_string(::GetCurrentProcessId());
    return ::RegisterWindowMessageA(name.c_str());
}

} // namespace

TEST(Application, BroadcastReachesTheApplicationWindowOnceAndOnMessageSeesItFirst)
{
    Application->CreateForm(ProbeForm);
    const UINT command = UniqueMessage();
    ProbeForm->watched = command;
    HWND applicationWindow = Application->Handle();
    ProbeForm->HandleNeeded();

    std::vector<MSG> seen;
    Application->OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.message != command)
            return;
        seen.push_back(msg);
        handled = msg.hwnd == applicationWindow;  // act on the application's copy only
    };
    ASSERT_TRUE(::PostMessageA(HWND_BROADCAST, command, 1286, 151));
    ASSERT_TRUE(PumpApplicationUntil([&] { return !ProbeForm->received.empty(); }, 3000));
    kova::test::PumpApplicationFor(100);

    int applicationCopies = 0;
    for (const MSG& msg : seen) {
        EXPECT_EQ(msg.wParam, 1286u);
        EXPECT_EQ(msg.lParam, 151);
        if (msg.hwnd == applicationWindow)
            ++applicationCopies;
    }
    EXPECT_EQ(applicationCopies, 1);
    // The form's own copy was not handled, so it was dispatched to the form.
    ASSERT_EQ(ProbeForm->received.size(), 1u);
    EXPECT_EQ(ProbeForm->received[0].LParam, 151);
}

TEST(Application, OnMessageCanSwallowAMessageBeforeDispatch)
{
    Application->CreateForm(ProbeForm);
    HWND form = ProbeForm->Handle();
    Application->OnMessage = [](MSG& msg, bool& handled) {
        if (msg.message == WM_USER + 5 && msg.lParam == 1)
            handled = true;
    };
    ::PostMessageA(form, WM_USER + 5, 0, 1);
    ::PostMessageA(form, WM_USER + 5, 0, 2);
    ASSERT_TRUE(PumpApplicationUntil([&] { return !ProbeForm->received.empty(); }, 3000));
    kova::test::PumpApplicationFor(50);
    ASSERT_EQ(ProbeForm->received.size(), 1u);
    EXPECT_EQ(ProbeForm->received[0].LParam, 2);
}

TEST(Application, AnExceptionEscapingAHandlerGoesToTheExceptionDisplay)
{
    Application->CreateForm(ProbeForm);
    std::vector<std::string> shown;
    Application->OnException = [&](TObject*, const std::exception& error) { shown.push_back(error.what()); };
    ::SendMessageA(ProbeForm->Handle(), WM_USER + 7, 0, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Handler failed");
    // The window goes on working.
    ::SendMessageA(ProbeForm->Handle(), WM_USER + 8, 0, 0);
    EXPECT_EQ(ProbeForm->received.back().Msg, static_cast<UINT>(WM_USER + 8));
}

TEST(Application, RunEndsWhenTheMainFormClosesAndTheFormIsFoundByClassAndCaption)
{
    Application->SetShowMainForm(false);
    Application->CreateForm(ProbeForm);
    EXPECT_EQ(Application->MainForm(), ProbeForm);
    HWND form = ProbeForm->Handle();
    EXPECT_EQ(::FindWindowA("TProbeMainForm", "Probe Main Form"), form);
    EXPECT_EQ(::GetWindow(form, GW_OWNER), Application->Handle());

    int closes = 0;
    ProbeForm->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        EXPECT_EQ(action, caHide);
    };
    ::PostMessageA(form, WM_CLOSE, 0, 0);
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(::IsWindowVisible(form));  // ShowMainForm false: never shown
}

namespace {
class TSelfAwareForm : public TForm {
public:
    explicit TSelfAwareForm(TComponent* owner);
    bool globalWasSet = false;
};
TSelfAwareForm* SelfAwareForm = nullptr;
TSelfAwareForm::TSelfAwareForm(TComponent* owner) : TForm(owner), globalWasSet(SelfAwareForm == this) {}
} // namespace

TEST(Application, CreateFormSetsTheGlobalBeforeTheConstructorRuns)
{
    Application->CreateForm(SelfAwareForm);
    EXPECT_TRUE(SelfAwareForm->globalWasSet);
    EXPECT_EQ(SelfAwareForm->Owner(), Application);
    Free(SelfAwareForm);
    EXPECT_EQ(Application->ComponentCount(), 0);
    EXPECT_EQ(Application->MainForm(), nullptr);
}
