#include "IniAccessor.h"

#include "Assert.h"

#include <new>

namespace tessel {
namespace {

constexpr DWORD kInitialBufferSize = 128;
// The private-profile functions never return more than a file holds; the cap only guards
// against a system that keeps reporting a full buffer.
constexpr DWORD kMaximumBufferSize = 64u * 1024u * 1024u;

} // namespace

IniAccessor::~IniAccessor()
{
    Close();
}

bool IniAccessor::Open(const std::string& path)
{
    TESSEL_ASSERT(!IsOpen());
    m_buffer.reset(new (std::nothrow) char[kInitialBufferSize]);
    if (!m_buffer) {
        Close();
        return false;
    }
    m_buffer[0] = '\0';
    m_bufferSize = kInitialBufferSize;
    m_path = path;
    return true;
}

void IniAccessor::Close()
{
    if (!m_path.empty())
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_path.c_str());
    m_path.clear();
    m_buffer.reset();
    m_bufferSize = 0;
}

std::string IniAccessor::ReadString(const char* section, const char* key, const char* defaultValue)
{
    TESSEL_ASSERT(IsOpen());
    const DWORD reserve = (section == nullptr || key == nullptr) ? 2 : 1;
    for (;;) {
        const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, m_buffer.get(),
                                                      m_bufferSize, m_path.c_str());
        if (length + reserve < m_bufferSize || m_bufferSize >= kMaximumBufferSize)
            break;
        std::unique_ptr<char[]> larger(new (std::nothrow) char[m_bufferSize * 2]);
        if (!larger)
            break;
        m_buffer = std::move(larger);
        m_bufferSize *= 2;
    }
    m_buffer[m_bufferSize - 1] = '\0';
    return m_buffer.get();
}

int IniAccessor::ReadInt(const char* section, const char* key, int defaultValue) const
{
    TESSEL_ASSERT(IsOpen());
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, m_path.c_str()));
}

bool IniAccessor::WriteString(const char* section, const char* key, const char* value)
{
    TESSEL_ASSERT(IsOpen());
    return WritePrivateProfileStringA(section, key, value, m_path.c_str()) != FALSE;
}

bool IniAccessor::WriteInt(const char* section, const char* key, int value)
{
    return WriteString(section, key, std::to_string(value).c_str());
}

} // namespace tessel
