#pragma once
// Directory listing with the DOS-style attributes the region interpreter and
// the region list rely on.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvex {

enum FileAttribute : std::uint32_t {
  FaReadOnly = 0x01,
  FaHidden = 0x02,
  FaSysFile = 0x04,
  FaDirectory = 0x10,
  FaArchive = 0x20,
};

struct DirectoryEntry {
  std::string name;      // Windows-1252, as the rest of the program handles names
  std::string diskName;  // the real name, to open the entry
  std::uint32_t attributes = 0;
};

inline constexpr std::size_t kMaxListedEntries = 420;

// The entries of `directory` in file-system order: "." and ".." first, then
// every directory and regular file that is not hidden (names beginning with
// "." are hidden here). Directories carry FaDirectory alone; files carry
// FaArchive, with FaReadOnly when this user may not write them. At most
// `limit` entries.
std::vector<DirectoryEntry> ListeRepertoire(const std::filesystem::path& directory,
                                            std::size_t limit = kMaxListedEntries);

}  // namespace orvex
