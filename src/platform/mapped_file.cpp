#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvex {

MappedFile::MappedFile(const std::filesystem::path& file) {
  const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    status_ = errno;
    return;
  }
  struct stat info {};
  if (::fstat(descriptor, &info) != 0) {
    status_ = errno;
  } else if (S_ISDIR(info.st_mode)) {
    status_ = EISDIR;
  } else if (info.st_size > 0) {
    void* mapped =
        ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
    if (mapped == MAP_FAILED) {
      status_ = errno;
    } else {
      data_ = mapped;
      size_ = static_cast<std::size_t>(info.st_size);
      // Read once from start to end: read ahead, drop behind. The pages are
      // mapped at once (MAP_POPULATE) rather than faulted in one by one.
      ::madvise(data_, size_, MADV_SEQUENTIAL);
    }
  }
  ::close(descriptor);
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) {
    ::munmap(data_, size_);
  }
}

}  // namespace orvex
