#pragma once
// The floor the grid import is measured against: map the file, skip the
// header, convert every value with std::from_chars, nothing else.
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/mapped_file.h"

namespace orvex::bench {

// The number of values read; their sum goes to `sum` so that none is skipped.
inline std::int64_t BareLoop(const std::filesystem::path& grid, std::int64_t& sum) {
  const MappedFile file(grid);
  const std::string_view text = file.bytes();
  const char* p = text.data() + text.find("-9999\n") + 6;
  const char* const end = text.data() + text.size();
  std::int64_t count = 0;
  sum = 0;
  while (p < end) {
    while (p < end && (*p == ' ' || *p == '\n')) {
      ++p;
    }
    int v = 0;
    const auto [next, error] = std::from_chars(p, end, v);
    if (error != std::errc()) {
      break;
    }
    sum += v;
    ++count;
    p = next;
  }
  return count;
}

}  // namespace orvex::bench
