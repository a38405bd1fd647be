#include "platform/paths.h"

#include <algorithm>
#include <system_error>

namespace orvex {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

std::string FindEntry(const std::filesystem::path& directory, std::string_view name) {
  std::error_code ec;
  const std::string wanted(name);
  if (std::filesystem::exists(directory / wanted, ec)) {
    return wanted;
  }
  for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualsIgnoringCase(entry, name)) {
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
      result /= found.empty() ? std::string(component) : found;
    }
    start = end + 1;
  }
  return result;
}

std::string PathText(const std::filesystem::path& path) { return path.generic_string(); }

}  // namespace orvex
