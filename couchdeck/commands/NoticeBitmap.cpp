#include "NoticeBitmap.h"

const char* NoticeBitmapFile(int index)
{
    static const char* const files[kNoticeBitmapCount] = {
        "power_off.bmp",        "hibernate.bmp",        "quick_power.bmp",
        "wireless_only.bmp",    "enable_noise.bmp",     "disable_noise.bmp",
        "close_application.bmp", nullptr,               nullptr,
        "poweroffconfirm.bmp",  "SuspendNotAllowed.bmp", "HibernateNotAllowed.bmp",
        "launchFaild.bmp",      "ApRunning.bmp",        "HibernateConfirm.bmp",
        "NoFunction.bmp",       "s3confirm.bmp",
    };
    return index >= 0 && index < kNoticeBitmapCount ? files[index] : nullptr;
}
