#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace orvex {
namespace {

// Below this the final flush is short anyway.
constexpr std::uint64_t kSendToDisk = 1 << 20;

// A rename is durable only once the directory holding the entry is flushed.
void SyncDirectory(const std::filesystem::path& directory) {
  const int descriptor = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& file) : file_(file) {
  std::string name = ".";
  name += file.filename().string();
  name += ".tmp-XXXXXX";
  std::string pattern = (file.parent_path() / name).string();
  descriptor_ = ::mkstemp(pattern.data());
  if (descriptor_ < 0) {
    status_ = errno;
    return;
  }
  temporary_ = pattern;
  // A saved file keeps the permissions the user gave the old one.
  struct stat old {};
  ::fchmod(descriptor_, ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Discard() {
  if (descriptor_ >= 0) {
    ::close(descriptor_);
    descriptor_ = -1;
  }
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

bool AtomicFileWriter::WriteAll(std::string_view bytes, std::optional<std::uint64_t> offset) {
  while (status_ == 0 && !bytes.empty()) {
    const ssize_t written = offset ? ::pwrite(descriptor_, bytes.data(), bytes.size(), static_cast<off_t>(*offset))
                                   : ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno != EINTR) {
        status_ = errno;
      }
      continue;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
    if (offset) {
      *offset += static_cast<std::uint64_t>(written);
    }
  }
  return status_ == 0;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (!WriteAll(bytes, std::nullopt)) {
    return false;
  }
  written_ += bytes.size();
  // Only a start: errors, if any, come back from the fsync in Commit.
  if (written_ - sent_ >= kSendToDisk) {
    ::sync_file_range(descriptor_, static_cast<off_t>(sent_), static_cast<off_t>(written_ - sent_),
                      SYNC_FILE_RANGE_WRITE);
    sent_ = written_;
  }
  return true;
}

bool AtomicFileWriter::WriteAt(std::uint64_t offset, std::string_view bytes) { return WriteAll(bytes, offset); }

int AtomicFileWriter::Commit() {
  if (status_ == 0 && ::fsync(descriptor_) != 0) {
    status_ = errno;
  }
  if (status_ == 0 && ::close(descriptor_) != 0) {
    status_ = errno;
  }
  descriptor_ = -1;
  if (status_ == 0 && std::rename(temporary_.c_str(), file_.c_str()) != 0) {
    status_ = errno;
  }
  if (status_ != 0) {
    Discard();
    return status_;
  }
  temporary_.clear();
  SyncDirectory(file_.parent_path());
  return 0;
}

int WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  AtomicFileWriter writer(file);
  writer.Write(bytes);
  return writer.Commit();
}

}  // namespace orvex
