#include "app/configuration.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

std::vector<std::string> ValidLines() {
  return {"LgCourant=6\xB0" "07'00\"E", "LtCourant:49,61", "ProtocoleGPS:COM1:4800,N,8,1", "Interface:3",
          "Trame:1", "PeriodeGPS:2", "Canaux:3", "LgDemarre:6.1", "LtDemarre:49.6", "ZoomDemarre:2000",
          "CarteDemarre:X", "RepertoireLieu:luxembourg"};
}

std::vector<std::string> With(std::vector<std::string> lines, const std::string& key, const std::string& line) {
  for (auto& l : lines) {
    if (l.rfind(key, 0) == 0) {
      l = line;
    }
  }
  return lines;
}

TEST(ValeurCle, PrefixMatchAnySeparatorFirstLineWins) {
  const std::vector<std::string> lines = {"/ignored", "zoomdemarre=12", "ZoomDemarre:99", "Canaux 4", "Trame:"};
  EXPECT_EQ(ValeurCle("ZoomDemarre", lines), "12");
  EXPECT_EQ(ValeurCle("Canaux", lines), "4");
  EXPECT_EQ(ValeurCle("Zoom", lines), "emarre=12");  // a key that begins another key's name
  EXPECT_EQ(ValeurCle("Trame", lines), "");
  EXPECT_EQ(ValeurCle("Absent", lines), "");
}

TEST(DecodeConfiguration, AcceptsAValidFile) {
  Configuration config;
  DecodeFailure failure;
  ASSERT_TRUE(DecodeConfiguration(ValidLines(), config, failure)) << failure.text;
  EXPECT_NEAR(config.LgCourant, 6 + 7.0 / 60, 1e-12);
  EXPECT_DOUBLE_EQ(config.LtCourant, 49.61);
  EXPECT_EQ(config.PortGPS, 1);
  EXPECT_EQ(ChaineReglages(config), "4800,N,8,1");
  EXPECT_EQ(config.TypeInterface, 3);
  EXPECT_EQ(config.NbCanaux, 3);
  EXPECT_EQ(config.ZoomDemarre, 2000);
  EXPECT_EQ(config.CarteDemarre, "X");
  EXPECT_EQ(config.RepertoireLieu, "luxembourg");
  EXPECT_TRUE(config.PeripheriquesCOM.empty());
}

struct SerialCase {
  std::string line;
  bool accepted;
  std::string settingsOrFailure;
};

void PrintTo(const SerialCase& c, std::ostream* os) { *os << c.line; }

class SerialLine : public ::testing::TestWithParam<SerialCase> {};

TEST_P(SerialLine, DecodesOrReportsTheRemainingText) {
  const SerialCase& c = GetParam();
  Configuration config;
  DecodeFailure failure;
  const bool ok = DecodeConfiguration(With(ValidLines(), "ProtocoleGPS", c.line), config, failure);
  ASSERT_EQ(ok, c.accepted) << c.line;
  EXPECT_EQ(ok ? ChaineReglages(config) : failure.text, c.settingsOrFailure);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialLine,
    ::testing::Values(SerialCase{"ProtocoleGPS:COM1:4800,N,8,1", true, "4800,N,8,1"},
                      SerialCase{"protocolegps=com2:9600,e,7,2", true, "9600,E,7,2"},
                      SerialCase{"ProtocoleGPS:COM4:50,O,5", false, "5"},
                      SerialCase{"ProtocoleGPS:COM3:50,o,5,2", true, "50,O,5,2"},
                      SerialCase{"ProtocoleGPS:COM5:4800,N,8,1", false, "COM5:4800,N,8,1"},
                      SerialCase{"ProtocoleGPS:COM1:4801,N,8,1", false, "N,8,1"},
                      SerialCase{"ProtocoleGPS:COM1:fast,N,8,1", false, "N,8,1"},
                      SerialCase{"ProtocoleGPS:COM1:4800,X,8,1", false, "X,8,1"},
                      SerialCase{"ProtocoleGPS:COM1:4800,N,6,1", false, "6,1"},
                      SerialCase{"ProtocoleGPS:COM1:4800,N,8,3", false, "3"},
                      SerialCase{"ProtocoleGPS:COM1", false, "COM1"},
                      SerialCase{"ProtocoleGPS:COM1:4800", false, "4800"}));

