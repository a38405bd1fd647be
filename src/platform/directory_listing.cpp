#include "platform/directory_listing.h"

#include <unistd.h>

#include <system_error>

#include "platform/paths.h"

namespace orvex {
namespace {

// A directory has no read-only attribute here: one this user may not write
// (an installed data tree) is still a directory like any other.
std::uint32_t AttributesOf(const std::filesystem::directory_entry& entry) {
  std::error_code ec;
  if (entry.is_directory(ec)) {
    return FaDirectory;
  }
  return ::access(entry.path().c_str(), W_OK) == 0 ? FaArchive : FaArchive | FaReadOnly;
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
      entries.push_back({dot, dot, FaDirectory});
    }
  }
  for (std::filesystem::directory_iterator end; it != end && entries.size() < limit; it.increment(ec)) {
    if (ec) {
      break;
    }
    std::string diskName = it->path().filename().string();
    const bool regularOrDirectory = it->is_directory(ec) || it->is_regular_file(ec);
    if (diskName.empty() || diskName[0] == '.' || !regularOrDirectory) {
      continue;
    }
    entries.push_back({DiskNameToCp1252(diskName), std::move(diskName), AttributesOf(*it)});
  }
  return entries;
}

}  // namespace orvex
