#pragma once
// Stops a form from erasing its background (forms fully covered by pictures).

#include "vcl/Forms.h"

namespace tessel {

// FlickerEliminator: a member of the form, attached last in the form's constructor and
// detached in its destructor. While attached, WM_ERASEBKGND is answered 1 and goes no
// further; every other message goes to the form's previous WindowProc unchanged.
class FlickerEliminator {
public:
    FlickerEliminator() = default;
    ~FlickerEliminator() { Detach(); }
    FlickerEliminator(const FlickerEliminator&) = delete;
    FlickerEliminator& operator=(const FlickerEliminator&) = delete;

    void Attach(vcl::TForm* form);
    // Gives the form its window procedure back; answers the form (null when none was attached).
    vcl::TForm* Detach();

private:
    void Filter(vcl::TMessage& message);

    vcl::TForm* m_control = nullptr;
    vcl::TWndMethod m_replaced;
};

} // namespace tessel
