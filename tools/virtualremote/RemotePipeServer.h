#pragma once
// The receiver end of a virtual remote: serves a message-mode named pipe that Keyrelay opens in
// place of the HID receiver (KOVA_RECEIVER_PATH) and writes 9-byte reports, key code in byte 2.
// "Unplugging" closes the pipe; "plugging in" creates it again and waits for Keyrelay.

#include "tessel/System/UniqueHandle.h"

#include <windows.h>

#include <string>

namespace kova::remote {

constexpr char kDefaultPipeName[] = "\\\\.\\pipe\\kova-remote";

class RemotePipeServer {
public:
    explicit RemotePipeServer(std::string pipeName);
    ~RemotePipeServer();
    RemotePipeServer(const RemotePipeServer&) = delete;
    RemotePipeServer& operator=(const RemotePipeServer&) = delete;

    // Creates the pipe and listens for Keyrelay; true when listening (or connected already).
    bool Plug();
    // Disconnects Keyrelay and closes the pipe; Keyrelay sees the receiver go away.
    void Unplug();
    bool IsPlugged() const { return m_pipe.valid(); }

    // True once Keyrelay has opened the pipe, waiting up to timeoutMs (0 only polls).
    bool WaitForClient(DWORD timeoutMs);
    // Writes one report with this key code (0 is the release report). False when no client is
    // connected or it has gone away; the pipe then listens for the next one.
    bool SendKey(BYTE code);

    // Waits, at most timeoutMs, until Keyrelay has read every report sent; closing the pipe
    // earlier would drop them.
    void Drain(DWORD timeoutMs);

    const std::string& Name() const { return m_name; }

private:
    void Listen();

    std::string m_name;
    tessel::UniqueFileHandle m_pipe;
    tessel::UniqueKernelHandle m_connectEvent;
    OVERLAPPED m_connect = {};
    bool m_connecting = false;
    bool m_connected = false;
};

// Key names for the command line and the window: "power", "suspend", "noiseoff", "wifi",
// "launch", "fullscreen", "volup", "prev", "play", "next", "voldown" (1 to 11), or a number
// 0 to 255. -1 when the text is neither.
int ParseKey(const std::string& text);
const char* KeyLabel(int key);   // "Power", ..., for keys 1 to 11

} // namespace kova::remote
