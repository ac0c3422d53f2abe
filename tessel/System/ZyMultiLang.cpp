#include "ZyMultiLang.h"

#include "IniAccessor.h"
#include "ProgramDirectory.h"
#include "UniqueHandle.h"

#include <cstdio>

namespace tessel {
namespace {

std::string Hex(unsigned value, int digits)
{
    char text[8] = {};
    std::snprintf(text, sizeof(text), "%0*X", digits, value);
    return text;
}

std::string ReadIniText(const std::string& path, const char* section, const std::string& key)
{
    IniAccessor ini;
    if (!ini.Open(path))
        return ZyMultiLang::kMissing;
    return ini.ReadString(section, key.c_str(), ZyMultiLang::kMissing);
}

bool CanOpenForReading(const std::string& path)
{
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid();
}

} // namespace

ZyMultiLang& ZyMultiLang::Instance()
{
    static ZyMultiLang instance(ProgramDirectory(), GetSystemDefaultLangID());
    return instance;
}

ZyMultiLang::ZyMultiLang(std::string programDirectory, LANGID systemLanguage)
    : m_programDirectory(std::move(programDirectory)), m_systemLanguage(systemLanguage)
{
}

std::string ZyMultiLang::LangFilesDir() const
{
    return m_programDirectory + "LangFiles\\";
}

std::string ZyMultiLang::Language() const
{
    const std::string index = LangFilesDir() + "ZyMultiLang.ini";
    std::string language = ReadIniText(index, "Languages", Hex(m_systemLanguage, 4));
    if (language != kMissing)
        return language;
    language = ReadIniText(index, "Languages", Hex(PRIMARYLANGID(m_systemLanguage), 2));
    if (language != kMissing)
        return language;
    return "English";
}

std::string ZyMultiLang::LanguageDir() const
{
    return LangFilesDir() + Language() + "\\";
}

std::string ZyMultiLang::EnglishDir() const
{
    return LangFilesDir() + "English\\";
}

std::string ZyMultiLang::LanguageFile() const
{
    const std::string language = Language();
    return LangFilesDir() + language + "\\" + language + ".ini";
}

std::string ZyMultiLang::Text(const std::string& id) const
{
    const std::string text = ReadIniText(LanguageFile(), "Translations", id);
    if (text != kMissing)
        return text;
    return ReadIniText(EnglishDir() + "English.ini", "Translations", id);
}

std::string ZyMultiLang::LocalizedPath(const std::string& fileName) const
{
    const std::string localized = LanguageDir() + fileName;
    return CanOpenForReading(localized) ? localized : EnglishDir() + fileName;
}

} // namespace tessel
