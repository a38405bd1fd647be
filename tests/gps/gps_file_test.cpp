#include "gps/gps_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <tuple>
#include <vector>

#include "gps/live_trace_file.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::TempDir;

struct Expected {
  double lat;
  double lon;
  int alt;
  const char* time;
};

Traces FreshTraces() {
  Traces traces;
  ResetTraces(traces, 1);
  return traces;
}

// Reads `text` as a GPS file; its points replace those of channel 0.
void ExpectRead(const std::string& text, const std::vector<Expected>& expected) {
  TempDir dir;
  Traces traces = FreshTraces();
  AppendTracePoint(traces, 0, "stale", 9, 9, 9);
  ASSERT_EQ(ReadGpsFile(traces, dir.Write("t.gps", text)), 0);
  const auto& points = traces.TraceTable[0];
  ASSERT_EQ(points.size(), expected.size());
  EXPECT_EQ(traces.TracePointCount, static_cast<int>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Expected& e = expected[i];
    EXPECT_EQ(std::tie(points[i].Lat, points[i].Lon, points[i].Alt, points[i].Time),
              std::make_tuple(ToFixed(e.lat), ToFixed(e.lon), e.alt, e.time))
        << "point " << i;
  }
}

TEST(ReadGpsFile, LoadsEveryDataLineWhateverFollowsTheLast) {
  const std::string body =
      "/Fichier GPS - canal 0\r\n/Heure Heure  Latitude  Longitude  Altitude\r\n"
      "100000,100000,45\xB0" "30'00\"N,002\xB0" "15'00\"E,100\r\n\r\n/ a comment between fixes\r\n"
      "100001,100001,45\xB0" "30'36\"N,002\xB0" "15'00\"O,-12\r\n100002,100002,45.75,-2.5,300";
  const std::vector<Expected> three = {
      {45.5, 2.25, 100, "100000"}, {45.51, -2.25, -12, "100001"}, {45.75, -2.5, 300, "100002"}};
  for (const std::string ending : {"", "\r\n", "\r\n/ fin\r\n", "\n/ fin\n\n/ 12 34\n\n"}) {
    SCOPED_TRACE("ending \"" + ending + "\"");
    ExpectRead(body + ending, three);
  }
}

TEST(ReadGpsFile, ReadsSpaceSeparatedGarminTracksAndOddLayouts) {
  const std::pair<const char*, Expected> cases[] = {
      // Garmin track lines: spaces, a trailing space, no altitude.
      {"083015 083015 50\xB0" "30'00\"N 03\xB0" "15'00\"O ", {50.5, -3.25, 0, "083015"}},
      // The console degree sign and a west letter.
      {"1,2,10\xF8" "00'00\"S,5\xF8" "30'00\"W,7", {-10, -5.5, 7, "2"}},
      {"  1  2  45.5  , 2.5  900", {45.5, 2.5, 900, "2"}},  // indented
      {"1,2,45.5,2.5,545.6", {45.5, 2.5, 546, "2"}},
      {"1,1234567,45.5,2.5,alt", {45.5, 2.5, 0, "123456"}},
      {"1,2,nonsense", {0, 0, 0, "2"}},
  };
  for (const auto& [line, point] : cases) {
    SCOPED_TRACE(line);
    ExpectRead(line, {point});
  }
}

TEST(ReadGpsFile, LeavesTheTracesAloneWhenTheFileCannotBeRead) {
  TempDir dir;
  Traces traces = FreshTraces();
  AppendTracePoint(traces, 0, "1", 2, 45, 0);
  RecordTracePoint(traces, dir.path(), 0, "1", 2, 45, 0);
  EXPECT_EQ(ReadGpsFile(traces, dir.path() / "missing.gps"), ENOENT);
  EXPECT_EQ(traces.TraceTable[0].size(), 1u);
  EXPECT_TRUE(TraceFileOpen(traces, 0));
}

TEST(ReadGpsFile, ReadsBackALiveTraceFile) {
  TempDir app;
  Traces traces = FreshTraces();
  const Expected fixes[] = {{0, 0, 0, "000000"},
                            {48.1172222222, 11.5166666667, 545, "123519"},
                            {-33.8586111111, 151.2141666667, 3, "123520"},
                            {51.4778, -0.0015, -20, "123521"}};
  for (const Expected& f : fixes) {
    RecordTracePoint(traces, app.path(), 0, f.time, f.lon, f.lat, f.alt);
  }
  // The file keeps whole arc-seconds: 51.4778 is 51°28'40.08" and -0.0015 is 00°00'05.4"O.
  ExpectRead(testing::ReadFile(traces.TraceFileName),
             {fixes[1], fixes[2], {51 + 28.0 / 60 + 40.0 / 3600, -5.0 / 3600, -20, "123521"}});
}

}  // namespace
}  // namespace orvex
