#include "platform/paths.h"

#include <algorithm>
#include <system_error>

#include "platform/cp1252.h"

namespace orvex {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return LowerCp1252(x) == LowerCp1252(y); });
}

bool Exists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

// What a name that matches nothing becomes on disk: UTF-8, the platform's
// encoding, unless it already is.
std::string NewDiskName(std::string_view name) {
  return IsValidUtf8(name) ? std::string(name) : Cp1252ToUtf8(name);
}

}  // namespace

std::string DiskNameToCp1252(std::string_view diskName) {
  return IsValidUtf8(diskName) ? Utf8ToCp1252(diskName) : std::string(diskName);
}

std::string FindEntry(const std::filesystem::path& directory, std::string_view name) {
  for (const std::string& exact : {std::string(name), Cp1252ToUtf8(name)}) {
    if (Exists(directory / exact)) {
      return exact;
    }
  }
  std::error_code ec;
  for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualsIgnoringCase(DiskNameToCp1252(entry), name)) {
      return entry;
    }
  }
  return {};
}

std::filesystem::path ResolvePath(const std::filesystem::path& base, std::string_view relative) {
  std::filesystem::path result = base;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find_first_of("/\\", start);
    if (end == std::string_view::npos) {
      end = relative.size();
    }
    const std::string_view component = relative.substr(start, end - start);
    if (component.empty() && start == 0 && end < relative.size()) {
      result = "/";  // an absolute path
    } else if (component == "..") {
      result = result.parent_path();
    } else if (!component.empty() && component != ".") {
      const std::string found = FindEntry(result, component);
      result /= found.empty() ? NewDiskName(component) : found;
    }
    start = end + 1;
  }
  return result;
}

std::string PathText(const std::filesystem::path& path) { return BytesToUtf8(path.generic_string()); }

}  // namespace orvex
