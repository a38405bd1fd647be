#include "garmin/garmin_time.h"

#include <chrono>
#include <cmath>

namespace orvex {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kGregorianStart = 2299161;  // first Julian day of the Gregorian calendar

// Meeus, "Astronomical Algorithms", chapter 7, for a Julian day whose
// fraction is 0.5 (midnight): Z is the whole day number, F is 0.
void JulianDayToCalendar(std::int64_t z, GarminDateTime& when) {
  std::int64_t a = z;
  if (z >= kGregorianStart) {
    const auto alpha = static_cast<std::int64_t>(std::floor((static_cast<double>(z) - 1867216.25) / 36524.25));
    a = z + 1 + alpha - alpha / 4;
  }
  const std::int64_t b = a + 1524;
  const auto c = static_cast<std::int64_t>(std::floor((static_cast<double>(b) - 122.1) / 365.25));
  const auto d = static_cast<std::int64_t>(std::floor(365.25 * static_cast<double>(c)));
  const auto e = static_cast<std::int64_t>(std::floor(static_cast<double>(b - d) / 30.6001));
  when.day = static_cast<int>(b - d - static_cast<std::int64_t>(std::floor(30.6001 * static_cast<double>(e))));
  when.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  when.year = static_cast<int>(when.month > 2 ? c - 4716 : c - 4715);
}

}  // namespace

GarminDateTime GarminTimeToDateTime(std::uint32_t seconds) {
  GarminDateTime when;
  const std::int64_t days = seconds / kSecondsPerDay;
  JulianDayToCalendar(days + static_cast<std::int64_t>(kGarminEpochJulianDay + 0.5), when);
  const std::int64_t ofDay = seconds % kSecondsPerDay;
  when.hour = static_cast<int>(ofDay / 3600);
  when.minute = static_cast<int>(ofDay / 60 % 60);
  when.second = static_cast<int>(ofDay % 60);
  return when;
}

std::optional<std::uint32_t> DateTimeToGarminTime(const GarminDateTime& when) {
  using namespace std::chrono;
  const year_month_day date{year{when.year}, month{static_cast<unsigned>(when.month)},
                            day{static_cast<unsigned>(when.day)}};
  if (!date.ok() || when.hour < 0 || when.hour > 23 || when.minute < 0 || when.minute > 59 || when.second < 0 ||
      when.second > 59) {
    return std::nullopt;
  }
  const std::int64_t days = (sys_days{date} - sys_days{year{1989} / December / 31}).count();
  const std::int64_t seconds = days * kSecondsPerDay + when.hour * 3600 + when.minute * 60 + when.second;
  if (seconds < 0 || seconds >= static_cast<std::int64_t>(kGarminNoTime)) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(seconds);
}

}  // namespace orvex
