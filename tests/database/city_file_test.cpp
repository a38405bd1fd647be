#include "database/city_file.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "geo/coordinate_text.h"
#include "platform/cp1252.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

TVille LitUneVille(const std::string& line) {
  testing::TempDir dir;
  TTableVilles table;
  EXPECT_EQ(CompileVilles(dir.Write("v.dat", line + "\n"), "V.DAT", table), 0);
  EXPECT_EQ(table.NbFichiers(), 1);
  EXPECT_EQ(table.Fichiers[0].NbElements(), 1) << line;
  return table.Fichiers[0].NbElements() == 1 ? table.Fichiers[0].Elements[0] : TVille{};
}

TEST(CompileVilles, FieldsAndDefaults) {
  struct Case { std::string line; double lt, lg; std::string nom; std::int32_t zoom; bool dessous; std::int32_t diam; };
  const Case cases[] = {
      {"45.5,6.25,Annecy", 45.5, 6.25, "Annecy", 0, true, 100},
      {"45.5,6.25,Annecy,5000,1,300", 45.5, 6.25, "Annecy", 5000, false, 300},
      {"45.5,6.25,Annecy,5000,0,300", 45.5, 6.25, "Annecy", 5000, true, 300},
      {"45.5,6.25,Annecy,5000,00,300", 45.5, 6.25, "Annecy", 5000, false, 300},
      {"45.5,6.25,Annecy,5000, 0,300", 45.5, 6.25, "Annecy", 5000, false, 300},
      {"45.5,6.25,Annecy,5000,0,300,seventh", 45.5, 6.25, "Annecy", 5000, true, 300},
      {"45.5,6.25,Annecy,$10,0,0x20", 45.5, 6.25, "Annecy", 16, true, 32},
      {"45.5,6.25,Annecy,", 45.5, 6.25, "Annecy", 0, false, 0},
      {"-45.5,-6.25,Sud Ouest", -45.5, -6.25, "Sud Ouest", 0, true, 100},
      {"45\xB0" "30'00\"N,6\xB0" "15'00\"O,Dms", 45.5, -6.25, "Dms", 0, true, 100},
      {"45.5,6.25,Chamb\x82ry", 45.5, 6.25, "Chamb\xE9ry", 0, true, 100},
      {"45.5,6.25", 45.5, 6.25, "", 0, true, 100},
      {"nord,est,Illisible", 0, 0, "Illisible", 0, true, 100},
  };
  for (const Case& c : cases) {
    const TVille v = LitUneVille(c.line);
    EXPECT_EQ(std::tuple(v.Lt, v.Lg, v.Nom, v.Zoom, v.NomDessous, v.Diametre),
              std::tuple(ToFixed(c.lt), ToFixed(c.lg), c.nom, c.zoom, c.dessous, c.diam))
        << c.line;
  }
}

TEST(CompileVilles, StopsAtALineWithoutCommaAndAppendsFiles) {
  testing::TempDir dir;
  TTableVilles table;
  const auto first = dir.Write("a.dat", "/ header, with comma\n45,6,A\n\n46,7,B\nfin\n47,8,C\n");
  EXPECT_EQ(CompileVilles(first, "A.DAT", table), 0);
  EXPECT_EQ(CompileVilles(dir.Write("b.dat", "48,9,D\n"), "B.DAT", table), 0);
  EXPECT_EQ(CompileVilles(dir.path() / "missing.dat", "MISSING.DAT", table), 2);
  ASSERT_EQ(table.NbFichiers(), 2);
  const auto& f = table.Fichiers;
  EXPECT_EQ(std::tuple(f[0].NomFichier, f[0].NbElements(), f[1].NomFichier, f[1].NbElements()),
            std::tuple("A.DAT", 2, "B.DAT", 1));
  EXPECT_EQ(f[0].Elements.at(1).Nom, "B");
}

// The French places of GeoNames (name,latitude,longitude,...), written as a
// city file in Windows-1252.
TEST(CompileVilles, ReadsRealPlaceNamesWithAccents) {
  const auto data = testing::SharedDataDir();
  if (data.empty()) {
    GTEST_SKIP() << "shared data folder absent: real city names not checked";
  }
  std::ifstream csv(data / "cities" / "cities_FR.csv");
  std::string line;
  std::getline(csv, line);
  std::vector<std::vector<std::string>> rows;
  std::string cityFile = "/ Latitude, Longitude, Nom\n";
  while (std::getline(csv, line)) {
    std::stringstream split(line);
    auto& fields = rows.emplace_back();
    for (std::string field; std::getline(split, field, ',');) {
      fields.push_back(field);
    }
    ASSERT_EQ(fields.size(), 4u) << line;
    cityFile += fields[1] + "," + fields[2] + "," + Utf8ToCp1252(fields[0]) + "\n";
  }
  testing::TempDir dir;
  TTableVilles table;
  ASSERT_EQ(CompileVilles(dir.Write("france.dat", cityFile), "FRANCE.DAT", table), 0);
  const auto& villes = table.Fichiers[0].Elements;
  ASSERT_EQ(villes.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    double lt = 0;  // read independently of the locale Qt installs
    double lg = 0;
    std::from_chars(rows[i][1].data(), rows[i][1].data() + rows[i][1].size(), lt);
    std::from_chars(rows[i][2].data(), rows[i][2].data() + rows[i][2].size(), lg);
    EXPECT_EQ(villes[i].Lt, ToFixed(lt)) << rows[i][0];
    EXPECT_EQ(villes[i].Lg, ToFixed(lg)) << rows[i][0];
    // Names pass through the console-accent conversion: "\x8C" (an OE ligature
    // in Windows-1252) is a console i-circumflex.
    EXPECT_EQ(villes[i].Nom, OemToWindowsText(Utf8ToCp1252(rows[i][0])));
  }
}

}  // namespace
}  // namespace orvex
