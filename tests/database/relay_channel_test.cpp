#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "database/channel_file.h"
#include "database/relay_file.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

std::string RelayLines(int first, int count) {
  std::string text = "/ Indicatif, QRA, Nom, F1, F2, F3\n";
  for (int i = first; i < first + count; ++i) {
    text += "F" + std::to_string(i) + ",JN25AB,Relais,145.600,-0.6,R7\n";
  }
  return text;
}

TEST(CompileRelais, SixTextsPerLine) {
  testing::TempDir dir;
  std::vector<TRelais> table;
  const auto file = dir.Write("r.dat", "F5ZXY,JN25AB,Mont Ventoux \x82t\x82,145.600,R7,canal1\nA,B\n");
  ASSERT_EQ(CompileRelais(file, table), 0);
  ASSERT_EQ(table.size(), 2u);
  const auto fields = [](const TRelais& r) {
    return std::tuple(r.Indicatif, r.QRA, r.Nom, r.Frequence1, r.Frequence2, r.Frequence3);
  };
  EXPECT_EQ(fields(table[0]), std::tuple("F5ZXY", "JN25AB", "Mont Ventoux \xE9t\xE9", "145.600", "R7", "canal1"));
  // Missing commas give empty fields and leave the rest for the last one.
  EXPECT_EQ(fields(table[1]), std::tuple("A", "", "", "", "", "B"));
  EXPECT_EQ(CompileRelais(dir.path() / "missing.dat", table), 2);
  EXPECT_EQ(table.size(), 2u);
}

TEST(CompileRelais, StopsAt3000RelaysOverAllFiles) {
  testing::TempDir dir;
  std::vector<TRelais> table;
  ASSERT_EQ(CompileRelais(dir.Write("big.dat", RelayLines(0, 3500)), table), 0);
  ASSERT_EQ(table.size(), 3000u);
  EXPECT_EQ(table[2999].Indicatif, "F2999");
  ASSERT_EQ(CompileRelais(dir.Write("more.dat", RelayLines(5000, 10)), table), 0);
  EXPECT_EQ(table.size(), 3000u);

  std::vector<TRelais> split;
  ASSERT_EQ(CompileRelais(dir.Write("a.dat", RelayLines(0, 2995)), split), 0);
  ASSERT_EQ(CompileRelais(dir.Write("b.dat", RelayLines(7000, 10)), split), 0);
  ASSERT_EQ(split.size(), 3000u);
  EXPECT_EQ(split[2999].Indicatif, "F7004");
}

TEST(Canaux, LookupIgnoresCaseAndKeepsTenCharacters) {
  testing::TempDir dir;
  TTableCanaux table;
  table[7].Nom = "OLD";
  EXPECT_EQ(LitCanaux(dir.path() / "canaux.dat", table), 2);
  EXPECT_EQ(table[7].Nom, "OLD");  // a missing file leaves the table
  const auto file = dir.Write("canaux.dat",
                              "/ canal, frequence\nr0,145.600\nR1,145.625 mhz\nlongchannelname,145.650000000\n"
                              "sansvirgule\n");
  ASSERT_EQ(LitCanaux(file, table), 0);
  const auto entry = [&table](int i) { return std::tuple(table[i].Nom, table[i].Frequence); };
  EXPECT_EQ(entry(0), std::tuple("R0", "145.600"));
  EXPECT_EQ(entry(1), std::tuple("R1", "145.625 MH"));
  EXPECT_EQ(entry(2), std::tuple("LONGCHANNE", "145.650000"));
  EXPECT_EQ(entry(3), std::tuple("", "SANSVIRGUL"));
  EXPECT_EQ(entry(7), std::tuple("", ""));  // entries beyond the file are empty
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"r0", "145.600"}, {"R0", "145.600"}, {"r1", "145.625 MH"}, {"longchanne", "145.650000"},
      {"longchannelname", "longchannelname"},  // longer than a name: never matches
      {"145.500", "145.500"}, {"inconnu", "inconnu"},
      {"", ""},  // not the frequency of the line without a name
  };
  for (const auto& [text, frequence] : cases) {
    EXPECT_EQ(FrequenceDuCanal(table, text), frequence) << text;
  }
}

TEST(Canaux, AtMost500Channels) {
  testing::TempDir dir;
  std::string text;
  for (int i = 0; i < 600; ++i) {
    text += "C" + std::to_string(i) + "," + std::to_string(i) + "\n";
  }
  TTableCanaux table;
  ASSERT_EQ(LitCanaux(dir.Write("canaux.dat", text), table), 0);
  EXPECT_EQ(table[499].Nom, "C499");
  EXPECT_EQ(FrequenceDuCanal(table, "c500"), "c500");
}

}  // namespace
}  // namespace orvex
