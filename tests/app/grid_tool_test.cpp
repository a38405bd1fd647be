// orvex-grid as users run it: a program, its exit status and its output.
#include <gtest/gtest.h>

#include <random>

#include "support/program_run.h"
#include "support/temp_dir.h"
#include "terrain/curve_index.h"
#include "terrain/dalles.h"
#include "terrain/grid_import.h"

namespace orvex {
namespace {

testing::ProgramRun Tool(const QStringList& arguments) { return testing::RunProgram(ORVEX_GRID_PROGRAM, arguments); }

QString Text(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

TEST(OrvexGrid, ImportsAndDescribes) {
  testing::TempDir dir;
  const auto grid = dir.Write("g.asc",
                              "ncols 2\nnrows 2\nxllcenter 7\nyllcenter 43\ncellsize 0.25\n"
                              "NODATA_value -1\n5 6\n-1 900\n");
  const auto output = dir.path() / "out" / "dalles.dat";
  testing::ProgramRun run = Tool({"import", Text(grid), Text(output)});
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

// The tool writes rows as it reads them; its file must be the one the program
// saves after importing the same grid, range in the header included.
TEST(OrvexGrid, WritesWhatTheProgramImports) {
  testing::TempDir dir;
  std::mt19937 random(15);
  const auto Values = [&random](int count, bool decimals) {
    std::string text;
    for (int i = 0; i < count; ++i) {
      const int v = static_cast<int>(random() % 3000) - 200;  // negatives too
      text += i % 37 == 0 ? std::string("-9999") : std::to_string(v) + (decimals && i % 5 == 0 ? ".5" : "");
      text += i % 7 == 6 ? "\r\n" : " ";
    }
    return text;
  };
  std::string hgt;
  for (int i = 0; i < 1201 * 1201; ++i) {
    const int v = i % 101 == 0 ? -32768 : static_cast<int>(random() % 4000) - 20;
    hgt += {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
  }
  const std::filesystem::path grids[] = {
      dir.Write("a.fil", "ncols 9\nnrows 7\nx 7\ny 43\ndx 0.01\ndy 0.01\nnodata -9999\n" + Values(63, false)),
      // 1" steps are not whole units: rows and columns are resampled.
      dir.Write("b.asc", "ncols 40\nnrows 30\nxllcorner 6.99986\nyllcorner 42.99986\ncellsize 0.000277777778\n"
                         "NODATA_value -9999\n" + Values(1200, true)),
      dir.Write("N43E007.hgt", hgt),
  };
  for (const auto& grid : grids) {
    const auto output = dir.path() / "tool.dat";
    const testing::ProgramRun run = Tool({"import", Text(grid), Text(output)});
    ASSERT_EQ(run.exitCode, 0) << grid << run.err;
    TDalle imported;
    ASSERT_EQ(ImporteGrille(grid, imported), "") << grid;
    ASSERT_EQ(EcritDalles(dir.path() / "program.dat", imported), 0);
    EXPECT_TRUE(testing::ReadFile(output) == testing::ReadFile(dir.path() / "program.dat")) << grid;
  }
}

TEST(OrvexGrid, FailuresSayWhyAndLeaveTheOutput) {
  testing::TempDir dir;
  const auto output = dir.Write("dalles.dat", "old");
  struct Case {
    QStringList arguments;
    int exitCode;
    const char* message;
  };
  const Case cases[] = {
      {{"import", Text(dir.Write("short.fil", "ncols 2\nnrows 1\nx 1\ny 1\na 1\nb 1\nn 0\n5  ")), Text(output)},
       1,
       "short.fil: fichier incomplet"},
      {{"import", Text(dir.path() / "missing.hgt"), Text(output)}, 1, "missing.hgt: fichier illisible"},
      {{"import", Text(dir.Write("g.asc", "ncols 1\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\n3\n")),
        Text(output / "x")},
       1,
       "dalles.dat/x: "},
      {{"info", Text(output)}, 1, "not a whole tile file"},
      {{"import", Text(output)}, 2, "expected \"import GRID OUTPUT\""},
      {{"convert", "a", "b"}, 2, "see --help"},
      {{"--bogus"}, 2, "Unknown option"},
  };
  for (const Case& c : cases) {
    const testing::ProgramRun run = Tool(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(" ").toStdString() << "\n" << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(testing::ReadFile(output), "old");
  }
}

// The tool's file, byte for byte, against a grid made here by the plain scan
// over the same points, with the default steps and with others.
TEST(OrvexGrid, FabricatesWhatThePlainScanGives) {
  testing::TempDir dir;
  std::mt19937 random(16);
  TTableNiveaux table;
  for (const char* name : {"a.dat", "B.DAT"}) {
    std::string text;
    auto& set = table.Fichiers.emplace_back();
    for (int c = 0; c < 6; ++c) {
      TCourbeNiveau& courbe = set.Elements.emplace_back();
      courbe.Altitude = 100 + 100 * static_cast<int>(random() % 20);  // the reader skips altitudes below 2
      text += "8\r\n" + std::to_string(courbe.Altitude) + "\r\n";
      for (int p = 0; p < 8; ++p) {
        // Whole units, so that the text reads back exactly.
        const int lt = 44 * 16384 + static_cast<int>(random() % 4000);
        const int lg = 7 * 16384 + static_cast<int>(random() % 6000);
        courbe.Points.push_back({lt, lg});
        text += std::to_string(lt / 16384.0) + "," + std::to_string(lg / 16384.0) + "\r\n";
      }
    }
    dir.Write(std::string("Region/NIVEAUX/") + name, text);
  }
  for (const auto& [seconds, units] :
       {std::pair{QStringList{}, 137}, std::pair{QStringList{"--step-x", "7.5", "--step-y", "7.5"}, 34}}) {
    const auto output = dir.path() / "out.dat";
    const testing::ProgramRun run =
        Tool(QStringList{"fabricate", Text(dir.path() / "Region")} + seconds + QStringList{Text(output)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    TDalle made;
    ASSERT_EQ(LitDalles(output, made), 0);
    TDalle expected = made;
    ASSERT_EQ(made.DLg, units);
    ASSERT_GT(made.NbX * made.NbY, 100);
    for (std::int32_t r = 0; r < made.NbY; ++r) {
      for (std::int32_t c = 0; c < made.NbX; ++c) {
        expected.Alt[r][c] = AltitudeCourbeLaPlusProche(table, made.LgNO + c * made.DLg, made.LtNO - r * made.DLt);
      }
    }
    ASSERT_EQ(EcritDalles(dir.path() / "expected.dat", expected), 0);
    EXPECT_TRUE(testing::ReadFile(output) == testing::ReadFile(dir.path() / "expected.dat"))
        << seconds.join(" ").toStdString();
  }
  const testing::ProgramRun empty =
      Tool({"fabricate", Text(dir.MakeDir("Vide/niveaux").parent_path()), Text(dir.path() / "x.dat")});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_NE(empty.err.find("aucun point"), std::string::npos) << empty.err;
  EXPECT_EQ(Tool({"import", "--step-x", "3", "a", "b"}).exitCode, 2);
}

TEST(OrvexGrid, HelpAndVersionOnStandardOutput) {
  testing::ProgramRun run = Tool({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("import GRID OUTPUT"), std::string::npos) << run.out;
  run = Tool({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.rfind("orvex-grid 0.", 0), 0u) << run.out;
}

}  // namespace
}  // namespace orvex
