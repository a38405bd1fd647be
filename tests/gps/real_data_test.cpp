// Real receiver output (gpsd's test logs) and real and reference APRS packets
// from the shared data folder, against the expected-value tables beside them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "gps/aprs_packet.h"
#include "gps/nmea_sentence.h"
#include "received_text.h"
#include "support/aprs_frames.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using Row = std::map<std::string, std::string>;
using testing::FeedInSteps;
using testing::SharedDataDir;

// Expected APRS positions come from a decoder that also reads the extra digit
// some packets append: half a hundredth of a minute finer than the packet's
// own digits.
constexpr double kFinerThanSentSeconds = 0.3;

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::istringstream in(testing::ReadFile(file));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
  }
  return lines;
}

// A comma-separated table whose first line names the columns; a field in
// double quotes may hold commas (it keeps its quotes); a short row reads empty.
std::vector<Row> ReadTable(const std::filesystem::path& file) {
  static const std::regex kField(R"((?:^|,)("(?:[^"]|"")*"|[^,]*))");
  std::vector<std::vector<std::string>> lines;
  for (const auto& line : ReadLines(file)) {
    auto& fields = lines.emplace_back();
    for (std::sregex_iterator it(line.begin(), line.end(), kField), end; it != end; ++it) {
      fields.push_back((*it)[1]);
    }
  }
  std::vector<Row> rows;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    Row& row = rows.emplace_back();
    for (std::size_t c = 0; c < lines[0].size(); ++c) {
      row[lines[0][c]] = c < lines[i].size() ? lines[i][c] : "";
    }
  }
  return rows;
}

// A decoded angle matches one printed to a few decimals within the rounding
// to the whole arc-second, half a unit of the last printed decimal, and
// `extraSeconds` when the expected value is known more finely than sent.
double ArcSecondTolerance(const std::string& expected, double extraSeconds = 0) {
  const std::size_t point = expected.find('.');
  const auto decimals = point == std::string::npos ? 0 : static_cast<int>(expected.size() - point - 1);
  return (0.5 + extraSeconds) / 3600 + 0.5 * std::pow(10.0, -decimals);
}

// "SOURCE>DEST,PATH:INFO" -> "SOURCE>DEST,PATH:" CR LF "INFO" CR.
std::string MonitorForm(const std::string& tnc2) {
  const std::size_t colon = tnc2.find(':');
  return testing::Monitor(tnc2.substr(0, colon + 1), tnc2.substr(colon + 1));
}

class RealData : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SharedDataDir().empty()) {
      GTEST_SKIP() << "no shared data folder (../shared/data): real NMEA and APRS data not tested";
    }
  }
  const std::filesystem::path nmea_ = SharedDataDir() / "nmea";
  const std::filesystem::path aprs_ = SharedDataDir() / "aprs";
};

TEST_F(RealData, GgaSentencesMatchTheirExpectedValuesAndBadChecksumsGiveNothing) {
  const auto sentences = ReadLines(nmea_ / "gga_valid.nmea");
  const auto expected = ReadTable(nmea_ / "gga_valid_expected.csv");
  ASSERT_EQ(sentences.size(), expected.size());
  int positions = 0;
  for (std::size_t i = 0; i < sentences.size(); ++i) {
    SCOPED_TRACE(sentences[i]);
    const std::string& lat = expected[i].at("lat_deg");
    const std::string& lon = expected[i].at("lon_deg");
    const std::string& alt = expected[i].at("alt_m");
    const DecodedPosition result = DecodeSentence(sentences[i]);
    EXPECT_EQ(result.Time, expected[i].at("utc"));
    EXPECT_DOUBLE_EQ(result.Altitude, alt.empty() ? 0 : std::stod(alt));
    if (lat.empty() || lon.empty() || std::stod(lat) == 0 || std::stod(lon) == 0) {
      EXPECT_FALSE(result.HasPosition());
    } else {
      EXPECT_NEAR(result.Latitude, std::stod(lat), ArcSecondTolerance(lat));
      EXPECT_NEAR(result.Longitude, std::stod(lon), ArcSecondTolerance(lon));
      ++positions;
    }
  }
  EXPECT_GT(positions, 0);
  const auto bad = ReadLines(nmea_ / "gga_bad_checksum.nmea");
  ASSERT_FALSE(bad.empty());
  for (const auto& sentence : bad) {
    EXPECT_FALSE(DecodeSentence(sentence).HasPosition()) << sentence;
    EXPECT_EQ(DecodeSentence(sentence).Time, "") << sentence;
  }
}

