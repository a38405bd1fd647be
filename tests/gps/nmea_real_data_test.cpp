// Real receiver output from the shared data folder (gpsd's test logs).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_table.h"
#include "gps/nmea_sentence.h"
#include "gps/receive_buffer.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ArcSecondTolerance;
using testing::ExpectedTable;
using testing::ReadLines;
using testing::SharedDataDir;

double NumberOrZero(const std::string& text) { return text.empty() ? 0 : std::stod(text); }

class NmeaRealData : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = SharedDataDir() / "nmea";
    if (SharedDataDir().empty()) {
      GTEST_SKIP() << "no shared data folder (../shared/data): real NMEA sentences not tested";
    }
  }
  std::filesystem::path dir_;
};

TEST_F(NmeaRealData, ValidSentencesMatchTheirExpectedValues) {
  const auto sentences = ReadLines(dir_ / "gga_valid.nmea");
  const ExpectedTable expected(dir_ / "gga_valid_expected.csv");
  ASSERT_EQ(sentences.size(), expected.RowCount());
  int positions = 0;
  for (std::size_t i = 0; i < sentences.size(); ++i) {
    SCOPED_TRACE(sentences[i]);
    const std::string& lat = expected.Field(i, "lat_deg");
    const std::string& lon = expected.Field(i, "lon_deg");
    const DecodedPosition result = DecodeSentence(sentences[i]);
    EXPECT_EQ(result.Time, expected.Field(i, "utc"));
    EXPECT_DOUBLE_EQ(result.Altitude, NumberOrZero(expected.Field(i, "alt_m")));
    if (NumberOrZero(lat) == 0 || NumberOrZero(lon) == 0) {
      EXPECT_FALSE(result.HasPosition());
      continue;
    }
    EXPECT_NEAR(result.Latitude, std::stod(lat), ArcSecondTolerance(lat));
    EXPECT_NEAR(result.Longitude, std::stod(lon), ArcSecondTolerance(lon));
    ++positions;
  }
  EXPECT_GT(positions, 0);
}

TEST_F(NmeaRealData, SentencesWithBadChecksumsGiveNothing) {
  const auto sentences = ReadLines(dir_ / "gga_bad_checksum.nmea");
  ASSERT_FALSE(sentences.empty());
  for (const auto& sentence : sentences) {
    const DecodedPosition result = DecodeSentence(sentence);
    EXPECT_FALSE(result.HasPosition()) << sentence;
    EXPECT_EQ(result.Time, "") << sentence;
  }
}

// A whole receiver log read in small pieces: every GGA line comes out, whole
// and in order, and decodes.
TEST_F(NmeaRealData, WholeLogsAreFramedSentenceBySentence) {
  for (const char* log : {"gpslim236.log", "com-1289.log"}) {
    SCOPED_TRACE(log);
    std::vector<std::string> ggaLines;
    for (const auto& line : ReadLines(dir_ / log)) {
      if (line.starts_with("$GPGGA")) {
        ggaLines.push_back(line);
      }
    }
    ASSERT_FALSE(ggaLines.empty());
    const std::string stream = testing::ReadFile(dir_ / log);
    std::string buffer;
    std::vector<std::string> messages;
    for (std::size_t at = 0; at < stream.size(); at += 7) {
      for (auto& message : ReceiveMessages(buffer, kTrameNmea, std::string_view(stream).substr(at, 7))) {
        messages.push_back(std::move(message));
      }
    }
    EXPECT_EQ(messages, ggaLines);
    for (const auto& message : messages) {
      EXPECT_TRUE(DecodeSentence(message).HasPosition()) << message;
    }
  }
}

}  // namespace
}  // namespace orvex
