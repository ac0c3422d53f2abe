#pragma once
// What travels between the remote, Keyrelay and Couchdeck: the remote's key codes, the broadcast
// command message and its codes, and the control messages Couchdeck sends to Keyrelay.

#include <windows.h>

namespace keyrelay {

// Byte 2 of a receiver report.
enum RemoteKey : unsigned {
    KEY_POWER = 1,
    KEY_SUSPEND = 2,
    KEY_NOISE_OFF = 3,
    KEY_PILO_WIFI = 4,
    KEY_LAUNCH = 5,
    KEY_FULL_SCREEN = 6,
    KEY_VOLUME_UP = 7,
    KEY_PREVIOUS = 8,
    KEY_PLAY_PAUSE = 9,
    KEY_NEXT = 10,
    KEY_VOLUME_DOWN = 11,
};
constexpr unsigned kRemoteKeyCount = 11;

// lParam of the broadcast command message.
enum CommandCode : unsigned {
    CMD_POWER_ON_AFTER_LOSS_ON = 128,
    CMD_POWER_ON_AFTER_LOSS_OFF = 129,
    CMD_POWER_OFF = 146,
    CMD_HIBERNATE = 147,
    CMD_SUSPEND = 148,
    CMD_NOISE_OFF = 149,
    CMD_PILO_WIFI = 150,
    CMD_LAUNCH = 151,
    CMD_FULL_SCREEN = 152,
    CMD_VOLUME_UP = 153,
    CMD_PREVIOUS = 154,
    CMD_PLAY_PAUSE = 155,
    CMD_NEXT = 156,
    CMD_VOLUME_DOWN = 157,
};

inline constexpr char kBroadcastCommandMessageName[] = "71C56EAB-4A41-4f42-8F69-871D39176D41";
inline constexpr char kShowSettingsMessageName[] = "8B3E2233-EB09-4648-A800-BF1359545F43";
inline constexpr char kSingleInstanceMutexName[] = "688413CB-FE70-4507-884F-AD718FCCB9CF";

// wParam of every broadcast command; receivers ignore the message without it.
constexpr WPARAM BROADCAST_TAG = 1286;
// wParam of the control messages ('T').
constexpr WPARAM RECEIVER_TAG = 84;

constexpr UINT WM_RELOAD_SETTINGS = WM_USER;
constexpr UINT WM_EXIT_RECEIVER = WM_USER + 1;
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 3;

// Keyrelay's window: a standard dialog with this caption.
inline constexpr char kWindowClass[] = "#32770";
inline constexpr char kWindowCaption[] = "Veltra Kova Remote";

// The receiver: a HID device with this identity, delivering reports of this size.
constexpr USHORT kReceiverVendorId = 0x1130;
constexpr USHORT kReceiverProductId = 0xCC00;
constexpr DWORD kReportSize = 9;
constexpr int kReportKeyByte = 2;

// Environment variable naming a path Keyrelay opens in place of searching the HID devices.
inline constexpr char kReceiverPathVariable[] = "KOVA_RECEIVER_PATH";

} // namespace keyrelay
