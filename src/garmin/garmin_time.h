#pragma once
// Garmin times: whole seconds since 1989-12-31 00:00 UTC, turned into a
// calendar date through the Julian day (Meeus, Gregorian correction).
#include <cstdint>
#include <optional>

namespace orvex {

struct GarminDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

inline constexpr double kGarminEpochJulianDay = 2447891.5;
// The value a track point carries when it has no time.
inline constexpr std::uint32_t kGarminNoTime = 0xFFFFFFFF;

// The time of day comes from the whole seconds count, so that it is exact
// to the second (a Julian day in floating point can land a hair below it).
GarminDateTime GarminTimeToDateTime(std::uint32_t seconds);
// The inverse, for dates from the epoch on; nothing for a date or time that
// does not exist or does not fit in 32 bits.
std::optional<std::uint32_t> DateTimeToGarminTime(const GarminDateTime& when);

}  // namespace orvex
