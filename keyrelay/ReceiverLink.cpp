#include "ReceiverLink.h"

#include "RemoteProtocol.h"

#include <setupapi.h>
// The HID header declares its functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <cstdio>
#include <vector>

namespace keyrelay {
namespace {

constexpr DWORD kPollMs = 500;

struct DeviceInfoListTraits {
    using Handle = HDEVINFO;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::SetupDiDestroyDeviceInfoList(h); }
};
using UniqueDeviceInfoList = tessel::UniqueHandle<DeviceInfoListTraits>;

tessel::UniqueFileHandle OpenForReports(const char* path)
{
    return tessel::UniqueFileHandle(::CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                  OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
}

std::string InterfacePath(HDEVINFO devices, SP_DEVICE_INTERFACE_DATA& interfaceData)
{
    DWORD size = 0;
    ::SetupDiGetDeviceInterfaceDetailA(devices, &interfaceData, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
        return {};
    std::vector<BYTE> buffer(size);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    if (!::SetupDiGetDeviceInterfaceDetailA(devices, &interfaceData, detail, size, nullptr, nullptr))
        return {};
    const char* path = detail->DevicePath;
    const size_t room = size - static_cast<size_t>(path - reinterpret_cast<const char*>(buffer.data()));
    return std::string(path, strnlen(path, room));
}

void Trace(const BYTE (&report)[kReportSize])
{
    char line[32];
    std::snprintf(line, sizeof(line), "recv'd %02X %02X %02X\n", report[0], report[1], report[2]);
    ::OutputDebugStringA(line);
}

// One overlapped read outstanding at a time on the open receiver.
class ReportReader {
public:
    enum class Result { Report, Idle, Lost };

    explicit ReportReader(HANDLE event) : m_event(event) {}

    // Waits up to kPollMs for one report.
    Result Read(HANDLE device)
    {
        m_overlapped = {};
        m_overlapped.hEvent = m_event;
        DWORD transferred = 0;
        if (!::ReadFile(device, m_report, kReportSize, &transferred, &m_overlapped) &&
            ::GetLastError() != ERROR_IO_PENDING)
            return Result::Lost;
        if (::WaitForSingleObject(m_event, kPollMs) != WAIT_OBJECT_0) {
            ::CancelIo(device);
            // The read may have completed just before the cancellation: keep its report.
            return Finish(device, Result::Idle);
        }
        return Finish(device, Result::Lost);
    }

    const BYTE (&Report() const)[kReportSize] { return m_report; }

private:
    // The outcome of the read, which is finished or cancelled by now; `failure` when it failed
    // for another reason than a cancellation or delivered nothing.
    Result Finish(HANDLE device, Result failure)
    {
        DWORD transferred = 0;
        if (::GetOverlappedResult(device, &m_overlapped, &transferred, TRUE))
            return transferred > 0 ? Result::Report : failure;
        return ::GetLastError() == ERROR_OPERATION_ABORTED ? Result::Idle : Result::Lost;
    }

    HANDLE m_event;
    OVERLAPPED m_overlapped = {};
    BYTE m_report[kReportSize] = {};
};

bool IsRepeatingKey(BYTE key)
{
    return key == KEY_VOLUME_UP || key == KEY_VOLUME_DOWN;
}

} // namespace

std::string ReceiverPathOverride()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetEnvironmentVariableA(kReceiverPathVariable, path, sizeof(path));
    if (length == 0 || length >= sizeof(path))
        return {};
    return path;
}

tessel::UniqueFileHandle OpenReceiver(USHORT vendorId, USHORT productId)
{
    const std::string overridePath = ReceiverPathOverride();
    if (!overridePath.empty())
        return OpenForReports(overridePath.c_str());

    GUID hidGuid;
    ::HidD_GetHidGuid(&hidGuid);
    UniqueDeviceInfoList devices(
        ::SetupDiGetClassDevsA(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!devices)
        return {};
    SP_DEVICE_INTERFACE_DATA interfaceData = {};
    interfaceData.cbSize = sizeof(interfaceData);
    for (DWORD index = 0;
         ::SetupDiEnumDeviceInterfaces(devices.get(), nullptr, &hidGuid, index, &interfaceData); ++index) {
        const std::string path = InterfacePath(devices.get(), interfaceData);
        if (path.empty())
            continue;
        tessel::UniqueFileHandle device = OpenForReports(path.c_str());
        if (!device)
            continue;   // held exclusively by the system, like keyboards and mice
        HIDD_ATTRIBUTES attributes = {};
        attributes.Size = sizeof(attributes);
        if (::HidD_GetAttributes(device.get(), &attributes) && attributes.VendorID == vendorId &&
            attributes.ProductID == productId)
            return device;
    }
    return {};
}

DWORD RunReceiverLink(ReceiverHost& host)
{
    tessel::UniqueKernelHandle readEvent(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    host.OnLinkState(LinkState::Searching);
    ReportReader reader(readEvent.get());
    tessel::UniqueFileHandle device;
    bool repeatArmed = false;
    BYTE repeatCode = 0;

    while (host.KeepRunning()) {
        if (!device) {
            device = OpenReceiver(kReceiverVendorId, kReceiverProductId);
            if (!device) {
                ::Sleep(kPollMs);
                continue;
            }
            repeatArmed = false;
            host.OnLinkState(LinkState::Connected);
            continue;
        }
        switch (reader.Read(device.get())) {
        case ReportReader::Result::Idle:
            if (repeatArmed)
                host.OnKey(repeatCode);
            break;
        case ReportReader::Result::Report: {
            const BYTE key = reader.Report()[kReportKeyByte];
            Trace(reader.Report());
            host.OnKey(key);
            repeatArmed = IsRepeatingKey(key);
            repeatCode = key;
            break;
        }
        case ReportReader::Result::Lost:
            device.reset();
            repeatArmed = false;
            host.OnLinkState(LinkState::Searching);
            break;
        }
    }
    device.reset();
    host.OnLinkState(LinkState::Stopped);
    return 0;
}

} // namespace keyrelay
