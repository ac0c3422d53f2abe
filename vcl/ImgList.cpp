#include "vcl/ImgList.h"

#include <algorithm>

namespace vcl {

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList()
{
    for (TChangeLink* link : std::vector<TChangeLink*>(m_links)) {
        link->Sender = nullptr;
        if (link->OnChange)
            link->OnChange();
    }
    FreeHandle();
}

void TImageList::FreeHandle()
{
    if (m_handle && !m_shareImages)
        ::ImageList_Destroy(m_handle);
    m_handle = nullptr;
}

HIMAGELIST TImageList::Handle()
{
    if (!m_handle)
        m_handle = ::ImageList_Create(m_width, m_height, ILC_COLOR32 | ILC_MASK, 0, 4);
    return m_handle;
}

void TImageList::SetHandle(HIMAGELIST handle)
{
    if (handle == m_handle)
        return;
    FreeHandle();
    m_handle = handle;
    if (handle)
        ::ImageList_GetIconSize(handle, &m_width, &m_height);
    NotifyLinks();
}

int TImageList::Width() const
{
    return m_width;
}

int TImageList::Height() const
{
    return m_height;
}

void TImageList::SetSize(int width, int height)
{
    m_width = width;
    m_height = height;
    if (m_handle)
        ::ImageList_SetIconSize(m_handle, width, height);
    NotifyLinks();
}

int TImageList::Count() const
{
    return m_handle ? ::ImageList_GetImageCount(m_handle) : 0;
}

int TImageList::AddIcon(TIcon* icon)
{
    if (!icon || icon->Empty())
        return -1;
    const int index = ::ImageList_ReplaceIcon(Handle(), -1, icon->Handle());
    NotifyLinks();
    return index;
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor)
{
    if (!image || image->Empty())
        return -1;
    // The list keeps its own copy; a bitmap selected into a DC cannot be added.
    image->Dormant();
    const int index = ::ImageList_AddMasked(Handle(), image->Handle(),
                                            static_cast<COLORREF>(ColorToRGB(maskColor)) & 0xFFFFFF);
    NotifyLinks();
    return index;
}

void TImageList::GetIcon(int index, TIcon* icon)
{
    if (!icon)
        return;
    HICON made = index >= 0 && index < Count() ? ::ImageList_GetIcon(m_handle, index, ILD_NORMAL) : nullptr;
    icon->SetHandle(made);
}

void TImageList::RegisterChanges(TChangeLink* link)
{
    link->Sender = this;
    m_links.push_back(link);
}

void TImageList::UnRegisterChanges(TChangeLink* link)
{
    m_links.erase(std::remove(m_links.begin(), m_links.end(), link), m_links.end());
    link->Sender = nullptr;
}

void TImageList::NotifyLinks()
{
    for (TChangeLink* link : std::vector<TChangeLink*>(m_links))
        if (link->OnChange)
            link->OnChange();
}

} // namespace vcl
