#include "database/level_curve_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orvex {
namespace {

using Curves = std::vector<std::pair<std::int32_t, std::int32_t>>;

TTableNiveaux Lit(std::string_view content) {
  testing::TempDir dir;
  TTableNiveaux table;
  EXPECT_EQ(CompileNiveaux(dir.Write("n.dat", content), "N.DAT", table), 0);
  return table;
}

TEST(CompileNiveaux, ReadsBlocksOfCountAltitudeAndPoints) {
  const TTableNiveaux table = Lit("/ Nombre de points de la courbe\n/ Altitude de la courbe en m\xE8tres\n"
                                  "3\n500\n45,6\n45.1,6.1\n45.2,6,25\n2\n600 m\n46,7\n46.5,7.5\n");
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

// Altitude and point count of each curve read. A block whose points stop early
// keeps the points it has, without padding the curve with points at 0 degrees.
TEST(CompileNiveaux, BlocksThatEndTheFileOrStopEarly) {
  struct Case { const char* why; std::string_view content; Curves curves; };
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
      {"short block, next block follows", "5\n500\n45,6\n45,7\n45,8\n2\n600\n46,7\n46,8\n", {{500, 3}, {600, 2}}},
      {"short block, file ends", "3\n500\n45,6\n45,7\n", {{500, 2}}},
      {"short block, file ends after one point", "3\n500\n45,6\n", {}},
      {"count beyond any file", "2000000000\n500\n45,6\n45,7\n", {{500, 2}}},
  };
  for (const Case& c : cases) {
    Curves curves;
    const TTableNiveaux table = Lit(c.content);
    for (const TCourbeNiveau& courbe : table.Fichiers.at(0).Elements) {
      curves.emplace_back(courbe.Altitude, courbe.NbPoints());
    }
    EXPECT_EQ(curves, c.curves) << c.why;
  }
  const TTableNiveaux table = Lit("4\n500\n45,6\n45,7\n3\n600\n46,7\n46,8\n46,9\n");
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
