#pragma once
// TImageList: a list of equally sized images (an HIMAGELIST) for list views.

#include "vcl/Graphics.h"

#include <commctrl.h>

#include <vector>

namespace vcl {

class TImageList;

// Tells a user of an image list (a list view) that the list's handle changed or went away.
struct TChangeLink {
    TImageList* Sender = nullptr;
    std::function<void()> OnChange;
};

// TImageList: owns its HIMAGELIST unless ShareImages is set. SetHandle puts another list in
// its place (the system image list, with ShareImages true so it is never destroyed).
// GetIcon(i) makes an icon of image i; an index of -1 (or out of range) gives an empty icon.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;
    HIMAGELIST Handle();
    void SetHandle(HIMAGELIST handle);
    bool HandleAllocated() const { return m_handle != nullptr; }
    bool ShareImages() const { return m_shareImages; }
    void SetShareImages(bool value) { m_shareImages = value; }
    int Width() const;
    int Height() const;
    void SetSize(int width, int height);
    int Count() const;
    int AddIcon(TIcon* icon);
    int AddMasked(TBitmap* image, TColor maskColor);
    void GetIcon(int index, TIcon* icon);

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);

private:
    void FreeHandle();
    void NotifyLinks();

    HIMAGELIST m_handle = nullptr;
    bool m_shareImages = false;
    int m_width = 16;
    int m_height = 16;
    std::vector<TChangeLink*> m_links;
};

} // namespace vcl
