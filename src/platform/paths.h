#pragma once
// Region data comes from case-insensitive file systems and from Windows:
// "Dalles", "DALLES" and "dalles" name the same directory, and a name read
// from a data file, ORVEX.INI or typed by the user is Windows-1252, while the
// name on this platform's disk is UTF-8 (or the raw Windows-1252 bytes of a
// copy from old media). Every name the program asks for goes through here.
#include <filesystem>
#include <string>
#include <string_view>

namespace orvex {

// Resolves `relative` ("a/b" or "a\b", Windows-1252) below `base`, matching
// each component in either encoding and ignoring case when no exact match
// exists. Components that match nothing are kept, in UTF-8, so the result
// may not exist.
std::filesystem::path ResolvePath(const std::filesystem::path& base, std::string_view relative);

// The on-disk name of an existing entry of `directory` that is `name`
// (Windows-1252) in either encoding, ignoring case; exact matches win. Empty
// when there is none.
std::string FindEntry(const std::filesystem::path& directory, std::string_view name);

// A name on disk as the rest of the program handles it: Windows-1252.
std::string DiskNameToCp1252(std::string_view diskName);

// A path as messages show it: "/" separators, always valid UTF-8.
std::string PathText(const std::filesystem::path& path);

}  // namespace orvex