TEST(SerialLineStopBits, MissingStopBitsFail) {
  Configuration config;
  DecodeFailure failure;
  EXPECT_FALSE(DecodeConfiguration(With(ValidLines(), "ProtocoleGPS", "ProtocoleGPS:COM1:4800,N,8,"), config, failure));
}

struct IntegerCase {
  std::string line;
  bool accepted;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << c.line; }

class IntegerKeys : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerKeys, RangeChecks) {
  const std::string line = GetParam().line;
  const std::string key = line.substr(0, line.find_first_of(":="));
  Configuration config;
  DecodeFailure failure;
  EXPECT_EQ(DecodeConfiguration(With(ValidLines(), key, line), config, failure), GetParam().accepted) << line;
  if (!GetParam().accepted) {
    EXPECT_EQ(failure.text, line.substr(key.size() + 1));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, IntegerKeys,
                         ::testing::Values(IntegerCase{"Interface:-3", true}, IntegerCase{"Interface:4", true},
                                           IntegerCase{"Interface:5", false}, IntegerCase{"Interface:x", false},
                                           IntegerCase{"Trame:3", true}, IntegerCase{"Trame:4", false},
                                           IntegerCase{"PeriodeGPS:40", true}, IntegerCase{"PeriodeGPS:41", false},
                                           IntegerCase{"Canaux:1", true}, IntegerCase{"Canaux:10", true},
                                           IntegerCase{"Canaux:0", false}, IntegerCase{"Canaux:11", false},
                                           IntegerCase{"ZoomDemarre:-7", true}, IntegerCase{"ZoomDemarre:7x", false}));

TEST(DecodeConfiguration, EmptyFileFailsOnTheSerialLine) {
  Configuration config;
  DecodeFailure failure;
  EXPECT_FALSE(DecodeConfiguration({}, config, failure));
  EXPECT_EQ(failure.text, "");
}

TEST(DecodeConfiguration, ReadsDeviceOverrides) {
  auto lines = ValidLines();
  lines.push_back("PeripheriqueCOM1=/dev/ttyUSB0");
  Configuration config;
  DecodeFailure failure;
  ASSERT_TRUE(DecodeConfiguration(lines, config, failure));
  EXPECT_EQ(config.PeripheriquesCOM.at(1), "/dev/ttyUSB0");
}

TEST(LoadConfigurationLines, SkipsCommentsAndBlankLinesKeepsIndentedKeys) {
  testing::TempDir dir;
  const auto file = dir.Write("ORVEX.INI", "/ comment\r\n\r\nCanaux:2\r\n  Trame:1\n/ last\n");
  std::vector<std::string> lines;
  ASSERT_TRUE(LoadConfigurationLines(file, lines));
  EXPECT_EQ(ValeurCle("Canaux", lines), "2");
  EXPECT_EQ(ValeurCle("Trame", lines), "");  // a key preceded by blanks is not found
  EXPECT_FALSE(LoadConfigurationLines(dir.path() / "absent.ini", lines));
}

TEST(LitLigneUtile, ReturnsTheLastCommentAtEndOfFileAndCountsLines) {
  testing::TempDir dir;
  FichierTexte file;
  ASSERT_EQ(file.Open(dir.Write("a.txt", "/a\n\nvalue\n/tail")), 0);
  EXPECT_EQ(LitLigneUtile(file), "value");
  EXPECT_EQ(file.NumeroLigne, 3);
  EXPECT_EQ(LitLigneUtile(file), "/tail");
  EXPECT_TRUE(file.Eof());
  EXPECT_EQ(file.Open(dir.path() / "none"), 2);
}

}  // namespace
}  // namespace orvex
