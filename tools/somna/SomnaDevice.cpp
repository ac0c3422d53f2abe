#include "SomnaDevice.h"

#include "tessel/System/WinRegistry.h"

namespace {

constexpr const char* kDeviceKey = "Software\\Veltra\\Somna";
constexpr const char* kPowerOnValue = "PowerOn";

} // namespace

DWORD ReadPowerOnSetting()
{
    DWORD value = 0;
    tessel::RegAccessor key;
    if (!key.Open(HKEY_CURRENT_USER, kDeviceKey, false) || !key.ReadDword(kPowerOnValue, value))
        return 0;
    return value;
}

bool WritePowerOnSetting(DWORD value)
{
    tessel::RegAccessor key;
    return key.Open(HKEY_CURRENT_USER, kDeviceKey, true) && key.WriteDword(kPowerOnValue, value);
}
