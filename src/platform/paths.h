#pragma once
// Region data comes from case-insensitive file systems: "Dalles", "DALLES" and
// "dalles" name the same directory. Every name the program asks for goes
// through here.
#include <filesystem>
#include <string_view>

namespace orvex {

// Resolves `relative` ("a/b" or "a\b") below `base`, matching each component
// case-insensitively (ASCII) when no exact match exists. Components that match
// nothing are kept as written, so the result may not exist.
std::filesystem::path ResolvePath(const std::filesystem::path& base, std::string_view relative);

// The name of an existing entry of `directory` equal to `name` ignoring ASCII
// case; exact matches win. Empty when there is none.
std::string FindEntry(const std::filesystem::path& directory, std::string_view name);

// A path as messages show it, with "/" separators.
std::string PathText(const std::filesystem::path& path);

}  // namespace orvex
