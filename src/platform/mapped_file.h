#pragma once
// A whole file seen as bytes, mapped read-only: large grids are parsed in one
// pass over the page cache without copying them into a buffer first.
#include <cstddef>
#include <filesystem>
#include <string_view>

namespace orvex {

class MappedFile {
 public:
  // status() is 0, or the system's error number when the file cannot be
  // opened or mapped (a directory gives EISDIR). An empty file maps to no
  // bytes and status 0.
  explicit MappedFile(const std::filesystem::path& file);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  int status() const { return status_; }
  std::string_view bytes() const { return {static_cast<const char*>(data_), size_}; }

 private:
  void* data_ = nullptr;
  std::size_t size_ = 0;
  int status_ = 0;
};

}  // namespace orvex
