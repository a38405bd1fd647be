#include "database/level_curve_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orvex {
namespace {

// Altitude and point count of each curve read.
std::vector<std::pair<std::int32_t, std::int32_t>> Courbes(std::string_view content) {
  testing::TempDir dir;
  TTableNiveaux table;
  EXPECT_EQ(CompileNiveaux(dir.Write("n.dat", content), "N.DAT", table), 0);
  std::vector<std::pair<std::int32_t, std::int32_t>> curves;
  for (const TCourbeNiveau& courbe : table.Fichiers.at(0).Elements) {
    curves.emplace_back(courbe.Altitude, courbe.NbPoints());
  }
  return curves;
}

using Curves = std::vector<std::pair<std::int32_t, std::int32_t>>;

TEST(CompileNiveaux, ReadsBlocksOfCountAltitudeAndPoints) {
  testing::TempDir dir;
  TTableNiveaux table;
  const auto file = dir.Write("n.dat",
                              "/ Nombre de points de la courbe\n/ Altitude de la courbe en m\xE8tres\n"
                              "3\n500\n45,6\n45.1,6.1\n45.2,6,25\n2\n600 m\n46,7\n46.5,7.5\n");
  ASSERT_EQ(CompileNiveaux(file, "N.DAT", table), 0);
  const auto& courbes = table.Fichiers.at(0).Elements;
  ASSERT_EQ(courbes.size(), 2u);
  EXPECT_EQ(courbes[0].Altitude, 500);
  ASSERT_EQ(courbes[0].NbPoints(), 3);
  EXPECT_EQ(courbes[0].Points[1].Lt, ToFixed(45.1));
  EXPECT_EQ(courbes[0].Points[1].Lg, ToFixed(6.1));
  EXPECT_EQ(courbes[0].Points[2].Lg, ToFixed(6.25));
  EXPECT_EQ(courbes[1].Altitude, 600);
  EXPECT_EQ(courbes[1].Points[1].Lt, ToFixed(46.5));
}

TEST(CompileNiveaux, BlocksThatEndTheFile) {
  struct Case {
    const char* why;
    std::string_view content;
    Curves curves;
  };
  const Case cases[] = {
      {"altitude 0", "2\n0\n45,6\n45,7\n2\n600\n46,7\n46,8\n", {}},
      {"altitude 1", "2\n300\n45,6\n45,7\n2\n1\n46,7\n46,8\n2\n600\n47,7\n47,8\n", {{300, 2}}},
      {"single point", "1\n500\n45,6\n2\n600\n46,7\n46,8\n", {}},
      {"count not an integer", "2 \n500\n45,6\n45,7\n", {}},
      {"count in hexadecimal", "$2\n500\n45,6\n45,7\n", {{500, 2}}},
      {"file ends after the altitude", "2\n500\n45,6\n45,7\n2\n600\n", {{500, 2}}},
      {"file ends after the altitude, no newline", "2\n500", {}},
      {"too many points for the count", "2\n500\n45,6\n45,7\n45,8\n2\n600\n46,7\n46,8\n", {{500, 2}}},
      {"count block after a skipped block", "0\n0\n2\n700\n45,6\n45,7\n", {{700, 2}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Courbes(c.content), c.curves) << c.why;
  }
}

// A block whose points stop early keeps the points it has and the next block
// is read normally, instead of padding the curve with points at 0 degrees.
TEST(CompileNiveaux, ShortBlockKeepsItsPointsWithoutPadding) {
  struct Case {
    const char* why;
    std::string_view content;
    Curves curves;
  };
  const Case cases[] = {
      {"next block follows", "5\n500\n45,6\n45,7\n45,8\n2\n600\n46,7\n46,8\n", {{500, 3}, {600, 2}}},
      {"file ends", "3\n500\n45,6\n45,7\n", {{500, 2}}},
      {"file ends after one point", "3\n500\n45,6\n", {}},
      {"count beyond any file", "2000000000\n500\n45,6\n45,7\n", {{500, 2}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Courbes(c.content), c.curves) << c.why;
  }
  testing::TempDir dir;
  TTableNiveaux table;
  CompileNiveaux(dir.Write("n.dat", "4\n500\n45,6\n45,7\n3\n600\n46,7\n46,8\n46,9\n"), "N.DAT", table);
  const auto& courbes = table.Fichiers.at(0).Elements;
  ASSERT_EQ(courbes.size(), 2u);
  for (const TPointLtLg& point : courbes[0].Points) {
    EXPECT_EQ(point.Lt, ToFixed(45));
  }
  EXPECT_EQ(courbes[0].Points.capacity(), courbes[0].Points.size());
  EXPECT_EQ(courbes[1].Points[2].Lg, ToFixed(9));
}

}  // namespace
}  // namespace orvex
