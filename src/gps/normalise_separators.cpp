#include "gps/normalise_separators.h"

namespace orvex {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == ','; }

}  // namespace

std::string NormaliseSeparators(std::string_view line) {
  std::string result;
  result.reserve(line.size());
  for (const char c : line) {
    // Every comma already in the result ends a run, so a separator right
    // after one continues that run.
    if (!IsSeparator(c)) {
      result += c;
    } else if (result.empty() || result.back() != ',') {
      result += ',';
    }
  }
  return result;
}

std::string_view TakeField(std::string_view& rest) {
  const std::size_t comma = rest.find(',');
  const std::string_view field = rest.substr(0, comma);
  rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  return field;
}

}  // namespace orvex
