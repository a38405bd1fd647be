// Correspondence files: the name of a picture's file, reading what users
// write by hand and what the program writes, and the corner checks.
#include "images/correspondence_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::TempDir;

constexpr char kDeg = '\xB0';  // the Windows-1252 degree sign

std::tuple<int, double, double, double, double> Read(const std::filesystem::path& file) {
  Correspondance c{9, 9, 9, 9};
  const int status = LitCorrespondance(file, c);
  return {status, c.LgNW, c.LtNW, c.LgSE, c.LtSE};
}

TEST(LitCorrespondance, WhatUsersWriteReadsTheSame) {
  const std::string dms = std::string("2") + kDeg + "00'00\"E\r\n47" + kDeg + "00'00\"N\r\n3" + kDeg +
                          "00'00\"E\r\n46" + kDeg + "30'00\"N\r\n";
  struct Case { const char* what; std::string text; std::tuple<int, double, double, double, double> expected; };
  const Case cases[] = {
      {"as written on Windows", "C:\\cartes\\c.cor\r\n/LgNW\r\n2,00000\r\n/LtNW\r\n47,00000\r\n/LgSE\r\n3,00000\r\n"
                                "/LtSE\r\n46,50000\r\n", {0, 2, 47, 3, 46.5}},
      {"absolute path line read as a comment", "/home/jean.dupont/cartes/c.cor\n/LgNW\n2.0\n/LtNW\n47\n/LgSE\n3\n"
                                               "/LtSE\n46.5\n", {0, 2, 47, 3, 46.5}},
      {"comments and blank lines between values", "c.cor\n\n/ relevé 1998\n2.0\n   \n/ nord\n/ encore\n47\n3\n\n"
                                                  "/ sud\n46.5\n/ fin\n", {0, 2, 47, 3, 46.5}},
      {"degrees, minutes and seconds", "c.cor\n" + dms, {0, 2, 47, 3, 46.5}},
      {"degree sign saved in UTF-8, trailing blanks", "c.cor\n2\xC2\xB0" "00'00\"E  \n47\xC2\xB0" "00'00\"N\t\n"
                                                      "3\n46,5 \n", {0, 2, 47, 3, 46.5}},
      {"western and southern values", "c.cor\n-1.5\n-20\n-0,5\n-21\n", {0, -1.5, -20, -0.5, -21}},
      {"unreadable value", "c.cor\n2\nnord\n3\n46.5\n", {0, 2, 0, 3, 46.5}},
      {"missing values", "/home/c.cor\n2\n47\n", {0, 2, 47, 0, 0}},
      {"empty file", "", {0, 0, 0, 0, 0}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    EXPECT_EQ(Read(dir.Write("c.cor", c.text)), c.expected) << c.what;
  }
  EXPECT_EQ(std::get<0>(Read(dir.path() / "missing.cor")), 2);
  EXPECT_NE(std::get<0>(Read(dir.MakeDir("dir.cor"))), 0);
  EXPECT_NE(std::get<0>(Read(dir.Write("big.cor", std::string(200000, '1')))), 0);
}

TEST(CheminCorrespondance, ExtensionOfTheFileNameOnlyFoundInAnyCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/jean.dupont/cartes/carte1.bmp", "/home/jean.dupont/cartes/carte1.cor"},
      {"a.b/map.bmp", "a.b/map.cor"},
      {"cartes/carte.v2.JPG", "cartes/carte.v2.cor"},
      {"cartes/carte", "cartes/carte.cor"},
      {"carte1.bmp", "carte1.cor"},
  };
  for (const auto& [picture, cor] : cases) {
    EXPECT_EQ(CheminCorrespondance(picture).string(), cor) << picture;
  }
  TempDir dir;  // found on disk in any case
  const auto directory = dir.MakeDir("jean.dupont");
  dir.Write("jean.dupont/carte1.COR", "x");
  EXPECT_EQ(TrouveCorrespondance(directory / "carte1.bmp"), directory / "carte1.COR");
  EXPECT_EQ(TrouveCorrespondance(directory / "carte2.bmp"), directory / "carte2.cor");
}

TEST(EcritCorrespondance, WritesTheProgramsLayoutAndReadsBack) {
  TempDir dir;
  const auto file = dir.path() / "carte.cor";
  ASSERT_EQ(EcritCorrespondance(file, {2.35, 47.123456, -0.000001, 46.5}, ','), 0);
  EXPECT_EQ(testing::ReadFile(file), file.string() + "\r\n/LgNW\r\n2,35000\r\n/LtNW\r\n47,12346\r\n/LgSE\r\n"
                                                     "0,00000\r\n/LtSE\r\n46,50000\r\n");
  const Correspondance sound{-1.5, 47.25, 3.125, -46.5};
  for (const char separator : {',', '.'}) {
    ASSERT_EQ(EcritCorrespondance(file, sound, separator), 0);
    EXPECT_EQ(Read(file), std::make_tuple(0, -1.5, 47.25, 3.125, -46.5)) << separator;
  }
  EXPECT_NE(EcritCorrespondance(dir.path() / "missing" / "c.cor", sound, '.'), 0);
  EXPECT_EQ(Read(file), std::make_tuple(0, -1.5, 47.25, 3.125, -46.5));
}

// The zero values and their messages are checked through the dialog.
TEST(VerifieCoins, SwappedOrOffTheGlobeCornersAreRefused) {
  const std::pair<Correspondance, CoinRefuse> cases[] = {
      {{2, 47, 3, 46.5}, CoinRefuse::None},  {{3, 47, 2, 46.5}, CoinRefuse::LgSE},
      {{2, 46.5, 3, 47}, CoinRefuse::LtSE},  {{2, 47, 3, 47}, CoinRefuse::LtSE},
      {{-181, 47, 3, 46.5}, CoinRefuse::LgNW}, {{2, 91, 3, 46.5}, CoinRefuse::LtNW},
  };
  for (const auto& [c, refused] : cases) {
    EXPECT_EQ(VerifieCoins(c), refused) << c.LgNW << " " << c.LtNW << " " << c.LgSE << " " << c.LtSE;
  }
}

}  // namespace
}  // namespace orvex
