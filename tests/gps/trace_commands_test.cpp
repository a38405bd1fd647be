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

Traces OneChannel() {
  Traces traces;
  ResetTraces(traces, 1);
  return traces;
}

TEST(TraceCommands, DialogsStartInTheTracesDirectoryWhenThereIsOne) {
  TempDir bare;
  TempDir withTraces;
  withTraces.MakeDir("traces");
  for (const TempDir* app : {&bare, &withTraces}) {
    Traces traces = OneChannel();
    ScriptedDialogs dialogs;
    int status = 0;
    ReadGpsFileCommand(traces, app->path(), dialogs, status);
    SaveTraceFileCommand(traces, app->path(), dialogs);
    ReadTraceFileCommand(traces, app->path(), dialogs, status);
    ASSERT_EQ(dialogs.fileRequests.size(), 3u);
    const auto start = PathText(app == &bare ? app->path() : app->path() / "traces");
    EXPECT_EQ(dialogs.fileRequests[0].title, "Ouvrir un fichier trace GPS");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Fichiers trace GPS (*.GPS);;Tous (*.*)");
    EXPECT_EQ(dialogs.fileRequests[1].title, "Sauver un fichier tracés");
    EXPECT_EQ(dialogs.fileRequests[2].title, "Ouvrir un fichier tracés");
    EXPECT_EQ(dialogs.fileRequests[2].filter, "Fichiers tracés  (*.*)");
    for (const auto& request : dialogs.fileRequests) {
      EXPECT_EQ(request.directory, start);
    }
  }
}

TEST(ReadGpsFileCommand, GivesTheLastPointLoaded) {
  TempDir app;
  const auto file = app.Write("Traces/t.gps", "/x\n1,1,45.5,2.5,10\n2,2,46.5,3.5,20\n/y\n");
  Traces traces = OneChannel();
  ScriptedDialogs dialogs;
  dialogs.fileNames = {file.string(), (app.path() / "missing.gps").string(), app.Write("empty.gps", "/\n").string()};
  int status = 0;
  const auto last = ReadGpsFileCommand(traces, app.path(), dialogs, status);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->Lat, ToFixed(46.5));
  EXPECT_EQ(last->Time, "2");

  EXPECT_FALSE(ReadGpsFileCommand(traces, app.path(), dialogs, status).has_value());
  EXPECT_EQ(status, ENOENT);
  EXPECT_EQ(traces.TraceTable[0].size(), 2u);

  EXPECT_FALSE(ReadGpsFileCommand(traces, app.path(), dialogs, status).has_value());
  EXPECT_TRUE(traces.TraceTable[0].empty());
}

TEST(TraceCommands, SavedDrawnTraceReadsBackAndCancellingAReadEmptiesIt) {
  TempDir app;
  Traces traces = OneChannel();
  AddDrawnTracePoint(traces, 2, 45);
  AddDrawnTracePoint(traces, 3.5, 46.25);
  const auto file = (app.path() / "vol").string();
  ScriptedDialogs dialogs;
  dialogs.fileNames = {file, file, std::nullopt, "/no/such/dir/x"};
  EXPECT_EQ(SaveTraceFileCommand(traces, app.path(), dialogs), 0);

  traces.DrawnTrace.clear();
  int status = 0;
  const auto last = ReadTraceFileCommand(traces, app.path(), dialogs, status);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->Lon, ToFixed(3.5));
  EXPECT_EQ(last->Lat, ToFixed(46.25));
  EXPECT_EQ(traces.DrawnTrace.size(), 2u);

  EXPECT_FALSE(ReadTraceFileCommand(traces, app.path(), dialogs, status).has_value());
  EXPECT_TRUE(traces.DrawnTrace.empty());

  AddDrawnTracePoint(traces, 2, 45);
  EXPECT_FALSE(ReadTraceFileCommand(traces, app.path(), dialogs, status).has_value());
  EXPECT_EQ(status, ENOENT);
  EXPECT_TRUE(traces.DrawnTrace.empty());
}

}  // namespace
}  // namespace orvex
