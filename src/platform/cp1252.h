#pragma once
// Data files and typed text are single-byte Windows-1252; the sources and the
// terminal are UTF-8. These two conversions are the only bridge between them.
#include <string>
#include <string_view>

namespace orvex {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);
// Valid UTF-8 as it is, every other byte read as Windows-1252: names on disk
// may be either, and messages must never carry invalid UTF-8.
std::string BytesToUtf8(std::string_view bytes);
// One Windows-1252 character in lower case (A-Z, the accented capitals, Š, Œ,
// Ž, Ÿ); file names compare this way.
char LowerCp1252(char c);

}  // namespace orvex
