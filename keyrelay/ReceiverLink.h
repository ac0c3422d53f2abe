#pragma once
// The link to the remote's USB receiver: discovery among the HID devices, the reader loop with
// overlapped 9-byte reads, the auto-repeat of the volume keys, and loss and recovery of the link.

#include "tessel/System/UniqueHandle.h"

#include <windows.h>

#include <string>

namespace keyrelay {

enum class LinkState { Searching, Connected, Stopped };

// What the reader loop needs from its owner (KeyrelayDialog).
class ReceiverHost {
public:
    virtual ~ReceiverHost() = default;
    virtual bool KeepRunning() const = 0;
    // Searching at the start and after a loss, Connected after an open, Stopped at the end.
    virtual void OnLinkState(LinkState state) = 0;
    virtual void OnKey(unsigned code) = 0;
};

// Opens the first HID device interface with this vendor and product id that can be opened for
// overlapped reading and writing. When KOVA_RECEIVER_PATH is set, opens that path instead.
// An empty handle when nothing matches.
tessel::UniqueFileHandle OpenReceiver(USHORT vendorId, USHORT productId);

// The receiver path the environment names, empty when the seam is off.
std::string ReceiverPathOverride();

// The reader thread's body: runs until host.KeepRunning() turns false; returns 0.
DWORD RunReceiverLink(ReceiverHost& host);

} // namespace keyrelay