// The packet as it went over the air: the Internet path (lower-case
// q-constructs) is no AX.25 address.
std::string OverTheAir(const std::string& tnc2) {
  const std::size_t end = tnc2.find_first_of(",:");
  return tnc2.substr(0, end) + tnc2.substr(tnc2.find(':'));
}

// Every position the table gives (uncompressed, compressed, Mic-E, objects
// and items) is found, in both packet forms and through a KISS TNC's AX.25
// frames; the rows without one give none, but for the positions the table
// leaves out (a weather report, an item's course). Raw NMEA is not read.
TEST_F(RealData, AprsPositionsMatchInEveryFormAndRejectedPacketsGiveNone) {
  const auto packets = ReadLines(aprs_ / "aprs_valid.tnc2");
  const auto expected = ReadTable(aprs_ / "aprs_valid_expected.csv");
  ASSERT_EQ(packets.size(), expected.size());
  int compared = 0;
  for (std::size_t i = 0; i < packets.size(); ++i) {
    SCOPED_TRACE(packets[i]);
    const std::string& lat = expected[i].at("lat_deg");
    const std::string& lon = expected[i].at("lon_deg");
    const std::string& kind = expected[i].at("kind");
    const std::string frame = testing::Ax25UiFrame(OverTheAir(packets[i]));
    KissDeframer kiss;
    const auto lines = ReceiveKissPackets(kiss, testing::KissFrame(frame));
    ASSERT_EQ(lines.size(), 1u);
    for (const DecodedPosition& result : {DecodeAprsLine(packets[i]), DecodePacket(MonitorForm(packets[i])),
                                          DecodeAprsLine(lines[0])}) {
      if (kind.starts_with("$")) {
        continue;
      }
      if (!lat.empty()) {
        EXPECT_NEAR(result.Latitude, std::stod(lat), ArcSecondTolerance(lat, kFinerThanSentSeconds));
        EXPECT_NEAR(result.Longitude, std::stod(lon), ArcSecondTolerance(lon, kFinerThanSentSeconds));
        ++compared;
      } else if (kind.find("killed") != std::string::npos) {
        EXPECT_TRUE(result.Killed);
        EXPECT_FALSE(result.HasPosition());
      } else if (kind.find("weather") == std::string::npos && kind.find("course") == std::string::npos) {
        EXPECT_FALSE(result.HasPosition());
      }
    }
  }
  EXPECT_EQ(compared, 3 * 20);
  const auto rejected = ReadLines(aprs_ / "aprs_invalid.tnc2");
  ASSERT_FALSE(rejected.empty());
  for (const auto& packet : rejected) {
    EXPECT_FALSE(DecodePacket(MonitorForm(packet)).HasPosition()) << packet;
    EXPECT_FALSE(DecodePacket(packet).HasPosition()) << packet;
    EXPECT_FALSE(DecodeAprsLine(packet).HasPosition()) << packet;
  }
}

// Whole receiver logs and packet streams read in small pieces: every GGA line
// or packet comes out, whole and in order.
TEST_F(RealData, StreamsAreFramedMessageByMessage) {
  for (const char* log : {"gpslim236.log", "com-1289.log"}) {
    SCOPED_TRACE(log);
    std::vector<std::string> ggaLines;
    std::ranges::copy_if(ReadLines(nmea_ / log), std::back_inserter(ggaLines),
                         [](const std::string& line) { return line.starts_with("$GPGGA"); });
    ASSERT_FALSE(ggaLines.empty());
    std::string buffer;
    const auto messages = FeedInSteps(buffer, kTrameNmea, testing::ReadFile(nmea_ / log), 7);
    EXPECT_EQ(messages, ggaLines);
    for (const auto& message : messages) {
      EXPECT_TRUE(DecodeSentence(message).HasPosition()) << message;
    }
  }
  std::string stream;
  std::vector<std::string> packets;
  for (const auto& packet : ReadLines(aprs_ / "aprs_valid.tnc2")) {
    packets.push_back(MonitorForm(packet));
    stream += packets.back() + "\n";
  }
  std::string buffer;
  EXPECT_EQ(FeedInSteps(buffer, kTrameAprs, stream, 5), packets);
}

}  // namespace
}  // namespace orvex
