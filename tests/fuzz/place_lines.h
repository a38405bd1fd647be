#pragma once
// What every place reader must respect whatever the file holds: one record
// per line at most.
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string_view>

namespace orvex::fuzz {

inline std::size_t LineCount(std::string_view bytes) {
  return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
}

inline void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace orvex::fuzz
