#pragma once
// The APRS stations heard, each with its track: the positions it was heard
// at, oldest first. Memory stays bounded however long the program listens:
// a track keeps its newest kAprsTrackLimit points and the table its
// kAprsStationLimit most recently heard stations.
#include <cstdint>
#include <string>
#include <vector>

#include "geo/fixed_degree.h"
#include "mapview/labelled_point.h"

namespace orvex {

inline constexpr std::size_t kAprsNameLength = 10;
inline constexpr std::size_t kAprsTrackLimit = 2000;
inline constexpr std::size_t kAprsStationLimit = 2000;

struct AprsStation {
  std::string Name;  // at most kAprsNameLength bytes
  std::vector<std::pair<FixedDegree, FixedDegree>> Points;  // longitude, latitude
  std::uint64_t LastHeard = 0;  // order of the last report among all stations

  std::int32_t PointCount() const { return static_cast<std::int32_t>(Points.size()); }
};

// Groups of stations; only the last group is ever added to.
struct AprsStationTable {
  std::vector<std::vector<AprsStation>> Groups;
  std::uint64_t Reports = 0;  // reports taken so far: the clock of LastHeard
};

enum class AprsReport { NewStation, Moved, Unchanged };

// A position report of `name` (cut to kAprsNameLength): a new station is
// added (the least recently heard one dropped when the table is full); a
// known one gets the position appended to its track when it differs from its
// last point (as FixedDegree).
AprsReport ReportAprsStation(AprsStationTable& table, const std::string& name, double longitude, double latitude);

// Removes the station (a killed object or item). True when it was known.
bool RemoveAprsStation(AprsStationTable& table, const std::string& name);

// The station of that name, or null.
const AprsStation* FindAprsStation(const AprsStationTable& table, const std::string& name);

std::size_t AprsStationCount(const AprsStationTable& table);

// The stations as the map layer labels them: name at the latest position.
std::vector<LabelledPoint> AprsStationPoints(const AprsStationTable& table);

}  // namespace orvex
