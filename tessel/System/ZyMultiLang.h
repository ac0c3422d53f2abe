#pragma once
// The user interface language, translated texts and localised files, all read from the
// "LangFiles" folder below the program directory on every call.

#include <windows.h>

#include <string>

namespace tessel {

class ZyMultiLang {
public:
    // The marker of a missing entry: the default of every lookup.
    static constexpr const char* kMissing = "Error 737";

    // The program's own instance: its directory and the system default language.
    static ZyMultiLang& Instance();

    // An instance on another program directory (ending in a backslash) and language id.
    ZyMultiLang(std::string programDirectory, LANGID systemLanguage);

    std::string Language() const;
    std::string LanguageDir() const;
    std::string EnglishDir() const;
    std::string LanguageFile() const;
    std::string Text(const std::string& id) const;
    std::string LocalizedPath(const std::string& fileName) const;

private:
    std::string LangFilesDir() const;

    std::string m_programDirectory;
    LANGID m_systemLanguage;
};

} // namespace tessel
