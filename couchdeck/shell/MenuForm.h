#pragma once
// The on-screen menu's form. It stays empty and hidden until the menu is built into it.

#include "vcl/Forms.h"

class TMenuForm : public vcl::TForm {
public:
    explicit TMenuForm(vcl::TComponent* owner);
};

extern TMenuForm* MenuForm;
