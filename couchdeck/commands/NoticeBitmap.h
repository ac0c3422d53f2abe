#pragma once
// The notice and confirmation pictures, by index, and their files in the "Resource\" folder.

enum class NoticeBitmap : int {
    PowerOff = 0,
    Hibernate = 1,
    Standby = 2,
    WirelessOnly = 3,
    QuietOn = 4,
    QuietOff = 5,
    CloseApplication = 6,
    // 7 and 8 are not assigned.
    PowerOffConfirm = 9,
    SuspendNotAllowed = 10,
    HibernateNotAllowed = 11,
    LaunchFailed = 12,
    ApplicationRunning = 13,
    HibernateConfirm = 14,
    NoFunction = 15,
    StandbyConfirm = 16,
};

inline constexpr int kNoticeBitmapCount = 17;   // indices 0 to 16

// The file name of a picture ("power_off.bmp"); null for 7, 8 and indices outside 0 to 16.
const char* NoticeBitmapFile(int index);
