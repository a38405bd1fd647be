// orvex-grid as users run it: a program, its exit status and its output.
#include <QProcess>
#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "terrain/dalles.h"

namespace orvex {
namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

ToolRun Tool(const QStringList& arguments) {
  QProcess process;
  process.start(ORVEX_GRID_PROGRAM, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

QString Text(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

TEST(OrvexGrid, ImportsAndDescribes) {
  testing::TempDir dir;
  const auto grid = dir.Write("g.asc", "ncols 2\nnrows 2\nxllcenter 7\nyllcenter 43\ncellsize 0.25\n"
                                       "NODATA_value -1\n5 6\n-1 900\n");
  const auto output = dir.path() / "out" / "dalles.dat";
  ToolRun run = Tool({"import", Text(grid), Text(output)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  TDalle d;
  ASSERT_EQ(LitDalles(output, d), 0);
  EXPECT_EQ(d.Alt, (std::vector<std::vector<std::int32_t>>{{5, 6}, {0, 900}}));

  run = Tool({"info", Text(output)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const char* line : {"columns (NbX)        2\n", "north-west (LgNO)    114688 = 7.000000 degrees\n",
                           "north-west (LtNO)    708608 = 43.250000 degrees\n", "row step (DLt)       4096 = 900.0000",
                           "header range         5 .. 900 m", "sample range         0 .. 900 m"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
  }
}

TEST(OrvexGrid, FailuresSayWhyAndLeaveTheOutput) {
  testing::TempDir dir;
  const auto output = dir.Write("dalles.dat", "old");
  struct Case { QStringList arguments; int exitCode; const char* message; };
  const Case cases[] = {
      {{"import", Text(dir.Write("short.fil", "ncols 2\nnrows 1\nx 1\ny 1\na 1\nb 1\nn 0\n5  ")), Text(output)},
       1, "short.fil: fichier incomplet"},
      {{"import", Text(dir.path() / "missing.hgt"), Text(output)}, 1, "missing.hgt: fichier illisible"},
      {{"import", Text(dir.Write("g.asc", "ncols 1\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\n3\n")),
        Text(output / "x")},
       1, "dalles.dat/x: "},
      {{"info", Text(output)}, 1, "not a whole tile file"},
      {{"import", Text(output)}, 2, "expected \"import GRID OUTPUT\""},
      {{"convert", "a", "b"}, 2, "see --help"},
      {{"--bogus"}, 2, "Unknown option"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(" ").toStdString() << "\n" << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(testing::ReadFile(output), "old");
  }
}

TEST(OrvexGrid, HelpAndVersionOnStandardOutput) {
  ToolRun run = Tool({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("import GRID OUTPUT"), std::string::npos) << run.out;
  run = Tool({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.rfind("orvex-grid 0.", 0), 0u) << run.out;
}

}  // namespace
}  // namespace orvex
