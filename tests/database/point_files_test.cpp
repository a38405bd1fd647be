// Contour and radio-amateur files, and the behaviour the one-record-per-line
// readers share.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

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
  const auto file = dir.Write("c.dat", "/ contour\n45.5,6.25\n46,7,ignored\n\n-47.125,-8.5\n47\xB0" "30'00\"N,8\xB0"
                                       "00'00\"E\nfin\n1,2\n");
  ASSERT_EQ(CompileContours(file, "C.DAT", table), 0);
  ASSERT_EQ(table.NbFichiers(), 1);
  std::vector<std::pair<FixedDegree, FixedDegree>> points;
  for (const auto& point : table.Fichiers[0].Elements) {
    points.emplace_back(point.Lt, point.Lg);
  }
  EXPECT_EQ(points, (decltype(points){{ToFixed(45.5), ToFixed(6.25)}, {ToFixed(46), ToFixed(7)},
                                      {ToFixed(-47.125), ToFixed(-8.5)}, {ToFixed(47.5), ToFixed(8)}}));
  EXPECT_EQ(table.Fichiers[0].Elements.capacity(), points.size());
}

TEST(CompileOM, FieldsOfARadioAmateur) {
  struct Case { std::string line; std::string indicatif; std::int32_t altitude; };
  const Case cases[] = {
      {"45.5,6.25,F1ABC,1200", "F1ABC", 1200}, {"45.5,6.25,F1ABC,1200 m", "F1ABC", 1200},
      {"45.5,6.25,F1ABC,-30", "F1ABC", -30},   {"45.5,6.25,F\x82,10", "F\xE9", 10},
      {"45.5,6.25,F1ABC", "", 0},  // no comma after the call sign: empty
  };
  for (const Case& c : cases) {
    testing::TempDir dir;
    TTableOM table;
    ASSERT_EQ(CompileOM(dir.Write("om.dat", c.line + "\n"), "OM.DAT", table), 0);
    EXPECT_EQ(CompileOM(dir.path() / "absent.dat", "ABSENT.DAT", table), 2);
    ASSERT_EQ(table.NbFichiers(), 1) << "a missing file adds no entry";
    ASSERT_EQ(table.Fichiers[0].NbElements(), 1) << c.line;
    const TOM& om = table.Fichiers[0].Elements[0];
    EXPECT_EQ(std::tuple(om.Lt, om.Lg, om.Indicatif, om.Altitude),
              std::tuple(ToFixed(45.5), ToFixed(6.25), c.indicatif, c.altitude))
        << c.line;
  }
}

template <typename Table, typename Compile>
std::size_t Records(const std::filesystem::path& file, Compile compile) {
  Table table;
  compile(file, "F.DAT", table);
  return table.Fichiers.at(0).Elements.size();
}

// A comment that is the last line of a file is read as data: with a comma in
// it, it makes one more record (relay lines need no comma at all).
TEST(OneRecordPerLineReaders, LastLineCommentWithCommaIsARecord) {
  const std::pair<const char*, std::function<std::size_t(const std::filesystem::path&)>> readers[] = {
      {"contours", [](const auto& f) { return Records<TTableContours>(f, CompileContours); }},
      {"villes", [](const auto& f) { return Records<TTableVilles>(f, CompileVilles); }},
      {"OM", [](const auto& f) { return Records<TTableOM>(f, CompileOM); }},
      {"relais", [](const auto& f) {
         std::vector<TRelais> table;
         CompileRelais(f, table);
         return table.size();
       }},
  };
  testing::TempDir dir;
  const auto withComma = dir.Write("a.dat", "/ head\n45,6,X,1,1,1\n/ last, comment\n");
  const auto withoutComma = dir.Write("b.dat", "/ head\n45,6,X,1,1,1\n/ last comment\n");
  const auto commentInside = dir.Write("c.dat", "/ head\n45,6,X,1,1,1\n/ a, comment\n46,7,Y,1,1,1\n");
  for (const auto& [name, records] : readers) {
    EXPECT_EQ(records(withComma), 2u) << name;
    EXPECT_EQ(records(commentInside), 2u) << name;
    EXPECT_EQ(records(withoutComma), std::string(name) == "relais" ? 2u : 1u) << name;
  }
}

}  // namespace
}  // namespace orvex
