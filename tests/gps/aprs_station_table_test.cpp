#include "gps/aprs_station_table.h"

#include <gtest/gtest.h>

#include <string>

namespace orvex {
namespace {

using Point = std::pair<FixedDegree, FixedDegree>;

Point At(double lon, double lat) { return {ToFixed(lon), ToFixed(lat)}; }

// A station that moves keeps every new position; one heard again in place
// adds nothing; the label goes to the newest point.
TEST(AprsStationTable, MovingStationsKeepTheirTrackAndAreLabelledAtTheLastPoint) {
  AprsStationTable table;
  const struct {
    const char* name;
    double lon, lat;
    AprsReport report;
  } reports[] = {
      {"F4ABC-9", 6.10, 49.60, AprsReport::NewStation}, {"F4ABC-9", 6.12, 49.61, AprsReport::Moved},
      {"F4ABC-9", 6.12, 49.61, AprsReport::Unchanged},  {"F4ABC", 5.00, 48.00, AprsReport::NewStation},
      {"F4ABC-9", 6.15, 49.63, AprsReport::Moved},      {"F4ABC-9", 6.15 + 1e-6, 49.63, AprsReport::Unchanged},
      {"LONGNAME-15", 7.0, 50.0, AprsReport::NewStation}, {"LONGNAME-1", 7.1, 50.0, AprsReport::Moved},
  };
  for (const auto& r : reports) {
    EXPECT_EQ(ReportAprsStation(table, r.name, r.lon, r.lat), r.report) << r.name << " " << r.lon;
  }
  const AprsStation* mobile = FindAprsStation(table, "F4ABC-9");
  ASSERT_NE(mobile, nullptr);
  EXPECT_EQ(mobile->Points, (std::vector<Point>{At(6.10, 49.60), At(6.12, 49.61), At(6.15, 49.63)}));
  EXPECT_EQ(FindAprsStation(table, "F4ABC")->PointCount(), 1);
  // Names are kept to ten characters: the two long ones are one station.
  EXPECT_EQ(AprsStationCount(table), 3u);
  const auto labels = AprsStationPoints(table);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].name, "F4ABC-9");
  EXPECT_EQ(ToFixed(labels[0].longitude), ToFixed(6.15));
  EXPECT_EQ(ToFixed(labels[0].latitude), ToFixed(49.63));
  EXPECT_EQ(labels[2].name, "LONGNAME-1");

  EXPECT_TRUE(RemoveAprsStation(table, "F4ABC"));
  EXPECT_FALSE(RemoveAprsStation(table, "F4ABC"));
  EXPECT_EQ(FindAprsStation(table, "F4ABC"), nullptr);
  EXPECT_NE(FindAprsStation(table, "F4ABC-9"), nullptr);
}

// However long the program listens, a track keeps its newest points and the
// table its most recently heard stations.
TEST(AprsStationTable, TracksAndTheTableStayBounded) {
  AprsStationTable table;
  const std::size_t extra = 5;
  for (std::size_t i = 0; i < kAprsTrackLimit + extra; ++i) {
    ReportAprsStation(table, "BALLOON", 6.0 + static_cast<double>(i) * 1e-4, 49.0);
  }
  const AprsStation* balloon = FindAprsStation(table, "BALLOON");
  ASSERT_EQ(balloon->Points.size(), kAprsTrackLimit);
  EXPECT_EQ(balloon->Points.front(), At(6.0 + static_cast<double>(extra) * 1e-4, 49.0));
  EXPECT_EQ(balloon->Points.back(), At(6.0 + static_cast<double>(kAprsTrackLimit + extra - 1) * 1e-4, 49.0));

  for (std::size_t i = 1; i < kAprsStationLimit; ++i) {
    ReportAprsStation(table, "S" + std::to_string(i), 5.0, 45.0);
  }
  ASSERT_EQ(AprsStationCount(table), kAprsStationLimit);
  ReportAprsStation(table, "BALLOON", 7.0, 49.0);  // heard again: now the newest
  ReportAprsStation(table, "NEW1", 5.0, 45.0);
  ReportAprsStation(table, "NEW2", 5.0, 45.0);
  EXPECT_EQ(AprsStationCount(table), kAprsStationLimit);
  EXPECT_NE(FindAprsStation(table, "BALLOON"), nullptr);
  EXPECT_EQ(FindAprsStation(table, "S1"), nullptr);
  EXPECT_EQ(FindAprsStation(table, "S2"), nullptr);
  EXPECT_NE(FindAprsStation(table, "S3"), nullptr);
  EXPECT_NE(FindAprsStation(table, "NEW2"), nullptr);
}

}  // namespace
}  // namespace orvex
