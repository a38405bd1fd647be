// Contour and radio-amateur files, and the behaviour the one-record-per-line
// readers share.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "database/city_file.h"
#include "database/contour_file.h"
#include "database/om_file.h"
#include "database/relay_file.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

TEST(CompileContours, OnePointPerLineUntilALineWithoutComma) {
  testing::TempDir dir;
  TTableContours table;
  const auto file = dir.Write("c.dat", "/ contour\n45.5,6.25\n46,7,ignored\n\n-47.125,-8.5\n47\xB0" "30'00\"N,8\xB0" "00'00\"E\nfin\n1,2\n");
  ASSERT_EQ(CompileContours(file, "C.DAT", table), 0);
  ASSERT_EQ(table.NbFichiers(), 1);
  const auto& points = table.Fichiers[0].Elements;
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0].Lt, ToFixed(45.5));
  EXPECT_EQ(points[0].Lg, ToFixed(6.25));
  EXPECT_EQ(points[1].Lg, ToFixed(7));
  EXPECT_EQ(points[2].Lt, ToFixed(-47.125));
  EXPECT_EQ(points[2].Lg, ToFixed(-8.5));
  EXPECT_EQ(points[3].Lt, ToFixed(47.5));
  EXPECT_EQ(points[3].Lg, ToFixed(8));
  EXPECT_EQ(points.capacity(), points.size());
}

TEST(CompileOM, FieldsOfARadioAmateur) {
  struct Case {
    std::string line;
    double lt, lg;
    std::string indicatif;
    std::int32_t altitude;
  };
  const Case cases[] = {
      {"45.5,6.25,F1ABC,1200", 45.5, 6.25, "F1ABC", 1200},
      {"45.5,6.25,F1ABC,1200 m", 45.5, 6.25, "F1ABC", 1200},
      {"45.5,6.25,F1ABC,-30", 45.5, 6.25, "F1ABC", -30},
      {"45.5,6.25,F1ABC", 45.5, 6.25, "", 0},  // no comma after the call sign: empty
      {"45.5,6.25,F\x82,10", 45.5, 6.25, "F\xE9", 10},
  };
  for (const Case& c : cases) {
    testing::TempDir dir;
    TTableOM table;
    ASSERT_EQ(CompileOM(dir.Write("om.dat", c.line + "\n"), "OM.DAT", table), 0);
    ASSERT_EQ(table.Fichiers[0].NbElements(), 1) << c.line;
    const TOM& om = table.Fichiers[0].Elements[0];
    EXPECT_EQ(om.Lt, ToFixed(c.lt)) << c.line;
    EXPECT_EQ(om.Lg, ToFixed(c.lg)) << c.line;
    EXPECT_EQ(om.Indicatif, c.indicatif) << c.line;
    EXPECT_EQ(om.Altitude, c.altitude) << c.line;
  }
}

// A comment that is the last line of a file is read as data: with a comma in
// it, it makes one more record.
TEST(OneRecordPerLineReaders, LastLineCommentWithCommaIsARecord) {
  struct Reader {
    const char* name;
    std::function<std::size_t(const std::filesystem::path&)> records;
  };
  const Reader readers[] = {
      {"contours",
       [](const auto& file) {
         TTableContours table;
         CompileContours(file, "F.DAT", table);
         return table.Fichiers.at(0).Elements.size();
       }},
      {"villes",
       [](const auto& file) {
         TTableVilles table;
         CompileVilles(file, "F.DAT", table);
         return table.Fichiers.at(0).Elements.size();
       }},
      {"OM",
       [](const auto& file) {
         TTableOM table;
         CompileOM(file, "F.DAT", table);
         return table.Fichiers.at(0).Elements.size();
       }},
      {"relais",
       [](const auto& file) {
         std::vector<TRelais> table;
         CompileRelais(file, table);
         return table.size();
       }},
  };
  testing::TempDir dir;
  const auto withComma = dir.Write("a.dat", "/ head\n45,6,X,1,1,1\n/ last, comment\n");
  const auto withoutComma = dir.Write("b.dat", "/ head\n45,6,X,1,1,1\n/ last comment\n");
  const auto commentInside = dir.Write("c.dat", "/ head\n45,6,X,1,1,1\n/ a, comment\n46,7,Y,1,1,1\n");
  for (const Reader& reader : readers) {
    EXPECT_EQ(reader.records(withComma), 2u) << reader.name;
    EXPECT_EQ(reader.records(commentInside), 2u) << reader.name;
  }
  for (const Reader& reader : readers) {
    const bool everyLine = std::string(reader.name) == "relais";  // relay lines need no comma
    EXPECT_EQ(reader.records(withoutComma), everyLine ? 2u : 1u) << reader.name;
  }
}

TEST(CompileOM, MissingFileLeavesTheTableUnchanged) {
  testing::TempDir dir;
  TTableOM table;
  ASSERT_EQ(CompileOM(dir.Write("a.dat", "45,6,F1ABC,10\n"), "A.DAT", table), 0);
  EXPECT_EQ(CompileOM(dir.path() / "b.dat", "B.DAT", table), 2);
  EXPECT_EQ(table.NbFichiers(), 1);
}

}  // namespace
}  // namespace orvex
