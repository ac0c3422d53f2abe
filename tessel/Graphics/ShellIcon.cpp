#include "tessel/Graphics/ShellIcon.h"

#include <shellapi.h>

namespace tessel {

int ShellIcon::GetIconIndex(LPCITEMIDLIST item, bool linkOverlay) const
{
    SHFILEINFOA info{};
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_PIDL | (linkOverlay ? SHGFI_LINKOVERLAY : 0);
    if (!item || !::SHGetFileInfoA(reinterpret_cast<LPCSTR>(item), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags))
        return -1;
    return info.iIcon;
}

int ShellIcon::GetFolderIconIndex() const
{
    SHFILEINFOA info{};
    if (!::SHGetFileInfoA("Doesn't matter", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                          SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES))
        return -1;
    return info.iIcon;
}

} // namespace tessel
