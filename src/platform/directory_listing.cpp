#include "platform/directory_listing.h"

#include <unistd.h>

#include <system_error>

namespace orvex {
namespace {

std::uint32_t AttributesOf(const std::filesystem::directory_entry& entry) {
  std::error_code ec;
  const bool writable = ::access(entry.path().c_str(), W_OK) == 0;
  std::uint32_t attributes = entry.is_directory(ec) ? FaDirectory : FaArchive;
  if (!writable) {
    attributes |= FaReadOnly;
  }
  return attributes;
}

}  // namespace

std::vector<DirectoryEntry> ListeRepertoire(const std::filesystem::path& directory, std::size_t limit) {
  std::vector<DirectoryEntry> entries;
  std::error_code ec;
  std::filesystem::directory_iterator it(directory, ec);
  if (ec) {
    return entries;
  }
  for (const char* dot : {".", ".."}) {
    if (entries.size() < limit) {
      entries.push_back({dot, FaDirectory});
    }
  }
  for (std::filesystem::directory_iterator end; it != end && entries.size() < limit; it.increment(ec)) {
    if (ec) {
      break;
    }
    std::string name = it->path().filename().string();
    const bool regularOrDirectory = it->is_directory(ec) || it->is_regular_file(ec);
    if (name.empty() || name[0] == '.' || !regularOrDirectory) {
      continue;
    }
    entries.push_back({std::move(name), AttributesOf(*it)});
  }
  return entries;
}

}  // namespace orvex
