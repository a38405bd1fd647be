#include "gps/drawn_trace.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/paths.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using LatLon = std::pair<double, double>;
using testing::ScriptedDialogs;
using testing::TempDir;

DrawnPoint At(double lon, double lat) { return {ToFixed(lon), ToFixed(lat)}; }

// The points as (latitude, longitude) in degrees, the order of a trace file.
std::vector<LatLon> LatLons(const std::vector<DrawnPoint>& trace) {
  std::vector<LatLon> points;
  for (const DrawnPoint& point : trace) {
    points.emplace_back(FromFixed(point.Lat), FromFixed(point.Lon));
  }
  return points;
}

TEST(TraceCoordinateText, FiveDecimalsAtMostSevenSignificantDigits) {
  const std::pair<double, const char*> cases[] = {
      {45.5, "45.50000"},           {2.123456789, "2.12346"},   {-0.5, "-0.50000"},
      {0, "0.00000"},               {1.0 / 16384, "0.00006"},   {100, "100.00000"},
      {123.456789, "123.45680"},    {-179.99999, "-180.00000"}, {99.999996, "100.00000"},
      {-12.345675, "-12.34567"},  // 12.3456749999... in binary: rounded as stored
  };
  for (const auto& [degrees, text] : cases) {
    EXPECT_EQ(TraceCoordinateText(degrees), text) << degrees;
  }
}

TEST(WriteTraceFile, WritesTheHeaderInWindows1252AndOneLatitudeLongitudeLinePerPoint) {
  TempDir dir;
  const auto file = dir.path() / "vol.trc";
  const std::vector<DrawnPoint> trace = {At(2.25, 45.5), At(-123.456789, 1.0 / 16384)};
  ASSERT_EQ(WriteTraceFile(file, trace), 0);
  EXPECT_EQ(testing::ReadFile(file),
            "/ Fichier de trac\xE9 : " + PathText(file) + "\r\n45.50000,2.25000\r\n0.00006,-123.45680\r\n");
  EXPECT_NE(WriteTraceFile(dir.path() / "missing" / "vol.trc", trace), 0);
}

TEST(TraceFile, RoundTripKeepsEveryPoint) {
  TempDir dir;
  const auto file = dir.path() / "aller-retour";
  std::vector<DrawnPoint> written;
  for (int i = 0; i < 200; ++i) {
    written.push_back({-2900000 + i * 29000 + i % 5, -1470000 + i * 14700 + i % 3});
  }
  written.push_back(At(-180, 90));
  written.push_back(At(179.99, -90));
  ASSERT_EQ(WriteTraceFile(file, written), 0);

  std::vector<DrawnPoint> read = {At(1, 1)};
  const TraceFileReading reading = ReadTraceFile(file, read);
  EXPECT_EQ(reading.Status, 0);
  EXPECT_TRUE(reading.Warning.empty());
  ASSERT_EQ(read.size(), written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    // Five decimals hold a 1/16384 degree exactly below 100 degrees; seven
    // significant digits leave four decimals above, within one unit.
    EXPECT_NEAR(read[i].Lon, written[i].Lon, std::abs(written[i].Lon) >= ToFixed(100) ? 1 : 0) << i;
    EXPECT_EQ(read[i].Lat, written[i].Lat) << i;
  }
}

TEST(ReadTraceFile, ReadsDecimalAndDmsFieldsAndIgnoresWhatFollowsThem) {
  TempDir dir;
  const auto file = dir.Write("t", "/ Fichier de trac\xE9 : t\r\n\r\n45.5,2.25\r\n/ comment\r\n"
                                   "45\xB0" "30'00\"S 002\xB0" "15'00\"O extra fields\r\n"
                                   "  10,5 , 6\r\n-12.5\r\n90,1\r\n-90,-1\r\n");
  std::vector<DrawnPoint> trace;
  ASSERT_EQ(ReadTraceFile(file, trace).Status, 0);
  // The limits themselves are latitudes.
  EXPECT_EQ(LatLons(trace), (std::vector<LatLon>{{45.5, 2.25}, {-45.5, -2.25}, {10, 5}, {-12.5, 0}, {90, 1},
                                                 {-90, -1}}));
}

TEST(ReadTraceFile, ReadsAClosingCommentLineAsOneMorePoint) {
  for (const char* ending : {"/ fin\r\n", "/ fin", "/ fin\r\n\r\n", "/ 12 34\r\n/ fin\r\n"}) {
    TempDir dir;
    std::vector<DrawnPoint> trace;
    ASSERT_EQ(ReadTraceFile(dir.Write("t", std::string("45.5,2.25\r\n") + ending), trace).Status, 0);
    EXPECT_EQ(LatLons(trace), (std::vector<LatLon>{{45.5, 2.25}, {0, 0}})) << ending;
  }
}

TEST(ReadTraceFile, ALatitudeBeyondTheLimitsEmptiesTheTraceWithAWarning) {
  for (const char* body : {"45.5,2.25\r\n95,2\r\n46,3\r\n", "-90.00001,0\r\n", "1,1\r\n91\xB0" "00'00\"N,2\r\n"}) {
    SCOPED_TRACE(body);
    TempDir dir;
    const auto file = dir.Write("pas une trace", body);
    const std::string warning = "Le fichier " + PathText(file) + " n'a pas la structure d'un fichier TRACE";
    std::vector<DrawnPoint> trace = {At(1, 1)};
    const TraceFileReading reading = ReadTraceFile(file, trace);
    EXPECT_EQ(reading.Status, 0);
    EXPECT_EQ(reading.Warning, warning);
    EXPECT_TRUE(trace.empty());

    ScriptedDialogs dialogs;
    trace = {At(1, 1)};
    EXPECT_EQ(ReadTraceFile(file, trace, dialogs), 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.messages[0].text, warning);
    EXPECT_TRUE(trace.empty());
  }
}

TEST(ReadTraceFile, AnUnreadableFileLeavesTheTraceAsItWas) {
  TempDir dir;
  std::vector<DrawnPoint> trace = {At(1, 1)};
  ScriptedDialogs dialogs;
  EXPECT_EQ(ReadTraceFile(dir.path() / "missing", trace, dialogs), ENOENT);
  EXPECT_EQ(trace.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace orvex
