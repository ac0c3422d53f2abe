#include "RemoteScript.h"

#include <cstdlib>

namespace kova::remote {
namespace {

constexpr DWORD kDrainMs = 2000;

bool ParseMilliseconds(const std::string& text, DWORD& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text.c_str(), &end, 10);
    if (*end != '\0')
        return false;
    value = static_cast<DWORD>(parsed);
    return true;
}

bool Send(RemotePipeServer& server, BYTE code, DWORD connectTimeoutMs)
{
    return server.WaitForClient(connectTimeoutMs) && server.SendKey(code);
}

} // namespace

int RunScript(RemotePipeServer& server, const std::vector<std::string>& actions, DWORD connectTimeoutMs,
              std::string& error)
{
    // Check the whole script first, so a typo sends nothing.
    for (size_t i = 0; i < actions.size(); ++i) {
        const std::string& action = actions[i];
        DWORD ms = 0;
        if (action == "press" || action == "hold") {
            if (i + 1 >= actions.size() || ParseKey(actions[i + 1]) < 0) {
                error = action + " needs a key";
                return 2;
            }
            ++i;
            if (action == "hold" && (++i >= actions.size() || !ParseMilliseconds(actions[i], ms))) {
                error = "hold needs a key and milliseconds";
                return 2;
            }
        } else if (action == "wait") {
            if (++i >= actions.size() || !ParseMilliseconds(actions[i], ms)) {
                error = "wait needs milliseconds";
                return 2;
            }
        } else if (action != "plug" && action != "unplug") {
            error = "unknown action: " + action;
            return 2;
        }
    }
    for (size_t i = 0; i < actions.size(); ++i) {
        const std::string& action = actions[i];
        DWORD ms = 0;
        if (action == "press") {
            const BYTE key = static_cast<BYTE>(ParseKey(actions[++i]));
            if (!Send(server, key, connectTimeoutMs) || !server.SendKey(0))
                return 1;
        } else if (action == "hold") {
            const BYTE key = static_cast<BYTE>(ParseKey(actions[++i]));
            ParseMilliseconds(actions[++i], ms);
            if (!Send(server, key, connectTimeoutMs))
                return 1;
            ::Sleep(ms);
            if (!server.SendKey(0))
                return 1;
        } else if (action == "wait") {
            ParseMilliseconds(actions[++i], ms);
            ::Sleep(ms);
        } else if (action == "unplug") {
            server.Drain(kDrainMs);
            server.Unplug();
        } else if (action == "plug") {
            if (!server.Plug())
                return 1;
        }
    }
    server.Drain(kDrainMs);
    return 0;
}

} // namespace kova::remote
