#pragma once
// Whether the machine's HID devices may wake it from standby: the registry value
// "RemoteWakeEnabled" below each present HID device instance's "Device Parameters" key
// (HKEY_LOCAL_MACHINE). Opening those keys needs administrative rights; without them every
// answer is false and nothing is written. No state is kept: each call enumerates afresh.

namespace remote_wake {

// True when every present HID device may wake the system (also when there are none).
bool AllDevicesMayWake();

// True when at least one present HID device may wake the system.
bool AnyDeviceMayWake();

// Lets every present HID device wake the system; true when every device could be set.
bool AllowAllDevicesToWake();

} // namespace remote_wake
