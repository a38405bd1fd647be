#include "app/configuration.h"

#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>

#include "platform/text_file.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

const std::vector<std::string> kValidLines = {
    "LgCourant=6\xB0" "07'00\"E", "LtCourant:49,61", "ProtocoleGPS:COM1:4800,N,8,1", "Interface:3", "Trame:1",
    "PeriodeGPS:2", "Canaux:3", "LgDemarre:6.1", "LtDemarre:49.6", "ZoomDemarre:2000", "CarteDemarre:X",
    "RepertoireLieu:luxembourg", "PeripheriqueCOM1=/dev/ttyUSB0"};

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
  ASSERT_TRUE(DecodeConfiguration(kValidLines, config, failure)) << failure.text;
  EXPECT_NEAR(config.LgCourant, 6 + 7.0 / 60, 1e-12);
  EXPECT_DOUBLE_EQ(config.LtCourant, 49.61);
  EXPECT_EQ(config.PortGPS, 1);
  EXPECT_EQ(ChaineReglages(config), "4800,N,8,1");
  EXPECT_EQ(config.TypeInterface, 3);
  EXPECT_EQ(config.NbCanaux, 3);
  EXPECT_EQ(config.ZoomDemarre, 2000);
  EXPECT_EQ(config.CarteDemarre, "X");
  EXPECT_EQ(config.RepertoireLieu, "luxembourg");
  EXPECT_EQ(config.PeripheriquesCOM, (std::map<int, std::string>{{1, "/dev/ttyUSB0"}}));
}

// One line of the valid file replaced; a refused value reports the text left
// where reading stopped.
TEST(DecodeConfiguration, ChecksEachValue) {
  const struct {
    std::string line;
    bool accepted;
    std::string text;  // the serial settings when accepted, the remaining text when refused
  } cases[] = {
      {"ProtocoleGPS:COM1:4800,N,8,1", true, "4800,N,8,1"}, {"protocolegps=com2:9600,e,7,2", true, "9600,E,7,2"},
      {"ProtocoleGPS:COM3:50,o,5,2", true, "50,O,5,2"},     {"ProtocoleGPS:COM4:50,O,5", false, "5"},
      {"ProtocoleGPS:COM1:4801,N,8,1", false, "N,8,1"},     {"ProtocoleGPS:COM1:fast,N,8,1", false, "N,8,1"},
      {"ProtocoleGPS:COM1:4800,X,8,1", false, "X,8,1"},     {"ProtocoleGPS:COM1:4800,N,6,1", false, "6,1"},
      {"ProtocoleGPS:COM1:4800,N,8,3", false, "3"},         {"ProtocoleGPS:COM1:4800,N,8,", false, ""},
      {"ProtocoleGPS:COM1", false, "COM1"},                 {"ProtocoleGPS:COM1:4800", false, "4800"},
      {"ProtocoleGPS:COM5:4800,N,8,1", false, "COM5:4800,N,8,1"},
      {"Interface:-3", true, ""},   {"Interface:4", true, ""},       {"Interface:5", false, "5"},
      {"Interface:x", false, "x"},  {"Trame:4", true, ""},           {"Trame:5", false, "5"},
      {"PeriodeGPS:40", true, ""},  {"PeriodeGPS:41", false, "41"},  {"Canaux:1", true, ""},
      {"Canaux:10", true, ""},      {"Canaux:0", false, "0"},        {"Canaux:11", false, "11"},
      {"ZoomDemarre:-7", true, ""}, {"ZoomDemarre:7x", false, "7x"},
      // positions off the globe
      {"LgCourant=-180", true, ""}, {"LgCourant=180.5", false, "180.5"}, {"LtCourant=-90.01", false, "-90.01"},
      {"LgDemarre=200\xB0" "00'00\"O", false, "200\xB0" "00'00\"O"}, {"LtDemarre=1e300", false, "1e300"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string key = c.line.substr(0, c.line.find_first_of(":="));
    auto lines = kValidLines;
    std::replace_if(
        lines.begin(), lines.end(),
        [&key](const std::string& l) { return strncasecmp(l.c_str(), key.c_str(), key.size()) == 0; }, c.line);
    Configuration config;
    DecodeFailure failure;
    ASSERT_EQ(DecodeConfiguration(lines, config, failure), c.accepted);
    if (!c.accepted) {
      EXPECT_EQ(failure.text, c.text);
    } else if (!c.text.empty()) {
      EXPECT_EQ(ChaineReglages(config), c.text);
    }
  }
}

TEST(DecodeConfiguration, EmptyFileFailsOnTheSerialLine) {
  Configuration config;
  DecodeFailure failure;
  EXPECT_FALSE(DecodeConfiguration({}, config, failure));
  EXPECT_EQ(failure.text, "");
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
