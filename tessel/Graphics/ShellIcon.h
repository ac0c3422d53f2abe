#pragma once
// System image-list indices of shell items, for lists that show the desktop's icons.

#include <windows.h>

#include <shlobj.h>

namespace tessel {

// ShellIcon: stateless; made on the stack where an index is needed. An item the shell cannot
// describe answers -1 (no icon).
class ShellIcon {
public:
    int GetIconIndex(LPCITEMIDLIST item, bool linkOverlay) const;
    // A closed ordinary folder, without touching the disk.
    int GetFolderIconIndex() const;
};

} // namespace tessel
