#pragma once
// The one way the program saves a file: the bytes go to a temporary file in
// the same directory, are flushed to the disk, and the temporary file is then
// renamed over the old one. A full disk, a crash or a power cut in the middle
// leaves the old file whole; no reader ever sees half a file.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace orvex {

class AtomicFileWriter {
 public:
  // Creates the temporary file beside `file`; status() is the system's error
  // number when that fails (the old file is then untouched).
  explicit AtomicFileWriter(const std::filesystem::path& file);
  // Not committed: the temporary file is removed, the old file stays.
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False once any write has failed; later writes do nothing. Large files go
  // to the disk while they are being written, so that Commit waits less.
  bool Write(std::string_view bytes);
  // Rewrites bytes already written at `offset`: a header whose values are
  // known only once the rest has gone out.
  bool WriteAt(std::uint64_t offset, std::string_view bytes);
  // Flushes, renames over the target and flushes the directory entry.
  // 0 on success, else the first error met (the old file then stays).
  int Commit();
  int status() const { return status_; }

 private:
  // All of `bytes`, at `offset` when given, else where the file stands.
  bool WriteAll(std::string_view bytes, std::optional<std::uint64_t> offset);
  void Discard();

  std::filesystem::path file_;
  std::filesystem::path temporary_;
  int descriptor_ = -1;
  int status_ = 0;
  std::uint64_t written_ = 0;
  std::uint64_t sent_ = 0;  // bytes whose writing to the disk has been started
};

// The whole file in one call: 0 on success, else the system's error number.
int WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace orvex
