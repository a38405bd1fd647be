#include "gps/live_trace_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gps/gps_file.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ReadFile;
using testing::TempDir;

std::string Header(int channel) {
  return "/Fichier GPS - canal " + std::to_string(channel) + "\r\n/Heure Heure  Latitude  Longitude  Altitude\r\n";
}

TEST(NextTraceNumber, FollowsTheLargestFirstNumberOfAnyName) {
  const std::pair<std::vector<std::string>, long long> cases[] = {
      {{"Trace3.gps", "Trace12.gps"}, 13},
      {{}, 1},
      {{"notes.txt", "Trace.gps"}, 1},
      {{"x2y50.gps"}, 3},  // only the first run of digits counts
      {{"Trace3.gps", ".Trace99.gps"}, 4},
      {{"Trace007.gps"}, 8},
      {{"Trace3.gps", "Old20/"}, 21},  // a directory counts too
      {{"Trace99999999999999999999999.gps", "Trace5.gps"}, 6},
  };
  for (const auto& [names, expected] : cases) {
    TempDir dir;
    for (const auto& name : names) {
      name.ends_with('/') ? dir.MakeDir(name) : dir.Write(name, "");
    }
    EXPECT_EQ(NextTraceNumber(dir.path()), expected) << ::testing::PrintToString(names);
  }
  EXPECT_EQ(NextTraceNumber(TempDir().path() / "missing"), 1);
}

TEST(NextTraceNumber, SeesEveryEntryOfALargeDirectory) {
  // Far more entries than a listing of 420 holds: whichever order the file
  // system gives, such a listing would most likely miss the largest number.
  constexpr int kFiles = 2000;
  TempDir dir;
  for (int i = 1; i <= kFiles; ++i) {
    dir.Write("Trace" + std::to_string(i) + ".gps", "");
  }
  EXPECT_EQ(NextTraceNumber(dir.path()), kFiles + 1);
}

class LiveTraceFile : public ::testing::Test {
 protected:
  void SetUp() override { ResetTraces(traces_, 2); }
  LiveTraceResult Record(int channel, const char* time, double lon = 2, double lat = 45, double alt = 0) {
    return RecordTracePoint(traces_, app_.path(), channel, time, lon, lat, alt);
  }
  std::filesystem::path InTraces(const char* name) const { return app_.path() / "Traces" / name; }

  TempDir app_;
  Traces traces_;
};

TEST_F(LiveTraceFile, OpensTheNextNumberedFileWithoutWritingTheOpeningFix) {
  app_.Write("Traces/Trace3.gps", "old");
  app_.Write("Traces/Trace12.gps", "old");
  const LiveTraceResult first = Record(0, "123519", 11.75, 48.5, 545.4);
  EXPECT_EQ(first.Status, 0);
  EXPECT_TRUE(first.FileCreated);
  EXPECT_TRUE(TraceFileOpen(traces_, 0));
  EXPECT_EQ(traces_.TraceFileName, InTraces("Trace13.gps"));
  EXPECT_EQ(ReadFile(traces_.TraceFileName), Header(0));
  EXPECT_EQ(ReadFile(InTraces("Trace12.gps")), "old");
}

TEST_F(LiveTraceFile, CreatesTheTracesDirectoryAndWritesOneFlushedLinePerFurtherFixAndChannel) {
  Record(0, "123519", 11.75, 48.5, 545.4);
  EXPECT_EQ(traces_.TraceFileName, InTraces("Trace1.gps"));
  Record(1, "123519");
  const LiveTraceResult second = Record(0, "123520", 11.75, 48.5, 545.4);
  EXPECT_EQ(second.Status, 0);
  EXPECT_FALSE(second.FileCreated);
  // Read while the files are still open: each line is on disk at once.
  std::string expected = Header(0) + "123520,123520,48\xB0" "30'00\"N,11\xB0" "45'00\"E,545\r\n";
  EXPECT_EQ(ReadFile(InTraces("Trace1.gps")), expected);
  Record(1, "123520", 2.5, 45, 7);
  Record(0, "123521", -101.5, -33.25, 12.6);
  expected += "123521,123521,33\xB0" "15'00\"S,101\xB0" "30'00\"O,13\r\n";
  EXPECT_EQ(ReadFile(InTraces("Trace1.gps")), expected);
  EXPECT_EQ(ReadFile(InTraces("Trace2.gps")), Header(1) + "123520,123520,45\xB0" "00'00\"N,02\xB0" "30'00\"E,7\r\n");
}

TEST_F(LiveTraceFile, UsesTheTracesDirectoryWhateverItsCase) {
  app_.Write("TRACES/Trace5.gps", "");
  Record(0, "1");
  EXPECT_EQ(traces_.TraceFileName, app_.path() / "TRACES" / "Trace6.gps");
  EXPECT_FALSE(std::filesystem::exists(app_.path() / "Traces"));
}

TEST_F(LiveTraceFile, ReportsAFileThatCannotBeCreatedAndTriesAgainAtTheNextFix) {
  app_.Write("Traces", "a file where the directory should be");
  const LiveTraceResult failed = Record(0, "1");
  EXPECT_NE(failed.Status, 0);
  EXPECT_FALSE(failed.FileCreated);
  EXPECT_FALSE(TraceFileOpen(traces_, 0));
  EXPECT_TRUE(traces_.TraceFileName.empty());

  std::filesystem::remove(app_.path() / "Traces");
  const LiveTraceResult retried = Record(0, "2");
  EXPECT_EQ(retried.Status, 0);
  EXPECT_TRUE(retried.FileCreated);
  EXPECT_NE(Record(2, "3").Status, 0);  // no such channel
}

TEST_F(LiveTraceFile, StartsANewFileAfterAGpsFileIsRead) {
  Record(0, "1");
  Record(0, "2");
  ASSERT_EQ(ReadGpsFile(traces_, app_.Write("other.gps", "0,1,45,2,100\n")), 0);
  EXPECT_FALSE(TraceFileOpen(traces_, 0));
  EXPECT_TRUE(Record(0, "3").FileCreated);
  EXPECT_EQ(traces_.TraceFileName, InTraces("Trace2.gps"));
  EXPECT_EQ(ReadFile(InTraces("Trace1.gps")), Header(0) + "2,2,45\xB0" "00'00\"N,02\xB0" "00'00\"E,0\r\n");
}

}  // namespace
}  // namespace orvex
