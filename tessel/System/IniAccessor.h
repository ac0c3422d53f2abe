#pragma once
// Reads and writes one INI file through the private-profile functions; the file itself is never
// held open. The read buffer grows until a value fits.

#include <windows.h>

#include <memory>
#include <string>

namespace tessel {

class IniAccessor {
public:
    IniAccessor() = default;
    ~IniAccessor();
    IniAccessor(const IniAccessor&) = delete;
    IniAccessor& operator=(const IniAccessor&) = delete;

    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return m_buffer != nullptr; }
    const std::string& Path() const { return m_path; }

    // A null section or key asks for the list of names, separated by NULs; the result is then
    // the first name.
    std::string ReadString(const char* section, const char* key, const char* defaultValue);
    int ReadInt(const char* section, const char* key, int defaultValue) const;
    bool WriteString(const char* section, const char* key, const char* value);
    bool WriteInt(const char* section, const char* key, int value);

    DWORD BufferSize() const { return m_bufferSize; }

private:
    std::string m_path;
    std::unique_ptr<char[]> m_buffer;
    DWORD m_bufferSize = 0;
};

} // namespace tessel
