#include "vcl/Classes.h"

#include "tessel/System/UniqueHandle.h"

#include <algorithm>
#include <typeinfo>
#if defined(__GNUC__)
#include <cxxabi.h>
#include <cstdlib>
#endif

namespace vcl {

std::string FileOpenErrorText(const std::string& path, DWORD error)
{
    char buffer[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, error, 0, buffer, sizeof buffer, nullptr);
    std::string system(buffer, length);
    while (!system.empty() && (system.back() == '\n' || system.back() == '\r' || system.back() == ' '))
        system.pop_back();
    std::string text = "Cannot open file \"" + path + "\".";
    if (!system.empty())
        text += " " + system;
    return text;
}

std::string TObject::ClassName() const
{
    std::string name = typeid(*this).name();
#if defined(__GNUC__)
    int status = 0;
    if (char* demangled = abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status)) {
        name = demangled;
        std::free(demangled);
    }
#else
    for (const char* prefix : {"class ", "struct "})
        if (name.rfind(prefix, 0) == 0)
            name.erase(0, std::char_traits<char>::length(prefix));
#endif
    const size_t colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

void Free(TObject* object)
{
    if (!object)
        return;
    object->BeforeDestruction();
    delete object;
}

void TPersistent::Assign(TPersistent* source)
{
    throw Exception("Cannot assign a " + (source ? source->ClassName() : std::string("nil")) +
                    " to a " + ClassName());
}

TComponent::TComponent(TComponent* owner) : m_owner(owner)
{
    if (m_owner)
        m_owner->m_components.push_back(this);
}

TComponent::~TComponent()
{
    m_state <<= csDestroying;
    // Owned components go last-created first; each leaves the list in its own destructor.
    while (!m_components.empty())
        Free(m_components.back());
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::BeforeDestruction()
{
    m_state <<= csDestroying;
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return m_components[static_cast<size_t>(index)];
}

void TComponent::RemoveComponent(TComponent* component)
{
    auto it = std::find(m_components.begin(), m_components.end(), component);
    if (it != m_components.end())
        m_components.erase(it);
}

int TStrings::Add(const std::string& text)
{
    const int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::IndexOf(const std::string& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (::lstrcmpiA(Get(i).c_str(), text.c_str()) == 0)
            return i;
    return -1;
}

void TStrings::BeginUpdate()
{
    if (m_updateCount++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0) {
        SetUpdateState(false);
        Changed();
    }
}

void TStrings::Changed()
{
    if (m_updateCount == 0 && OnChange)
        OnChange(this);
}

void TStrings::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i)
        text += Get(i) + "\r\n";
    return text;
}

void TStrings::SetText(const std::string& text)
{
    BeginUpdate();
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        Add(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    EndUpdate();
}

void TStrings::LoadFromFile(const std::string& path)
{
    tessel::UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw EFOpenError(FileOpenErrorText(path, ::GetLastError()));
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024)
        throw EFOpenError(FileOpenErrorText(path, ERROR_FILE_TOO_LARGE));
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!content.empty() && !::ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr))
        throw EFOpenError(FileOpenErrorText(path, ::GetLastError()));
    content.resize(read);
    SetText(content);
}

void TStrings::Assign(TPersistent* source)
{
    auto* strings = dynamic_cast<TStrings*>(source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    Clear();
    for (int i = 0; i < strings->Count(); ++i)
        Add(strings->Get(i));
    EndUpdate();
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index, Count() - 1);
    return m_items[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const std::string& text)
{
    CheckIndex(index, Count() - 1);
    m_items[static_cast<size_t>(index)] = text;
    Changed();
}

void TStringList::Insert(int index, const std::string& text)
{
    CheckIndex(index, Count());
    m_items.insert(m_items.begin() + index, text);
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count() - 1);
    m_items.erase(m_items.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (m_items.empty())
        return;
    m_items.clear();
    Changed();
}

} // namespace vcl
