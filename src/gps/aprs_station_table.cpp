#include "gps/aprs_station_table.h"

#include <algorithm>

namespace orvex {

bool AddAprsStation(AprsStationTable& table, const std::string& name, double longitude, double latitude) {
  const std::string stored = name.substr(0, kAprsNameLength);
  for (const auto& group : table) {
    if (std::any_of(group.begin(), group.end(), [&](const AprsStation& s) { return s.Name == stored; })) {
      return false;
    }
  }
  if (table.empty()) {
    table.emplace_back();
  }
  AprsStation station;
  station.Name = stored;
  station.Points.emplace_back(ToFixed(longitude), ToFixed(latitude));
  table.back().push_back(std::move(station));
  return true;
}

std::vector<LabelledPoint> AprsStationPoints(const AprsStationTable& table) {
  std::vector<LabelledPoint> points;
  for (const auto& group : table) {
    for (const AprsStation& station : group) {
      if (!station.Points.empty()) {
        points.push_back({FromFixed(station.Points[0].first), FromFixed(station.Points[0].second), station.Name});
      }
    }
  }
  return points;
}

}  // namespace orvex
