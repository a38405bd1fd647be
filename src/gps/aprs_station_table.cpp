#include "gps/aprs_station_table.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace orvex {
namespace {

struct StationPlace {
  std::size_t group = 0;
  std::size_t index = 0;
};

std::optional<StationPlace> Find(const AprsStationTable& table, const std::string& stored) {
  for (std::size_t g = 0; g < table.Groups.size(); ++g) {
    const auto& group = table.Groups[g];
    const auto it = std::find_if(group.begin(), group.end(), [&](const AprsStation& s) { return s.Name == stored; });
    if (it != group.end()) {
      return StationPlace{g, static_cast<std::size_t>(it - group.begin())};
    }
  }
  return std::nullopt;
}

void Erase(AprsStationTable& table, StationPlace place) {
  auto& group = table.Groups[place.group];
  group.erase(group.begin() + static_cast<std::ptrdiff_t>(place.index));
  if (group.empty()) {
    table.Groups.erase(table.Groups.begin() + static_cast<std::ptrdiff_t>(place.group));
  }
}

void DropLeastRecentlyHeard(AprsStationTable& table) {
  std::optional<StationPlace> oldest;
  std::uint64_t heard = UINT64_MAX;
  for (std::size_t g = 0; g < table.Groups.size(); ++g) {
    for (std::size_t i = 0; i < table.Groups[g].size(); ++i) {
      if (table.Groups[g][i].LastHeard < heard) {
        heard = table.Groups[g][i].LastHeard;
        oldest = StationPlace{g, i};
      }
    }
  }
  if (oldest) {
    Erase(table, *oldest);
  }
}

}  // namespace

AprsReport ReportAprsStation(AprsStationTable& table, const std::string& name, double longitude, double latitude) {
  const std::string stored = name.substr(0, kAprsNameLength);
  const std::pair<FixedDegree, FixedDegree> point{ToFixed(longitude), ToFixed(latitude)};
  ++table.Reports;
  if (const auto place = Find(table, stored)) {
    AprsStation& station = table.Groups[place->group][place->index];
    station.LastHeard = table.Reports;
    if (!station.Points.empty() && station.Points.back() == point) {
      return AprsReport::Unchanged;
    }
    if (station.Points.size() >= kAprsTrackLimit) {
      station.Points.erase(station.Points.begin());
    }
    station.Points.push_back(point);
    return AprsReport::Moved;
  }
  if (AprsStationCount(table) >= kAprsStationLimit) {
    DropLeastRecentlyHeard(table);
  }
  if (table.Groups.empty()) {
    table.Groups.emplace_back();
  }
  AprsStation station;
  station.Name = stored;
  station.Points.push_back(point);
  station.LastHeard = table.Reports;
  table.Groups.back().push_back(std::move(station));
  return AprsReport::NewStation;
}

bool RemoveAprsStation(AprsStationTable& table, const std::string& name) {
  const auto place = Find(table, name.substr(0, kAprsNameLength));
  if (place) {
    Erase(table, *place);
  }
  return place.has_value();
}

const AprsStation* FindAprsStation(const AprsStationTable& table, const std::string& name) {
  const auto place = Find(table, name.substr(0, kAprsNameLength));
  return place ? &table.Groups[place->group][place->index] : nullptr;
}

std::size_t AprsStationCount(const AprsStationTable& table) {
  std::size_t count = 0;
  for (const auto& group : table.Groups) {
    count += group.size();
  }
  return count;
}

std::vector<LabelledPoint> AprsStationPoints(const AprsStationTable& table) {
  std::vector<LabelledPoint> points;
  for (const auto& group : table.Groups) {
    for (const AprsStation& station : group) {
      if (!station.Points.empty()) {
        points.push_back({FromFixed(station.Points.back().first), FromFixed(station.Points.back().second),
                          station.Name});
      }
    }
  }
  return points;
}

}  // namespace orvex
