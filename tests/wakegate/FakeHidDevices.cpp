#include "FakeHidDevices.h"

#include "tessel/System/UniqueHandle.h"

#include <devguid.h>
#include <gtest/gtest.h>

namespace kova::test {
namespace {

std::string ParametersKey(const std::string& instanceId)
{
    return "System\\CurrentControlSet\\Enum\\" + instanceId + "\\Device Parameters";
}

} // namespace

FakeHidDevices::FakeHidDevices()
    : m_list(SetupDiCreateDeviceInfoList(&GUID_DEVCLASS_HIDCLASS, nullptr))
{
    EXPECT_NE(m_list, INVALID_HANDLE_VALUE);
    for (const std::string& id : PresentIds())
        m_saved[id] = Wake(id);
}

FakeHidDevices::~FakeHidDevices()
{
    for (SP_DEVINFO_DATA& device : m_devices)
        SetupDiRemoveDevice(m_list, &device);
    SetupDiDestroyDeviceInfoList(m_list);
    for (const auto& [id, value] : m_saved)
        SetWake(id, value);
}

std::string FakeHidDevices::Add(const std::string& instanceId, bool withParameters)
{
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof(device);
    // A run that ended abruptly may have left the device behind: take it over.
    const bool made = SetupDiCreateDeviceInfoA(m_list, instanceId.c_str(), &GUID_DEVCLASS_HIDCLASS,
                                               nullptr, nullptr, 0, &device) ||
        SetupDiOpenDeviceInfoA(m_list, instanceId.c_str(), nullptr, 0, &device);
    EXPECT_TRUE(made) << instanceId << " error " << GetLastError();
    EXPECT_TRUE(SetupDiRegisterDeviceInfo(m_list, &device, 0, nullptr, nullptr, nullptr));
    m_devices.push_back(device);
    if (withParameters) {
        tessel::UniqueRegKey key(SetupDiCreateDevRegKeyA(m_list, &device, DICS_FLAG_GLOBAL, 0,
                                                         DIREG_DEV, nullptr, nullptr));
        EXPECT_NE(key.get(), INVALID_HANDLE_VALUE);
        if (key.get() == INVALID_HANDLE_VALUE)
            key.release();
    }
    return instanceId;
}

void FakeHidDevices::SetWake(const std::string& instanceId, std::optional<DWORD> value)
{
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, ParametersKey(instanceId).c_str(), 0, nullptr,
                              0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
              ERROR_SUCCESS)
        << instanceId;
    tessel::UniqueRegKey key(raw);
    if (value)
        RegSetValueExA(raw, "RemoteWakeEnabled", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&*value), sizeof(DWORD));
    else
        RegDeleteValueA(raw, "RemoteWakeEnabled");
}

std::optional<DWORD> FakeHidDevices::Wake(const std::string& instanceId)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = REG_NONE;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, ParametersKey(instanceId).c_str(), "RemoteWakeEnabled",
                     RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

std::vector<std::string> FakeHidDevices::PresentIds()
{
    std::vector<std::string> ids;
    HDEVINFO list = SetupDiGetClassDevsA(&GUID_DEVCLASS_HIDCLASS, nullptr, nullptr,
                                         DIGCF_PRESENT | DIGCF_PROFILE);
    if (list == INVALID_HANDLE_VALUE)
        return ids;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(list, index, &device); ++index) {
        char id[1024] = {};
        if (SetupDiGetDeviceInstanceIdA(list, &device, id, sizeof(id), nullptr))
            ids.push_back(id);
    }
    SetupDiDestroyDeviceInfoList(list);
    return ids;
}

void FakeHidDevices::SetWakeForAll(std::optional<DWORD> value)
{
    for (const std::string& id : PresentIds())
        SetWake(id, value);
}

} // namespace kova::test
