// The grid readers against GDAL: every node of an imported grid holds the
// value GDAL finds at the node's position (the source sample whose cell holds
// it), voids and negative altitudes as 0. Skips without gdal-bin, and the
// real tiles without ../shared/data/dem.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "terrain/grid_import.h"

namespace orvex {
namespace {

struct Node {
  std::size_t r, c;
};

bool HaveGdal() { return !QStandardPaths::findExecutable("gdallocationinfo").isEmpty(); }

QString Text(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// GDAL's values at the nodes' positions, one query process for all.
std::vector<long> GdalValues(const QString& source, const TDalle& d, const std::vector<Node>& nodes) {
  std::ostringstream query;
  query.precision(12);
  for (const Node& n : nodes) {
    query << FromFixed(d.LgNO + static_cast<std::int32_t>(n.c) * d.DLg) << ' '
          << FromFixed(d.LtNO - static_cast<std::int32_t>(n.r) * d.DLt) << '\n';
  }
  QProcess process;
  process.start("gdallocationinfo", {"-valonly", "-geoloc", source});
  process.write(QByteArray::fromStdString(query.str()));
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(60000));
  std::istringstream answer(process.readAllStandardOutput().toStdString());
  std::vector<long> values;
  double v = 0;
  while (answer >> v) {
    values.push_back(std::lround(v));
  }
  return values;
}

// How many nodes disagree with GDAL (`nodata`: the source's void value).
int Disagreements(const QString& source, const TDalle& d, const std::vector<Node>& nodes, long nodata) {
  const std::vector<long> gdal = GdalValues(source, d, nodes);
  EXPECT_EQ(gdal.size(), nodes.size());
  int wrong = 0;
  for (std::size_t i = 0; i < std::min(gdal.size(), nodes.size()); ++i) {
    const long expected = gdal[i] == nodata ? 0 : std::max(gdal[i], 0L);
    const std::int32_t got = d.Alt[nodes[i].r][nodes[i].c];
    if (got != expected && wrong++ < 5) {
      ADD_FAILURE() << "node " << nodes[i].r << "," << nodes[i].c << ": " << got << " against GDAL's " << gdal[i];
    }
  }
  return wrong;
}

std::vector<Node> AllNodes(const TDalle& d) {
  std::vector<Node> nodes;
  for (std::size_t r = 0; r < d.Alt.size(); ++r) {
    for (std::size_t c = 0; c < d.Alt[r].size(); ++c) {
      nodes.push_back({r, c});
    }
  }
  return nodes;
}

std::vector<Node> RandomNodes(const TDalle& d, int count) {
  std::mt19937 random(15);
  std::vector<Node> nodes{{0, 0}, {d.Alt.size() - 1, d.Alt[0].size() - 1}};
  for (int i = 0; i < count; ++i) {
    nodes.push_back({random() % d.Alt.size(), random() % d.Alt[0].size()});
  }
  return nodes;
}

// A grid with non-square cells that are not whole units, voids, a negative
// value and decimals.
std::string SourceGrid() {
  std::string text = "ncols 23\nnrows 17\nxllcenter 6.1\nyllcenter 44.3\ndx 0.0031\ndy 0.0017\nNODATA_value -9999\n";
  for (int r = 0; r < 17; ++r) {
    for (int c = 0; c < 23; ++c) {
      const int v = (r * 31 + c * 7) % 97 - 5;
      text += (r + c) % 11 == 0 ? "-9999 " : std::to_string(v) + (c % 3 == 0 ? ".25 " : " ");
    }
    text += "\n";
  }
  return text;
}

TEST(GridAgainstGdal, GdalWrittenGridsImportToTheSameSamples) {
  if (!HaveGdal()) {
    GTEST_SKIP() << "gdal-bin is not installed";
  }
  testing::TempDir dir;
  const auto source = dir.Write("source.asc", SourceGrid());
  TDalle direct;
  ASSERT_EQ(ImporteGrille(source, direct), "");
  EXPECT_EQ(Disagreements(Text(source), direct, AllNodes(direct), -9999), 0);
  for (const QStringList& type : {QStringList{}, QStringList{"-ot", "Float32"}}) {
    const auto written = dir.path() / "gdal.asc";
    QProcess gdal;
    gdal.start("gdal_translate", QStringList{"-q", "-of", "AAIGrid"} + type + QStringList{Text(source), Text(written)});
    ASSERT_TRUE(gdal.waitForFinished(60000));
    ASSERT_EQ(gdal.exitCode(), 0) << gdal.readAllStandardError().toStdString();
    TDalle back;
    ASSERT_EQ(ImporteGrille(written, back), "") << type.join(" ").toStdString();
    EXPECT_EQ(
        std::tie(back.NbX, back.NbY, back.LgNO, back.LtNO, back.DLg, back.DLt, back.AltMin, back.AltMax, back.Alt),
        std::tie(direct.NbX, direct.NbY, direct.LgNO, direct.LtNO, direct.DLg, direct.DLt, direct.AltMin, direct.AltMax,
                 direct.Alt))
        << type.join(" ").toStdString();
  }
}

TEST(GridAgainstGdal, RealSrtmTileItsAsciiCropAndItsWholeText) {
  const auto dem = testing::SharedDataDir() / "dem";
  if (!std::filesystem::exists(dem / "N43E007.hgt.zip") || !HaveGdal() ||
      QStandardPaths::findExecutable("unzip").isEmpty()) {
    GTEST_SKIP() << "needs ../shared/data/dem, gdal-bin and unzip";
  }
  testing::TempDir dir;
  QProcess unzip;
  unzip.start("unzip", {"-q", Text(dem / "N43E007.hgt.zip"), "-d", Text(dir.path())});
  ASSERT_TRUE(unzip.waitForFinished(60000));
  // The whole tile as GDAL writes it in text: megabytes, read on two threads.
  const auto whole = dir.path() / "N43E007.asc";
  QProcess gdal;
  gdal.start("gdal_translate", {"-q", "-of", "AAIGrid", Text(dir.path() / "N43E007.hgt"), Text(whole)});
  ASSERT_TRUE(gdal.waitForFinished(60000));
  ASSERT_EQ(gdal.exitCode(), 0) << gdal.readAllStandardError().toStdString();
  for (const auto& file : {dir.path() / "N43E007.hgt", dem / "N43E007_nice.asc", whole}) {
    TDalle d;
    ASSERT_EQ(ImporteGrille(file, d), "") << file;
    EXPECT_EQ(Disagreements(Text(file), d, RandomNodes(d, 400), -32768), 0) << file;
  }
}

}  // namespace
}  // namespace orvex
