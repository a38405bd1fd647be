#pragma once
// Garmin positions are signed 32-bit semicircles; the factor is
// 180 / 2147483647 (not 2^31) both ways.
#include <cstdint>
#include <span>
#include <vector>

namespace orvex {

double SemicirclesToDegrees(std::int32_t semicircles);
// Rounded to the nearest semicircle, saturated to the 32-bit range.
std::int32_t DegreesToSemicircles(double degrees);

// Little-endian fields of a record's data bytes.
std::int32_t ReadInt32(std::span<const std::uint8_t> data, std::size_t offset);
void AppendInt32(std::vector<std::uint8_t>& data, std::int32_t value);

}  // namespace orvex
