#include "tessel/Graphics/FlickerEliminator.h"

#include "tessel/System/Assert.h"

namespace tessel {

void FlickerEliminator::Attach(vcl::TForm* form)
{
    TESSEL_ASSERT(m_control == NULL);
    m_control = form;
    m_replaced = form->WindowProc;
    form->WindowProc = [this](vcl::TMessage& message) { Filter(message); };
}

vcl::TForm* FlickerEliminator::Detach()
{
    vcl::TForm* form = m_control;
    if (form) {
        form->WindowProc = m_replaced;
        m_control = nullptr;
        m_replaced = nullptr;
    }
    return form;
}

void FlickerEliminator::Filter(vcl::TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    m_replaced(message);
}

} // namespace tessel
