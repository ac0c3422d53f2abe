// The skin demo program: "vcl_skin_demo [/exit-after <ms>]".
#include "SkinDemoForm.h"

#include <cstdlib>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    using namespace vcl;
    try {
        Application->Initialize();
        Application->SetTitle("Skin Demo");
        Application->CreateForm(SkinDemoForm);
        TTimer* exitTimer = nullptr;
        if (const char* option = std::strstr(commandLine, "/exit-after ")) {
            exitTimer = new TTimer(Application);
            exitTimer->SetInterval(static_cast<unsigned>(std::atoi(option + 12)));
            exitTimer->OnTimer = [](TObject*) { SkinDemoForm->Close(); };
        }
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    return 0;
}
