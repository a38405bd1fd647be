#pragma once
// Data files and typed text are single-byte Windows-1252; the sources and the
// terminal are UTF-8. These two conversions are the only bridge between them.
#include <string>
#include <string_view>

namespace orvex {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace orvex
