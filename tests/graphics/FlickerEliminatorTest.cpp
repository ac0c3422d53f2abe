// The erase filter swapped into a form's window procedure.
#include "tessel/Graphics/FlickerEliminator.h"

#include "tessel/System/Assert.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(FlickerEliminator, SwallowsBackgroundErasesAndPassesEverythingElse)
{
    auto* form = new TForm(Application);
    HWND window = form->Handle();
    int erases = 0;
    int texts = 0;
    TWndMethod inner = form->WindowProc;
    form->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_ERASEBKGND)
            ++erases;
        if (message.Msg == WM_SETTEXT)
            ++texts;
        inner(message);
    };
    {
        tessel::FlickerEliminator guard;
        guard.Attach(form);
        tessel::WindowDc dc(window);
        EXPECT_EQ(::SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
        ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("still handled"));
        EXPECT_EQ(erases, 0);
        EXPECT_EQ(texts, 1);
        EXPECT_THROW(guard.Attach(form), tessel::AssertionError);  // "m_control == NULL"
    }  // the destructor detaches
    tessel::WindowDc dc(window);
    ::SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    EXPECT_EQ(erases, 1);
    Free(form);
}

TEST(FlickerEliminator, DetachWithoutAttachAnswersNull)
{
    tessel::FlickerEliminator guard;
    EXPECT_EQ(guard.Detach(), nullptr);
}
