// Real and reference APRS packets from the shared data folder, in the
// one-line TNC2 form, turned into the two lines a TNC prints in monitor mode.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "expected_table.h"
#include "gps/aprs_packet.h"
#include "gps/receive_buffer.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ArcSecondTolerance;
using testing::ExpectedTable;
using testing::ReadLines;
using testing::SharedDataDir;

// Expected positions come from a decoder that also reads the extra digit
// some packets append: half a hundredth of a minute finer than the packet's
// own digits.
constexpr double kFinerThanSentSeconds = 0.3;

// "SOURCE>DEST,PATH:INFO" -> "SOURCE>DEST,PATH:" CR LF "INFO" CR.
std::string MonitorForm(const std::string& tnc2) {
  const std::size_t colon = tnc2.find(':');
  return tnc2.substr(0, colon + 1) + "\r\n" + tnc2.substr(colon + 1) + "\r";
}

std::string Information(const std::string& tnc2) { return tnc2.substr(tnc2.find(':') + 1); }

// The uncompressed "ddmm.hhN/dddmm.hhE" form, blanks standing for ambiguous digits.
bool HasUncompressedPosition(const std::string& info) {
  static const std::regex kForm(R"([0-9 ]{4}\.[0-9 ]{2}[NS].[0-9 ]{5}\.[0-9 ]{2}[EW])");
  return std::regex_search(info, kForm);
}

class AprsRealData : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SharedDataDir().empty()) {
      GTEST_SKIP() << "no shared data folder (../shared/data): real APRS packets not tested";
    }
    dir_ = SharedDataDir() / "aprs";
  }
  std::filesystem::path dir_;
};

TEST_F(AprsRealData, UncompressedPositionsMatchAndOthersGiveNone) {
  const auto packets = ReadLines(dir_ / "aprs_valid.tnc2");
  const ExpectedTable expected(dir_ / "aprs_valid_expected.csv");
  ASSERT_EQ(packets.size(), expected.RowCount());
  int compared = 0;
  for (std::size_t i = 0; i < packets.size(); ++i) {
    SCOPED_TRACE(packets[i]);
    const DecodedPosition result = DecodePacket(MonitorForm(packets[i]));
    const std::string& lat = expected.Field(i, "lat_deg");
    const std::string& lon = expected.Field(i, "lon_deg");
    if (!HasUncompressedPosition(Information(packets[i]))) {
      EXPECT_FALSE(result.HasPosition());
    } else if (lat.empty()) {
      // killed objects and items: the table gives no position to compare with
      EXPECT_TRUE(result.HasPosition());
    } else {
      EXPECT_NEAR(result.Latitude, std::stod(lat), ArcSecondTolerance(lat, kFinerThanSentSeconds));
      EXPECT_NEAR(result.Longitude, std::stod(lon), ArcSecondTolerance(lon, kFinerThanSentSeconds));
      ++compared;
    }
  }
  EXPECT_GT(compared, 0);
}

TEST_F(AprsRealData, RejectedPacketsGiveNoPosition) {
  const auto packets = ReadLines(dir_ / "aprs_invalid.tnc2");
  ASSERT_FALSE(packets.empty());
  for (const auto& packet : packets) {
    EXPECT_FALSE(DecodePacket(MonitorForm(packet)).HasPosition()) << packet;
    EXPECT_FALSE(DecodePacket(packet).HasPosition()) << packet;
  }
}

TEST_F(AprsRealData, StreamOfPacketsIsFramedPacketByPacket) {
  std::string stream;
  std::vector<std::string> expected;
  for (const auto& packet : ReadLines(dir_ / "aprs_valid.tnc2")) {
    expected.push_back(MonitorForm(packet));
    stream += expected.back() + "\n";
  }
  std::string buffer;
  std::vector<std::string> messages;
  for (std::size_t at = 0; at < stream.size(); at += 5) {
    for (auto& message : ReceiveMessages(buffer, kTrameAprs, std::string_view(stream).substr(at, 5))) {
      messages.push_back(std::move(message));
    }
  }
  EXPECT_EQ(messages, expected);
}

}  // namespace
}  // namespace orvex
