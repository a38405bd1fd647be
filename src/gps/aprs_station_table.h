#pragma once
// The APRS stations heard: each name once, at the first position heard.
#include <cstdint>
#include <string>
#include <vector>

#include "geo/fixed_degree.h"
#include "mapview/labelled_point.h"

namespace orvex {

inline constexpr std::size_t kAprsNameLength = 10;

struct AprsStation {
  std::string Name;  // at most kAprsNameLength bytes
  std::vector<std::pair<FixedDegree, FixedDegree>> Points;  // longitude, latitude

  std::int32_t PointCount() const { return static_cast<std::int32_t>(Points.size()); }
};

// Groups of stations; only the last group is ever added to.
using AprsStationTable = std::vector<std::vector<AprsStation>>;

// Adds the station unless one of that name is known (a known station is
// never moved). True when added.
bool AddAprsStation(AprsStationTable& table, const std::string& name, double longitude, double latitude);

// The stations as the map layer draws them: name at the first position.
std::vector<LabelledPoint> AprsStationPoints(const AprsStationTable& table);

}  // namespace orvex
