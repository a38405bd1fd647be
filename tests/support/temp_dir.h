#pragma once
// Real files in a real temporary directory, removed at the end of the test.
#include <filesystem>
#include <string>
#include <string_view>

namespace orvex::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to `relative` (parent directories created); returns the full path.
  std::filesystem::path Write(const std::string& relative, std::string_view bytes) const;
  std::filesystem::path MakeDir(const std::string& relative) const;

 private:
  std::filesystem::path path_;
};

// Reads a whole file as bytes; empty when missing.
std::string ReadFile(const std::filesystem::path& path);

// The shared real-world data folder, or empty when this checkout has none.
std::filesystem::path SharedDataDir();

}  // namespace orvex::testing
