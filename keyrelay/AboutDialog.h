#pragma once
// The About box: icon, version line, copyright and OK, all from dialog template 100.

#include "dialogkit/Dialog.h"
#include "resource.h"

namespace keyrelay {

class AboutDialog : public ui::Dialog {
public:
    AboutDialog() : Dialog(IDD_ABOUTBOX) {}
};

} // namespace keyrelay
