#include "RemotePipeServer.h"

#include <cstdlib>
#include <cstring>

namespace kova::remote {
namespace {

constexpr DWORD kReportSize = 9;

struct KeyInfo {
    const char* name;
    const char* label;
};
constexpr KeyInfo kKeys[] = {
    {"power", "Power"},       {"suspend", "Suspend"}, {"noiseoff", "Noise Off"}, {"wifi", "PILO-WiFi"},
    {"launch", "Launch"},     {"fullscreen", "Full Screen"}, {"volup", "Volume +"}, {"prev", "Previous"},
    {"play", "Play/Pause"},   {"next", "Next"},       {"voldown", "Volume -"},
};

} // namespace

RemotePipeServer::RemotePipeServer(std::string pipeName)
    : m_name(std::move(pipeName)), m_connectEvent(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
}

RemotePipeServer::~RemotePipeServer()
{
    Unplug();
}

bool RemotePipeServer::Plug()
{
    if (m_pipe)
        return true;
    m_pipe.reset(::CreateNamedPipeA(m_name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                    PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 4096, 4096, 0,
                                    nullptr));
    if (!m_pipe)
        return false;
    Listen();
    return true;
}

void RemotePipeServer::Unplug()
{
    if (!m_pipe)
        return;
    if (m_connecting) {
        ::CancelIo(m_pipe.get());
        DWORD ignored = 0;
        ::GetOverlappedResult(m_pipe.get(), &m_connect, &ignored, TRUE);
    }
    ::DisconnectNamedPipe(m_pipe.get());
    m_pipe.reset();
    m_connecting = false;
    m_connected = false;
}

void RemotePipeServer::Listen()
{
    m_connected = false;
    m_connecting = false;
    m_connect = {};
    m_connect.hEvent = m_connectEvent.get();
    ::ResetEvent(m_connectEvent.get());
    if (::ConnectNamedPipe(m_pipe.get(), &m_connect)) {
        m_connected = true;
        return;
    }
    switch (::GetLastError()) {
    case ERROR_PIPE_CONNECTED:
        m_connected = true;
        break;
    case ERROR_IO_PENDING:
        m_connecting = true;
        break;
    default:
        break;
    }
}

bool RemotePipeServer::WaitForClient(DWORD timeoutMs)
{
    if (!m_pipe)
        return false;
    if (m_connected) {
        // Still there? A closed client shows as a broken pipe.
        if (::PeekNamedPipe(m_pipe.get(), nullptr, 0, nullptr, nullptr, nullptr))
            return true;
        const DWORD error = ::GetLastError();
        if (error != ERROR_BROKEN_PIPE && error != ERROR_PIPE_NOT_CONNECTED)
            return true;
        ::DisconnectNamedPipe(m_pipe.get());
        Listen();
    }
    if (!m_connecting)
        return false;
    if (::WaitForSingleObject(m_connectEvent.get(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    DWORD ignored = 0;
    m_connecting = false;
    m_connected = ::GetOverlappedResult(m_pipe.get(), &m_connect, &ignored, FALSE) != FALSE;
    if (!m_connected) {   // the client went away before we looked: listen again
        ::DisconnectNamedPipe(m_pipe.get());
        Listen();
    }
    return m_connected;
}

bool RemotePipeServer::SendKey(BYTE code)
{
    if (!WaitForClient(0))
        return false;
    BYTE report[kReportSize] = {0x01, 0x00, code};
    OVERLAPPED write = {};
    tessel::UniqueKernelHandle done(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    write.hEvent = done.get();
    DWORD written = 0;
    bool ok = ::WriteFile(m_pipe.get(), report, kReportSize, &written, &write) != FALSE;
    if (!ok && ::GetLastError() == ERROR_IO_PENDING)
        ok = ::GetOverlappedResult(m_pipe.get(), &write, &written, TRUE) != FALSE;
    if (ok && written == kReportSize)
        return true;
    ::DisconnectNamedPipe(m_pipe.get());
    Listen();
    return false;
}

void RemotePipeServer::Drain(DWORD timeoutMs)
{
    if (!m_connected)
        return;
    // FlushFileBuffers waits for the reader without a time limit: run it aside and cancel it.
    HANDLE pipe = m_pipe.get();
    tessel::UniqueKernelHandle flusher(::CreateThread(
        nullptr, 0, [](void* handle) -> DWORD { return ::FlushFileBuffers(static_cast<HANDLE>(handle)); }, pipe, 0,
        nullptr));
    if (!flusher)
        return;
    if (::WaitForSingleObject(flusher.get(), timeoutMs) != WAIT_OBJECT_0) {
        ::CancelSynchronousIo(flusher.get());
        ::WaitForSingleObject(flusher.get(), 1000);
    }
}

int ParseKey(const std::string& text)
{
    for (int i = 0; i < 11; ++i)
        if (_stricmp(text.c_str(), kKeys[i].name) == 0)
            return i + 1;
    if (text.empty() || text.size() > 3)
        return -1;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < 0 || value > 255)
        return -1;
    return static_cast<int>(value);
}

const char* KeyLabel(int key)
{
    return key >= 1 && key <= 11 ? kKeys[key - 1].label : "";
}

} // namespace kova::remote
