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

Traces TwoChannels() {
  Traces traces;
  ResetTraces(traces, 2);
  return traces;
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

TEST(RecordTracePoint, OpensTheNextNumberedFileWithoutWritingTheOpeningFix) {
  TempDir app;
  app.Write("Traces/Trace3.gps", "old");
  app.Write("Traces/Trace12.gps", "old");
  Traces traces = TwoChannels();
  const LiveTraceResult first = RecordTracePoint(traces, app.path(), 0, "123519", 11.75, 48.5, 545.4);
  EXPECT_EQ(first.Status, 0);
  EXPECT_TRUE(first.FileCreated);
  EXPECT_TRUE(TraceFileOpen(traces, 0));
  EXPECT_EQ(traces.TraceFileName, app.path() / "Traces" / "Trace13.gps");
  EXPECT_EQ(ReadFile(traces.TraceFileName), Header(0));
  EXPECT_EQ(ReadFile(app.path() / "Traces" / "Trace12.gps"), "old");
}

TEST(RecordTracePoint, CreatesTheTracesDirectoryAndWritesOneFlushedLinePerFurtherFix) {
  TempDir app;
  Traces traces = TwoChannels();
  RecordTracePoint(traces, app.path(), 0, "123519", 11.75, 48.5, 545.4);
  EXPECT_EQ(traces.TraceFileName, app.path() / "Traces" / "Trace1.gps");

  const LiveTraceResult second = RecordTracePoint(traces, app.path(), 0, "123520", 11.75, 48.5, 545.4);
  EXPECT_EQ(second.Status, 0);
  EXPECT_FALSE(second.FileCreated);
  // Read while the file is still open: each line is on disk at once.
  std::string expected = Header(0) + "123520,123520,48\xB0" "30'00\"N,11\xB0" "45'00\"E,545\r\n";
  EXPECT_EQ(ReadFile(traces.TraceFileName), expected);
  RecordTracePoint(traces, app.path(), 0, "123521", -101.5, -33.25, 12.6);
  expected += "123521,123521,33\xB0" "15'00\"S,101\xB0" "30'00\"O,13\r\n";
  EXPECT_EQ(ReadFile(traces.TraceFileName), expected);
}

TEST(RecordTracePoint, UsesTheTracesDirectoryWhateverItsCase) {
  TempDir app;
  app.Write("TRACES/Trace5.gps", "");
  Traces traces = TwoChannels();
  RecordTracePoint(traces, app.path(), 0, "1", 2, 45, 0);
  EXPECT_EQ(traces.TraceFileName, app.path() / "TRACES" / "Trace6.gps");
  EXPECT_FALSE(std::filesystem::exists(app.path() / "Traces"));
}

TEST(RecordTracePoint, KeepsOneFilePerChannel) {
  TempDir app;
  Traces traces = TwoChannels();
  RecordTracePoint(traces, app.path(), 0, "1", 2, 45, 0);
  RecordTracePoint(traces, app.path(), 1, "1", 2, 45, 0);
  RecordTracePoint(traces, app.path(), 1, "2", 2.5, 45, 7);
  RecordTracePoint(traces, app.path(), 0, "2", 3, 45, 8);
  const auto dir = app.path() / "Traces";
  EXPECT_EQ(ReadFile(dir / "Trace1.gps"), Header(0) + "2,2,45\xB0" "00'00\"N,03\xB0" "00'00\"E,8\r\n");
  EXPECT_EQ(ReadFile(dir / "Trace2.gps"), Header(1) + "2,2,45\xB0" "00'00\"N,02\xB0" "30'00\"E,7\r\n");
}

TEST(RecordTracePoint, ReportsAFileThatCannotBeCreatedAndTriesAgainAtTheNextFix) {
  TempDir app;
  app.Write("Traces", "a file where the directory should be");
  Traces traces = TwoChannels();
  const LiveTraceResult failed = RecordTracePoint(traces, app.path(), 0, "1", 2, 45, 0);
  EXPECT_NE(failed.Status, 0);
  EXPECT_FALSE(failed.FileCreated);
  EXPECT_FALSE(TraceFileOpen(traces, 0));
  EXPECT_TRUE(traces.TraceFileName.empty());

  std::filesystem::remove(app.path() / "Traces");
  const LiveTraceResult retried = RecordTracePoint(traces, app.path(), 0, "2", 2, 45, 0);
  EXPECT_EQ(retried.Status, 0);
  EXPECT_TRUE(retried.FileCreated);
  EXPECT_NE(RecordTracePoint(traces, app.path(), 2, "3", 2, 45, 0).Status, 0);  // no such channel
}

TEST(RecordTracePoint, StartsANewFileAfterAGpsFileIsRead) {
  TempDir app;
  Traces traces = TwoChannels();
  RecordTracePoint(traces, app.path(), 0, "1", 2, 45, 0);
  RecordTracePoint(traces, app.path(), 0, "2", 2, 45, 0);
  ASSERT_EQ(ReadGpsFile(traces, app.Write("other.gps", "0,1,45,2,100\n")), 0);
  EXPECT_FALSE(TraceFileOpen(traces, 0));

  EXPECT_TRUE(RecordTracePoint(traces, app.path(), 0, "3", 2, 45, 0).FileCreated);
  EXPECT_EQ(traces.TraceFileName, app.path() / "Traces" / "Trace2.gps");
  EXPECT_EQ(ReadFile(app.path() / "Traces" / "Trace1.gps"),
            Header(0) + "2,2,45\xB0" "00'00\"N,02\xB0" "00'00\"E,0\r\n");
}

}  // namespace
}  // namespace orvex
