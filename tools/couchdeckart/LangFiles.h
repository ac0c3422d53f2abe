#pragma once
// The "LangFiles" tree: the language list "ZyMultiLang.ini" and, per language, its translations
// and "hibernate.txt", each in the language's ANSI code page.

#include <string>

namespace kova::couchdeckart {

// Writes the tree into `langFiles` (the "LangFiles" folder, ending in a backslash), creating the
// language folders.
bool WriteLangFiles(const std::string& langFiles);

} // namespace kova::couchdeckart
