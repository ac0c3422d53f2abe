#pragma once
// HID-class device instances made for a test through the setup API, removed again by the
// destructor, and control of "RemoteWakeEnabled" for every present HID device (Wine lists a few
// of its own, whose values are put back afterwards).

#include <windows.h>

#include <setupapi.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kova::test {

class FakeHidDevices {
public:
    FakeHidDevices();
    ~FakeHidDevices();
    FakeHidDevices(const FakeHidDevices&) = delete;
    FakeHidDevices& operator=(const FakeHidDevices&) = delete;

    // Registers a device; withParameters makes its "Device Parameters" key. Returns its id.
    std::string Add(const std::string& instanceId, bool withParameters = true);

    // Null removes the value. Creates the "Device Parameters" key when needed.
    static void SetWake(const std::string& instanceId, std::optional<DWORD> value);
    static std::optional<DWORD> Wake(const std::string& instanceId);
    // The ids of all present HID devices, as the remote-wake routines see them.
    static std::vector<std::string> PresentIds();
    static void SetWakeForAll(std::optional<DWORD> value);

private:
    HDEVINFO m_list;
    std::vector<SP_DEVINFO_DATA> m_devices;
    std::map<std::string, std::optional<DWORD>> m_saved;
};

} // namespace kova::test
