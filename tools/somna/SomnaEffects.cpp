#include "SomnaEffects.h"

#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <wrl/client.h>

namespace {

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// COM for the length of one call, on whatever apartment the caller's thread already has.
class ComScope {
public:
    ComScope() : m_initialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope()
    {
        if (m_initialized)
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool m_initialized;
};

void MuteDefaultOutput(bool mute)
{
    using Microsoft::WRL::ComPtr;
    ComScope com;
    ComPtr<IMMDeviceEnumerator> devices;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                IID_PPV_ARGS(&devices))))
        return;
    ComPtr<IMMDevice> output;
    if (FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &output)))
        return;
    ComPtr<IAudioEndpointVolume> volume;
    if (FAILED(output->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                reinterpret_cast<void**>(volume.GetAddressOf()))))
        return;
    volume->SetMute(mute ? TRUE : FALSE, nullptr);
}

} // namespace

void SwitchSound(bool on)
{
    if (!RunningUnderWine())
        MuteDefaultOutput(!on);
}

void SwitchScreen(bool on)
{
    if (RunningUnderWine())
        return;
    // -1 powers the display on, 2 switches it off.
    PostMessageA(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, on ? -1 : 2);
}
