// The grid readers: FIL with the historical arithmetic and the mended
// separators, ESRI ASCII header variants, SRTM tiles, the placing of samples
// on whole 1/16384 degree steps, and the refusals that keep the old grid.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "support/temp_dir.h"
#include "terrain/esri_grid_file.h"
#include "terrain/fil_file.h"
#include "terrain/grid_import.h"
#include "terrain/hgt_file.h"

namespace orvex {
namespace {

using Rows = std::vector<std::vector<std::int32_t>>;

struct Grid {
  std::int32_t NbX, NbY;
  FixedDegree LgNO, LtNO;
  std::int32_t DLg, DLt, AltMin, AltMax;
  Rows Alt;
};

auto AsTuple(const TDalle& d) {
  return std::tuple(d.NbX, d.NbY, d.LgNO, d.LtNO, d.DLg, d.DLt, d.AltMin, d.AltMax, d.Alt);
}
auto AsTuple(const Grid& g) {
  return std::tuple(g.NbX, g.NbY, g.LgNO, g.LtNO, g.DLg, g.DLt, g.AltMin, g.AltMax, g.Alt);
}

// A grid that must survive every failed import untouched.
TDalle Previous() {
  TDalle d;
  d.NbX = d.NbY = 1;
  d.DLg = d.DLt = 7;
  d.AltMax = d.AltMin = 123;
  d.Alt = {{123}};
  return d;
}

const std::string kFilHeader =
    "ncols 3\nnrows 2\nxllcorner 5\nyllcorner 45\ncellsize 0.5\ncellsize 0.25\nNODATA_value -9999\n";
// 3 x 2 at (5, 45), steps 0.5 and 0.25: the northern row lies one rounded
// row step (4096) north of the southern latitude.
const Grid kFilGrid{3, 2, 81920, 737280 + 4096, 8192, 4096, 0, 40, {{10, 20, 30}, {0, 0, 40}}};

TEST(ImporteFIL, ReadsTheHeaderAndSamplesWhateverTheSeparators) {
  struct Case {
    const char* what;
    std::string text;
  };
  const Case cases[] = {
      {"a space after each value", kFilHeader + "10 20 30 \n-5 -9999 40 \n"},
      {"CR LF line ends",
       "ncols 3\r\nnrows 2\r\nxllcorner 5\r\nyllcorner 45\r\ncellsize 0.5\r\ncellsize 0.25\r\n"
       "NODATA_value -9999\r\n10 20 30\r\n-5 -9999 40\r\n"},
      {"no space before a line feed", kFilHeader + "10 20 30\n-5 -9999 40"},
      {"tabs and runs of blanks", kFilHeader + "\t10\t\t20  30\n\n  -5 -9999\n40\n"},
      {"keywords followed by several spaces, comma decimals",
       "ncols    3\nnrows   2\nxllcorner   5,0\nyllcorner 45,00\nx 0,5\ny 0,25\nNODATA_value    -9999\n"
       "10 20 30 -5 -9999 40"},
      {"trailing values beyond the grid are ignored", kFilHeader + "10 20 30 -5 -9999 40 77 88\n"},
      {"values written with a plus sign", kFilHeader + "+10 20 +30\n-5 -9999 +40"},
  };
  for (const Case& c : cases) {
    TDalle d = Previous();
    EXPECT_EQ(ImporteFIL(std::string_view(c.text), d), "") << c.what;
    EXPECT_EQ(AsTuple(d), AsTuple(kFilGrid)) << c.what;
  }
}

TEST(ImporteFIL, AllNodataLeavesTheInitialRange) {
  TDalle d;
  ASSERT_EQ(ImporteFIL(std::string_view(kFilHeader + "-9999 -9999 -9999 -9999 -9999 -9999"), d), "");
  EXPECT_EQ(std::tuple(d.AltMin, d.AltMax), std::tuple(99999, -99999));
  EXPECT_EQ(d.Alt, (Rows{{0, 0, 0}, {0, 0, 0}}));
}

TEST(ImporteFIL, PreviewExtentOfTheHeader) {
  testing::TempDir dir;
  EtendueGrille e;
  ASSERT_EQ(LitEnteteFIL(dir.Write("a.fil", kFilHeader), e), "");
  EXPECT_EQ(std::tuple(e.ouest, e.nord, e.est, e.sud), std::tuple(5.0, 45.25, 6.5, 44.75));
}

// Every refusal names its cause and leaves the previous grid as it was.
TEST(GridImport, RefusalsKeepThePreviousGrid) {
  struct Case {
    const char* what;
    const char* file;
    std::string text;
    const char* message;
  };
  const std::string esri = "ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 0.25\n";
  const Case cases[] = {
      {"short FIL", "a.fil", kFilHeader + "10 20 30 -5 -9999", "fichier incomplet : 5 valeurs sur les 6 annoncées"},
      {"FIL header lying about its size", "a.fil", "ncols 9000\nnrows 9000\nx 5\ny 45\na 0.5\nb 0.25\nn -9999\n1 2 3\n",
       "fichier trop court pour les 81000000"},
      {"FIL beyond the tile format", "a.fil", "ncols 10001\nnrows 2\nx 5\ny 45\na 0.5\nb 0.25\nn -9999\n",
       "au plus 10000 x 10000"},
      {"FIL count not an integer", "a.fil", "ncols 3.0\nnrows 2\nx 5\ny 45\na 0.5\nb 0.25\nn -9999\n",
       "ligne 1 (nombre de colonnes) : \"3.0\" n'est pas un nombre entier"},
      {"FIL decimal sample", "a.fil", kFilHeader + "10 20.5 30 -5 -9999 40",
       "valeur illisible \"20.5\" ligne 1, colonne 2"},
      {"FIL plus and minus", "a.fil", kFilHeader + "10 +-20 30 -5 -9999 40",
       "valeur illisible \"+-20\" ligne 1, colonne 2"},
      {"FIL signed decimal", "a.fil", kFilHeader + "10 20 +30.5 -5", "valeur illisible \"+30.5\" ligne 1, colonne 3"},
      {"FIL signed beyond 32 bits", "a.fil", kFilHeader + "10 +2147483648 30", "illisible \"+2147483648\" ligne 1"},
      {"FIL garbage sample", "a.fil", kFilHeader + "10 20 30\n-5 x7 40", "valeur illisible \"x7\" ligne 2, colonne 2"},
      {"FIL step rounding to nothing", "a.fil", "ncols 3\nnrows 2\nx 5\ny 45\na 0.00001\nb 0.25\nn -9999\n",
       "pas de grille nul"},
      {"FIL corner beyond 32 bits", "a.fil", "ncols 3\nnrows 2\nx 5e6\ny 45\na 0.5\nb 0.25\nn -9999\n", "hors limites"},
      {"ESRI short", "a.asc", esri + "1  2  3\n", "fichier incomplet : 3 valeurs sur les 4"},
      {"ESRI without a cell size", "a.asc", "ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\n1 2 3 4", "incomplet"},
      {"ESRI unknown keyword", "a.asc", "ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nbands 3\n1 2 3 4",
       "mot clé inconnu \"BANDS\""},
      {"ESRI beyond the tile format", "a.asc", "ncols 20000\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\n",
       "grille de 20000 x 2 valeurs : le format des dalles en admet au plus 10000 x 10000"},
      {"ESRI resampled beyond the tile format", "a.asc",
       "ncols 10000\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 0.0000854492\n", "au plus 10000 x 10000"},
      {"ESRI step too large for the file", "a.asc", esri.substr(0, esri.size() - 5) + "5\n1 2 3 4",
       "pas de grille trop grand"},
      {"ESRI unreadable corner", "a.asc", "ncols 2\nnrows 2\nxllcorner ouest\n", "valeur illisible pour XLLCORNER"},
      {"SRTM without a position in its name", "tile.hgt", std::string(2 * 1201 * 1201, '\0'), "N43E007.hgt"},
      {"SRTM of the wrong size", "N43E007.hgt", std::string(1000, '\0'), "taille de 1000 octets"},
      {"unknown extension", "a.txt", kFilHeader, "format inconnu"},
  };
  for (const Case& c : cases) {
    testing::TempDir dir;
    TDalle d = Previous();
    const std::string message = ImporteGrille(dir.Write(c.file, c.text), d);
    EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
    EXPECT_EQ(AsTuple(d), AsTuple(Previous())) << c.what;
  }
  TDalle d = Previous();
  testing::TempDir dir;
  EXPECT_NE(ImporteGrille(dir.path() / "absent.asc", d).find("fichier illisible"), std::string::npos);
}

// Steps of a whole number of units keep every sample; a corner header puts
// the first sample half a cell inside.
TEST(ImporteEsri, HeaderVariants) {
  struct Case {
    const char* what;
    std::string text;
    Grid grid;
  };
  // 0.25 degree = 4096 units, 0.125 = 2048.
  const Case cases[] = {
      {"corner, as GDAL writes it",
       "ncols        2\nnrows        2\nxllcorner    5.0\nyllcorner    45.0\ncellsize     0.25\nNODATA_value  -9999\n"
       " 1 2\n -9999 -3\n",
       {2, 2, 5 * 16384 + 2048, 45 * 16384 + 4096 + 2048, 4096, 4096, 0, 2, {{1, 2}, {0, 0}}}},
      {"centres, lower case, CR LF, no NODATA",
       "ncols 2\r\nnrows 2\r\nxllcenter -5\r\nyllcenter -45\r\ncellsize 0.25\r\n1 2\r\n-9999 3\r\n",
       {2, 2, -5 * 16384, -45 * 16384 + 4096, 4096, 4096, 0, 3, {{1, 2}, {0, 3}}}},
      {"dx and dy, decimals rounded, float NODATA",
       "NCOLS 3\nNROWS 1\nXLLCORNER 0\nYLLCORNER 0\nDX 0.25\nDY 0.125\nNODATA_VALUE -3.4028234663852886e+38\n"
       "12.4 +12.6 -3.4028234663852886e+38\n",
       {3, 1, 2048, 1024, 4096, 2048, 12, 13, {{12, 13, 0}}}},
      {"NaN voids of a float grid",
       "ncols 3\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 0.25\nNODATA_value  nan\n1.0 nan 3\n",
       {3, 1, 0, 0, 4096, 4096, 1, 3, {{1, 0, 3}}}},
      {"header keys in another order, tabs",
       "cellsize\t0.25\nyllcenter\t1\nxllcenter\t2\nnrows\t1\nncols\t2\n\t7\t8\n",
       {2, 1, 2 * 16384, 16384, 4096, 4096, 7, 8, {{7, 8}}}},
  };
  for (const Case& c : cases) {
    TDalle d = Previous();
    EXPECT_EQ(ImporteEsri(std::string_view(c.text), d), "") << c.what;
    EXPECT_EQ(AsTuple(d), AsTuple(c.grid)) << c.what;
  }
}

// Whatever the source step, every node shows the source sample nearest to
// it, never more than half a unit plus half a source cell away, and the nodes
// cover the source extent.
TEST(PlanifieDalle, NodesTakeTheNearestSampleOnWholeSteps) {
  struct Case {
    const char* what;
    GeometrieSource source;
    std::int32_t DLg, NbX;
  };
  const Case cases[] = {
      {"SRTM 1\"", {3601, 3601, 7, 44, 1.0 / 3600, 1.0 / 3600}, 5, 3278},
      {"SRTM 3\"", {1201, 1201, -8, -33, 1.0 / 1200, 1.0 / 1200}, 14, 1171},
      {"30\" off the grid of units", {200, 150, 7.123456789, 44.98765, 1.0 / 120, 1.0 / 120}, 137, 199},
      {"a step rounded down", {500, 40, 0.3, 10.1, 4.4 / 16384, 7.4 / 16384}, 4, 550},
      {"a step under one unit", {1000, 40, 0.3, 10.1, 0.6 / 16384, 0.6 / 16384}, 1, 600},
  };
  for (const Case& c : cases) {
    PlanDalle plan;
    ASSERT_EQ(PlanifieDalle(c.source, plan), "") << c.what;
    EXPECT_EQ(std::tuple(plan.DLg, plan.NbX), std::tuple(c.DLg, c.NbX)) << c.what;
    EXPECT_EQ(plan.LgNO, std::lround(c.source.lgPremier * 16384)) << c.what;
    const auto check = [&](const std::vector<std::int32_t>& map, std::int32_t n, double first, double step,
                           FixedDegree corner, std::int32_t nodeStep, int sense) {
      ASSERT_FALSE(map.empty()) << c.what;
      for (std::size_t k = 0; k < map.size(); ++k) {
        const double node = corner + sense * static_cast<double>(k) * nodeStep;
        const auto at = [&](std::int32_t i) { return std::fabs(node - (first + sense * i * step) * 16384); };
        const double distance = at(map[k]);
        EXPECT_LE(distance, 0.5 + step * 16384 / 2 + 1e-9) << c.what << " node " << k;
        for (const std::int32_t other : {map[k] - 1, map[k] + 1}) {
          if (other >= 0 && other < n) {
            EXPECT_LE(distance, at(other) + 1e-9) << c.what << " node " << k;
          }
        }
      }
      // The last node lies within the last cell; one more would not.
      const double last = corner + sense * static_cast<double>(map.size() - 1) * nodeStep;
      const double edge = (first + sense * (n - 0.5) * step) * 16384;
      EXPECT_LE(sense * (last - edge), 0) << c.what;
      EXPECT_GT(sense * (last + sense * nodeStep - edge), 0) << c.what;
    };
    check(plan.colonneSource, c.source.colonnes, c.source.lgPremier, c.source.pasLg, plan.LgNO, plan.DLg, +1);
    check(plan.ligneSource, c.source.lignes, c.source.ltPremier, c.source.pasLt, plan.LtNO, plan.DLt, -1);
  }
}

std::string BigEndian(const std::vector<std::int16_t>& values) {
  std::string bytes;
  for (const std::int16_t v : values) {
    bytes += {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
  }
  return bytes;
}

TEST(ImporteHgt, PositionFromTheNameBigEndianSamplesAndVoids) {
  constexpr std::int32_t n = 1201;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(n) * n, 100);
  samples[0] = 0x0102;    // north-west, on (lon, lat + 1)
  samples[1] = -32768;    // a void
  samples[n] = -12;       // below sea level
  samples.back() = 3000;  // south-east, on (lon + 1, lat)
  struct Case {
    const char* name;
    FixedDegree lg, lt;
  };
  const Case cases[] = {{"N43E007.hgt", 7 * 16384, 44 * 16384}, {"s12w077.HGT", -77 * 16384, -11 * 16384}};
  for (const Case& c : cases) {
    testing::TempDir dir;
    TDalle d;
    ASSERT_EQ(ImporteGrille(dir.Write(c.name, BigEndian(samples)), d), "") << c.name;
    EXPECT_EQ(std::tuple(d.NbX, d.NbY, d.LgNO, d.LtNO, d.DLg, d.DLt), std::tuple(1171, 1171, c.lg, c.lt, 14, 14));
    EXPECT_EQ(std::tuple(d.Alt[0][0], d.Alt[0][1], d.Alt[1][0]), std::tuple(0x0102, 0, 0)) << c.name;
    EXPECT_EQ(std::tuple(d.AltMin, d.AltMax), std::tuple(0, 3000)) << c.name;
    // The last node, 16380 units (14 x 1170) from the corner, is nearest to
    // the south-east sample (4 units away; the one before is 9.7 away).
    EXPECT_EQ(d.Alt.back().back(), 3000) << c.name;
    EXPECT_EQ(d.Alt.back()[d.Alt.back().size() - 2], 100) << c.name;
  }
}

}  // namespace
}  // namespace orvex
