#include "garmin/semicircles.h"

#include <cmath>
#include <limits>

namespace orvex {
namespace {

constexpr double kSemicircleScale = 2147483647.0;

}  // namespace

double SemicirclesToDegrees(std::int32_t semicircles) { return semicircles * 180.0 / kSemicircleScale; }

std::int32_t DegreesToSemicircles(double degrees) {
  const double value = std::round(degrees * kSemicircleScale / 180.0);
  if (!(value > std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (value >= std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(value);
}

std::int32_t ReadInt32(std::span<const std::uint8_t> data, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(data[offset + i]) << (8 * i);
  }
  return static_cast<std::int32_t>(value);
}

void AppendInt32(std::vector<std::uint8_t>& data, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) {
    data.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  }
}

}  // namespace orvex
