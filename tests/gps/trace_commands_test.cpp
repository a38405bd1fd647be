#include "gps/trace_commands.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "gps/drawn_trace.h"
#include "platform/paths.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

class TraceCommands : public ::testing::Test {
 protected:
  void SetUp() override { ResetTraces(traces_, 1); }

  TempDir app_;
  Traces traces_;
  ScriptedDialogs dialogs_;
  int status_ = 0;
};

TEST_F(TraceCommands, DialogsStartInTheTracesDirectoryWhenThereIsOne) {
  for (const bool withTraces : {false, true}) {
    if (withTraces) {
      app_.MakeDir("traces");
    }
    dialogs_.fileRequests.clear();
    ReadGpsFileCommand(traces_, app_.path(), dialogs_, status_);
    SaveTraceFileCommand(traces_, app_.path(), dialogs_);
    ReadTraceFileCommand(traces_, app_.path(), dialogs_, status_);
    ASSERT_EQ(dialogs_.fileRequests.size(), 3u);
    EXPECT_EQ(dialogs_.fileRequests[0].title, "Ouvrir un fichier trace GPS");
    EXPECT_EQ(dialogs_.fileRequests[0].filter, "Fichiers trace GPS (*.GPS);;Tous (*.*)");
    EXPECT_EQ(dialogs_.fileRequests[1].title, "Sauver un fichier tracés");
    EXPECT_EQ(dialogs_.fileRequests[2].title, "Ouvrir un fichier tracés");
    EXPECT_EQ(dialogs_.fileRequests[2].filter, "Fichiers tracés  (*.*)");
    for (const auto& request : dialogs_.fileRequests) {
      EXPECT_EQ(request.directory, PathText(withTraces ? app_.path() / "traces" : app_.path()));
    }
  }
}

TEST_F(TraceCommands, ReadGpsFileGivesTheLastPointLoaded) {
  dialogs_.fileNames = {app_.Write("Traces/t.gps", "/x\n1,1,45.5,2.5,10\n2,2,46.5,3.5,20\n/y\n").string(),
                        (app_.path() / "missing.gps").string(), app_.Write("empty.gps", "/\n").string()};
  const auto last = ReadGpsFileCommand(traces_, app_.path(), dialogs_, status_);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->Lat, ToFixed(46.5));
  EXPECT_EQ(last->Time, "2");

  EXPECT_FALSE(ReadGpsFileCommand(traces_, app_.path(), dialogs_, status_).has_value());
  EXPECT_EQ(status_, ENOENT);
  EXPECT_EQ(traces_.TraceTable[0].size(), 2u);
  EXPECT_FALSE(ReadGpsFileCommand(traces_, app_.path(), dialogs_, status_).has_value());
  EXPECT_TRUE(traces_.TraceTable[0].empty());
}

TEST_F(TraceCommands, SavedDrawnTraceReadsBackAndCancellingAReadEmptiesIt) {
  AddDrawnTracePoint(traces_, 2, 45);
  AddDrawnTracePoint(traces_, 3.5, 46.25);
  const auto file = (app_.path() / "vol").string();
  dialogs_.fileNames = {file, file, std::nullopt, "/no/such/dir/x"};
  EXPECT_EQ(SaveTraceFileCommand(traces_, app_.path(), dialogs_), 0);

  traces_.DrawnTrace.clear();
  const auto last = ReadTraceFileCommand(traces_, app_.path(), dialogs_, status_);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->Lon, ToFixed(3.5));
  EXPECT_EQ(last->Lat, ToFixed(46.25));
  EXPECT_EQ(traces_.DrawnTrace.size(), 2u);

  EXPECT_FALSE(ReadTraceFileCommand(traces_, app_.path(), dialogs_, status_).has_value());
  EXPECT_TRUE(traces_.DrawnTrace.empty());
  AddDrawnTracePoint(traces_, 2, 45);
  EXPECT_FALSE(ReadTraceFileCommand(traces_, app_.path(), dialogs_, status_).has_value());
  EXPECT_EQ(status_, ENOENT);
  EXPECT_TRUE(traces_.DrawnTrace.empty());
}

}  // namespace
}  // namespace orvex
