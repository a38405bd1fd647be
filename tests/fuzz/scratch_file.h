#pragma once
// The readers take a path: each fuzz input goes to a file of its own process,
// so that several fuzzers (or jobs of one) never read each other's input.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace orvex::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// In memory where the system offers it: rewriting a file on disk thousands
// of times a second makes ext4 flush it each time, and the fuzzer then waits
// on the disk instead of running.
inline std::filesystem::path ScratchDirectory() {
  std::error_code ec;
  const std::filesystem::path shared = "/dev/shm";
  return std::filesystem::is_directory(shared, ec) && ::access(shared.c_str(), W_OK) == 0
             ? shared
             : std::filesystem::temp_directory_path();
}

// A file named after the tag and the process, removed when the fuzzer exits.
// Keep one as a function-local static.
class ScratchFile {
 public:
  explicit ScratchFile(std::string_view tag)
      : path_(ScratchDirectory() / ("orvex-fuzz-" + std::string(tag) + "-" + std::to_string(::getpid()))) {}
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Replaces the file's contents by the fuzz input; returns its path.
  const std::filesystem::path& Hold(const std::uint8_t* data, std::size_t size) const {
    WriteBytes(path_, AsText(data, size));
    return path_;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace orvex::fuzz
