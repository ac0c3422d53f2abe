#pragma once
// Path and string helpers of the menu.

#include <string>

namespace couchdeck {

// Full path of the program file, of any length.
std::string ModulePath();

// Up to and including the last backslash; without one, up to and including the first colon;
// without either, empty.
std::string DirectoryOf(const std::string& path);

// The file name's extension from its last dot, dot included ("" without one). A dot in a folder
// name is no extension.
std::string FileExtension(const std::string& path);

// "\"text\"" -> "text"; a text of one character stays as it is.
std::string StripQuotes(const std::string& text);

// "text" -> "\"text\"" when the text has two or more characters and neither end is a quote.
std::string AddQuotes(const std::string& text);

} // namespace couchdeck
