#include "RemoteWake.h"

#include "tessel/System/WinRegistry.h"

#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

#include <functional>
#include <string>

namespace remote_wake {
namespace {

constexpr const char* kWakeValue = "RemoteWakeEnabled";
constexpr DWORD kInstanceIdLength = 1024;

// Owns a device information list.
class DeviceList {
public:
    DeviceList()
        : m_list(SetupDiGetClassDevsA(&GUID_DEVCLASS_HIDCLASS, nullptr, nullptr,
                                      DIGCF_PRESENT | DIGCF_PROFILE))
    {
    }
    ~DeviceList()
    {
        if (IsValid())
            SetupDiDestroyDeviceInfoList(m_list);
    }
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;

    bool IsValid() const { return m_list != INVALID_HANDLE_VALUE; }
    HDEVINFO Get() const { return m_list; }

private:
    HDEVINFO m_list;
};

enum class Visit { Continue, Stop };

// Calls visit with the instance id of every present HID device until it asks to stop.
// False when the device list cannot be obtained.
bool ForEachHidDevice(const std::function<Visit(const char* instanceId)>& visit)
{
    const DeviceList devices;
    if (!devices.IsValid())
        return false;
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device = {};
        device.cbSize = sizeof(device);
        if (!SetupDiEnumDeviceInfo(devices.Get(), index, &device)) {
            if (GetLastError() != ERROR_NO_MORE_ITEMS)
                MessageBoxA(nullptr, "Enumerating HID devices failed !!", "Kova Remote", MB_OK);
            return true;
        }
        char instanceId[kInstanceIdLength] = {};
        // An id that does not fit leaves the buffer empty, and that device's key is not found.
        if (!SetupDiGetDeviceInstanceIdA(devices.Get(), &device, instanceId, kInstanceIdLength,
                                         nullptr))
            instanceId[0] = '\0';
        if (visit(instanceId) == Visit::Stop)
            return true;
    }
}

std::string ParametersKey(const char* instanceId)
{
    return std::string("System\\CurrentControlSet\\Enum\\") + instanceId + "\\Device Parameters";
}

bool MayWake(const char* instanceId)
{
    if (instanceId[0] == '\0')
        return false;
    tessel::RegAccessor key;
    DWORD value = 0;
    return key.Open(HKEY_LOCAL_MACHINE, ParametersKey(instanceId).c_str(), false) &&
        key.ReadDword(kWakeValue, value) && value == 1;
}

bool AllowWake(const char* instanceId)
{
    if (instanceId[0] == '\0')
        return false;
    tessel::RegAccessor key;
    return key.Open(HKEY_LOCAL_MACHINE, ParametersKey(instanceId).c_str(), false) &&
        key.WriteDword(kWakeValue, 1);
}

} // namespace

bool AllDevicesMayWake()
{
    bool all = true;
    const bool listed = ForEachHidDevice([&](const char* instanceId) {
        if (!MayWake(instanceId))
            all = false;
        return Visit::Continue;
    });
    return listed && all;
}

bool AnyDeviceMayWake()
{
    bool any = false;
    ForEachHidDevice([&](const char* instanceId) {
        any = MayWake(instanceId);
        return any ? Visit::Stop : Visit::Continue;
    });
    return any;
}

bool AllowAllDevicesToWake()
{
    bool all = true;
    const bool listed = ForEachHidDevice([&](const char* instanceId) {
        if (!AllowWake(instanceId))
            all = false;
        return Visit::Continue;
    });
    return listed && all;
}

} // namespace remote_wake
