#include "database/leading_integer.h"

#include <charconv>
#include <limits>

namespace orvex {
namespace {

constexpr std::int64_t kMagnitudeMax = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;

bool CommenceHexa(std::string_view& text) {
  if (!text.empty() && text.front() == '$') {
    text.remove_prefix(1);
    return true;
  }
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    return true;
  }
  return false;
}

}  // namespace

std::int32_t EntierEnTete(std::string_view text, bool& complet) {
  complet = false;
  while (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  bool negatif = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negatif = text.front() == '-';
    text.remove_prefix(1);
  }
  const int base = CommenceHexa(text) ? 16 : 10;
  std::uint64_t magnitude = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
  if (stop == text.data() || error != std::errc() || magnitude > static_cast<std::uint64_t>(kMagnitudeMax)) {
    return 0;
  }
  const bool toutLu = stop == end;
  const auto value = (toutLu && negatif ? -1 : 1) * static_cast<std::int64_t>(magnitude);
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    return 0;
  }
  complet = toutLu;
  return static_cast<std::int32_t>(value);
}

std::int32_t EntierEnTete(std::string_view text) {
  bool complet = false;
  return EntierEnTete(text, complet);
}

}  // namespace orvex
