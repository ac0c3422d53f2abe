#pragma once
// An owning accessor for one open registry key with typed reads and writes, the name-buffer
// primitives for enumeration, and free functions that are one registry call each.

#include <windows.h>

#include <memory>
#include <string>

namespace tessel {

namespace detail {

// Room for one name of a key's subkeys or values, sized from RegQueryInfoKey.
class RegNameBuffer {
public:
    enum class Kind { SubKey, Value };

    RegNameBuffer(HKEY key, Kind kind);
    ~RegNameBuffer();
    RegNameBuffer(const RegNameBuffer&) = delete;
    RegNameBuffer& operator=(const RegNameBuffer&) = delete;

    HKEY Key() const { return m_key; }
    Kind NameKind() const { return m_kind; }
    char* Buffer() const { return m_buffer.get(); }
    DWORD BufferSize() const { return m_bufferSize; }

private:
    HKEY m_key;
    Kind m_kind;
    std::unique_ptr<char[]> m_buffer;
    DWORD m_bufferSize = 0;
};

class RegValueBase : public RegNameBuffer {
public:
    explicit RegValueBase(HKEY key) : RegNameBuffer(key, Kind::Value) {}
};

} // namespace detail

class RegSubKeyBase : public detail::RegNameBuffer {
public:
    explicit RegSubKeyBase(HKEY key) : RegNameBuffer(key, Kind::SubKey) {}
};

// Walks the subkey or value names of a key in index order.
class RegNameEnumerator {
public:
    explicit RegNameEnumerator(const detail::RegNameBuffer* base);

    void First();
    void Next();
    bool IsDone() const { return m_done; }
    std::string Name() const;

private:
    void Fetch();

    const detail::RegNameBuffer* m_base;
    DWORD m_index = 0;
    bool m_done = true;
};

class RegAccessor {
public:
    RegAccessor() = default;
    ~RegAccessor();
    RegAccessor(const RegAccessor&) = delete;
    RegAccessor& operator=(const RegAccessor&) = delete;

    bool Open(HKEY root, const char* subKey, bool create);
    bool Attach(HKEY key);
    void Close();
    bool IsOpen() const { return m_subKeyBase != nullptr; }
    HKEY Key() const { return m_key; }

    bool ReadDword(const char* name, DWORD& value) const;
    bool WriteDword(const char* name, DWORD value);
    bool ReadString(const char* name, std::string& text) const;
    bool WriteString(const char* name, const std::string& text);

    RegNameEnumerator SubKeys() const;
    RegNameEnumerator Values() const;

private:
    HKEY m_key = nullptr;
    bool m_ownsKey = false;
    std::unique_ptr<RegSubKeyBase> m_subKeyBase;
    std::unique_ptr<detail::RegValueBase> m_valueBase;
};

// One registry call each; true on success.
bool CreateRegKey(HKEY root, const char* subKey, REGSAM access, HKEY& key);
bool OpenRegKey(HKEY root, const char* subKey, REGSAM access, HKEY& key);
bool CloseRegKey(HKEY key);
bool RegKeyExists(HKEY root, const char* subKey);
bool DeleteRegKey(HKEY root, const char* subKey);
bool FlushRegKey(HKEY key);
// Counts and longest lengths; all 0 when the query fails.
void QuerySubKeyInfo(HKEY key, DWORD& count, DWORD& longestNamePlusOne);
void QueryValueInfo(HKEY key, DWORD& count, DWORD& longestNamePlusOne, DWORD& longestData);
bool QueryValueTypeAndSize(HKEY key, const char* name, DWORD& type, DWORD& size);
bool DeleteRegValue(HKEY key, const char* name);
bool SaveRegKey(HKEY key, const char* file);
// Imports a ".reg" file silently through regedit.
bool ImportRegFile(const char* file);

} // namespace tessel
