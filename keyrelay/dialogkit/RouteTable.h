#pragma once
// A dialog's routing table: which member handles which window message, and which member handles
// which command (control id and notification code). Tables are static arrays of the dialog class:
//
//     static constexpr ui::CommandRoute<MyDialog> kCommands[] = {
//         {IDC_SAVE, BN_CLICKED, &MyDialog::OnSave},
//     };

#include <windows.h>

#include <optional>
#include <span>

namespace keyrelay::ui {

// A message handler answers with the result, or nothing to leave the message to the default.
template <typename Owner>
struct MessageRoute {
    UINT message;
    std::optional<INT_PTR> (Owner::*handler)(WPARAM wParam, LPARAM lParam);
};

constexpr int kAnyNotification = -1;

template <typename Owner>
struct CommandRoute {
    int id;
    int notification;   // kAnyNotification matches every code (menus and accelerators send 0)
    void (Owner::*handler)();
};

template <typename Owner>
std::optional<INT_PTR> RouteMessage(std::span<const MessageRoute<Owner>> routes, Owner& owner,
                                    UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const auto& route : routes)
        if (route.message == message)
            return (owner.*route.handler)(wParam, lParam);
    return std::nullopt;
}

template <typename Owner>
bool RouteCommand(std::span<const CommandRoute<Owner>> routes, Owner& owner, int id, int notification)
{
    for (const auto& route : routes)
        if (route.id == id && (route.notification == kAnyNotification || route.notification == notification)) {
            (owner.*route.handler)();
            return true;
        }
    return false;
}

} // namespace keyrelay::ui
