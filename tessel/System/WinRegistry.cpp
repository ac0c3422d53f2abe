#include "WinRegistry.h"

#include "Assert.h"
#include "UniqueHandle.h"

#include <shellapi.h>

namespace tessel {

namespace detail {

RegNameBuffer::RegNameBuffer(HKEY key, Kind kind) : m_key(key), m_kind(kind)
{
    DWORD longest = 0;
    const LONG status = kind == Kind::SubKey
        ? RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr)
        : RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           &longest, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        m_bufferSize = longest + 1;
        m_buffer = std::make_unique<char[]>(m_bufferSize);
    }
}

RegNameBuffer::~RegNameBuffer()
{
    m_buffer.reset();
    m_bufferSize = 0;
}

} // namespace detail

RegNameEnumerator::RegNameEnumerator(const detail::RegNameBuffer* base) : m_base(base) {}

void RegNameEnumerator::First()
{
    TESSEL_ASSERT(m_base != NULL);
    m_index = 0;
    Fetch();
}

void RegNameEnumerator::Next()
{
    TESSEL_ASSERT(m_base != NULL);
    TESSEL_ASSERT(!IsDone());
    ++m_index;
    Fetch();
}

std::string RegNameEnumerator::Name() const
{
    TESSEL_ASSERT(m_base != NULL);
    TESSEL_ASSERT(!IsDone());
    return m_base->Buffer();
}

void RegNameEnumerator::Fetch()
{
    m_done = true;
    if (!m_base->Buffer())
        return;
    DWORD size = m_base->BufferSize();
    const LONG status = m_base->NameKind() == detail::RegNameBuffer::Kind::SubKey
        ? RegEnumKeyExA(m_base->Key(), m_index, m_base->Buffer(), &size, nullptr, nullptr, nullptr,
                        nullptr)
        : RegEnumValueA(m_base->Key(), m_index, m_base->Buffer(), &size, nullptr, nullptr, nullptr,
                        nullptr);
    m_done = status != ERROR_SUCCESS;
}

RegAccessor::~RegAccessor()
{
    Close();
}

bool RegAccessor::Open(HKEY root, const char* subKey, bool create)
{
    TESSEL_ASSERT(!IsOpen());
    HKEY key = nullptr;
    const bool opened = create ? CreateRegKey(root, subKey, KEY_ALL_ACCESS, key)
                               : OpenRegKey(root, subKey, KEY_ALL_ACCESS, key);
    if (!opened)
        return false;
    Attach(key);
    m_ownsKey = true;
    return true;
}

bool RegAccessor::Attach(HKEY key)
{
    TESSEL_ASSERT(!IsOpen());
    m_key = key;
    m_valueBase = std::make_unique<detail::RegValueBase>(key);
    m_subKeyBase = std::make_unique<RegSubKeyBase>(key);
    return true;
}

void RegAccessor::Close()
{
    if (m_ownsKey) {
        RegCloseKey(m_key);
        m_ownsKey = false;
    }
    m_subKeyBase.reset();
    m_valueBase.reset();
    m_key = nullptr;
}

bool RegAccessor::ReadDword(const char* name, DWORD& value) const
{
    TESSEL_ASSERT(IsOpen());
    DWORD type = REG_NONE;
    DWORD size = sizeof(value);
    const LONG status =
        RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    return status == ERROR_SUCCESS && type == REG_DWORD;
}

bool RegAccessor::WriteDword(const char* name, DWORD value)
{
    TESSEL_ASSERT(IsOpen());
    return RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value)) == ERROR_SUCCESS;
}

bool RegAccessor::ReadString(const char* name, std::string& text) const
{
    TESSEL_ASSERT(IsOpen());
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    // One byte more than reported: stored strings need not carry their terminator.
    auto buffer = std::make_unique<char[]>(size + 1);
    buffer[0] = '\0';
    DWORD read = size;
    if (RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.get()),
                         &read) != ERROR_SUCCESS)
        return false;
    buffer[read < size ? read : size] = '\0';
    text = buffer.get();
    return true;
}

bool RegAccessor::WriteString(const char* name, const std::string& text)
{
    TESSEL_ASSERT(IsOpen());
    return RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

RegNameEnumerator RegAccessor::SubKeys() const
{
    return RegNameEnumerator(m_subKeyBase.get());
}

RegNameEnumerator RegAccessor::Values() const
{
    return RegNameEnumerator(m_valueBase.get());
}

bool CreateRegKey(HKEY root, const char* subKey, REGSAM access, HKEY& key)
{
    return RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                           nullptr) == ERROR_SUCCESS;
}

bool OpenRegKey(HKEY root, const char* subKey, REGSAM access, HKEY& key)
{
    return RegOpenKeyExA(root, subKey, 0, access, &key) == ERROR_SUCCESS;
}

bool CloseRegKey(HKEY key)
{
    return RegCloseKey(key) == ERROR_SUCCESS;
}

bool RegKeyExists(HKEY root, const char* subKey)
{
    HKEY key = nullptr;
    if (!OpenRegKey(root, subKey, KEY_READ, key))
        return false;
    const UniqueRegKey owner(key);
    return true;
}

bool DeleteRegKey(HKEY root, const char* subKey)
{
    return RegDeleteKeyA(root, subKey) == ERROR_SUCCESS;
}

bool FlushRegKey(HKEY key)
{
    return RegFlushKey(key) == ERROR_SUCCESS;
}

void QuerySubKeyInfo(HKEY key, DWORD& count, DWORD& longestNamePlusOne)
{
    count = longestNamePlusOne = 0;
    DWORD longest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        count = 0;
        return;
    }
    longestNamePlusOne = longest + 1;
}

void QueryValueInfo(HKEY key, DWORD& count, DWORD& longestNamePlusOne, DWORD& longestData)
{
    count = longestNamePlusOne = longestData = 0;
    DWORD longest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longest, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        count = longestData = 0;
        return;
    }
    longestNamePlusOne = longest + 1;
}

bool QueryValueTypeAndSize(HKEY key, const char* name, DWORD& type, DWORD& size)
{
    return RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

bool DeleteRegValue(HKEY key, const char* name)
{
    return RegDeleteValueA(key, name) == ERROR_SUCCESS;
}

bool SaveRegKey(HKEY key, const char* file)
{
    return RegSaveKeyA(key, file, nullptr) == ERROR_SUCCESS;
}

bool ImportRegFile(const char* file)
{
    char shortPath[256] = {};
    const DWORD length = GetShortPathNameA(file, shortPath, sizeof(shortPath));
    if (length == 0 || length >= sizeof(shortPath))
        return false;
    const std::string parameters = std::string(" /s ") + shortPath;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", "regedit.exe", parameters.c_str(), nullptr, SW_SHOWNORMAL));
    return result > 32;
}

} // namespace tessel
