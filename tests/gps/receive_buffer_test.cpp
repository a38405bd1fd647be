#include "gps/receive_buffer.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "gps/aprs_packet.h"
#include "gps/nmea_sentence.h"

namespace orvex {
namespace {

using Messages = std::vector<std::string>;

constexpr char kSentence[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
constexpr char kOtherSentence[] = "$GNGGA,091232.000,4813.0535,N,00824.8697,E,1,12,0.7,765.8,M,47.4,M,,0000*45";
constexpr char kRmc[] = "$GPRMC,185244.000,A,4854.2575,N,00219.9816,E,0.00,296.61,210706,,,A*6C";

// Feeds `bytes` in reads of `step` bytes and gathers what comes out.
Messages FeedInSteps(std::string& buffer, int protocol, const std::string& bytes, std::size_t step) {
  Messages all;
  for (std::size_t at = 0; at < bytes.size(); at += step) {
    for (auto& message : ReceiveMessages(buffer, protocol, std::string_view(bytes).substr(at, step))) {
      all.push_back(std::move(message));
    }
    EXPECT_LE(buffer.size(), kReceiveBufferLimit);
  }
  return all;
}

TEST(ReceiveNmea, SentenceCutAcrossReadsComesOutOnceComplete) {
  std::string buffer;
  const std::string sentence = kSentence;
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, "\r\n" + sentence.substr(0, 40)), Messages{});
  // up to the first checksum character
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, sentence.substr(40, sentence.size() - 41)), Messages{});
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, sentence.back() + std::string("\r\n$GPGGA,12")), Messages{kSentence});
  EXPECT_EQ(buffer, "$GPGGA,12");
}

TEST(ReceiveNmea, TakesEveryGgaOfARead) {
  std::string buffer;
  const std::string read =
      std::string("noise") + kRmc + "\r\n" + kSentence + "\r\n" + kRmc + "\r\n" + kOtherSentence + "\r\n" + kRmc;
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, read), (Messages{kSentence, kOtherSentence}));
}

TEST(ReceiveNmea, SameMessagesWhateverTheReadSize) {
  std::string stream;
  Messages expected;
  for (int i = 0; i < 40; ++i) {
    stream += std::string(kRmc) + "\r\n" + (i % 2 ? kSentence : kOtherSentence) + "\r\n";
    expected.emplace_back(i % 2 ? kSentence : kOtherSentence);
  }
  for (const std::size_t step : {std::size_t{1}, std::size_t{7}, std::size_t{64}, std::size_t{300}, stream.size()}) {
    std::string buffer;
    EXPECT_EQ(FeedInSteps(buffer, kTrameNmea, stream, step), expected) << "reads of " << step;
  }
}

TEST(ReceiveNmea, BrokenSentenceGivesWayToTheNextHeader) {
  std::string buffer;
  const std::string read = std::string("$GPGGA,1235") + kSentence + "\r\n";
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, read), Messages{kSentence});
}

TEST(ReceiveNmea, NoiseWithoutHeaderIsDroppedPastTheSearchLimit) {
  std::string buffer;
  ReceiveMessages(buffer, kTrameNmea, std::string(kHeaderSearchLimit, 'x'));
  EXPECT_EQ(buffer.size(), kHeaderSearchLimit);
  ReceiveMessages(buffer, kTrameNmea, "y");
  EXPECT_EQ(buffer, "");
}

TEST(ReceiveNmea, HeaderArrivingInPiecesSurvivesTheSearchLimit) {
  std::string buffer;
  ReceiveMessages(buffer, kTrameNmea, std::string(kHeaderSearchLimit, 'x') + "$GPG");
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, std::string(kSentence).substr(4)), Messages{kSentence});
}

TEST(ReceiveNmea, HeaderWithoutStarDoesNotGrowTheBuffer) {
  std::string buffer;
  const std::string endless = "$GPGGA," + std::string(5000, '1');
  FeedInSteps(buffer, kTrameNmea, endless, 13);
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, std::string(kSentence) + "\r\n"), Messages{kSentence});
}

TEST(ReceiveNmea, LargeBlockOfGarbageAndSentences) {
  std::string block(100000, '#');
  Messages expected;
  for (std::size_t at = 1000; at + 100 < block.size(); at += 997) {
    block.replace(at, sizeof kSentence - 1, kSentence);
    expected.emplace_back(kSentence);
  }
  std::string buffer;
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, block), expected);
  EXPECT_LE(buffer.size(), kReceiveBufferLimit);
}

TEST(ReceiveNmea, LowerCaseSentenceIsFramed) {
  std::string buffer;
  EXPECT_EQ(ReceiveMessages(buffer, kTrameNmea, "$gpgga,1*2c\r\n"), Messages{"$gpgga,1*2c"});
}

const std::string kPacket1 = "N0CALL-9>APRS,WIDE2-1:\r\n!4903.50N/07201.75W-Test\r";
const std::string kPacket2 = "F5XYZ>APRS:\r\n=4850.00N/00220.00E-\r";

TEST(ReceiveAprs, HeaderThenInformationLine) {
  std::string buffer;
  EXPECT_EQ(ReceiveMessages(buffer, kTrameAprs, "N0CALL-9>APRS,WIDE2-1:\r\n!4903.50N/"), Messages{});
  EXPECT_EQ(ReceiveMessages(buffer, kTrameAprs, "07201.75W-Test\r\nF5XYZ"), Messages{kPacket1});
  EXPECT_EQ(buffer, "F5XYZ");
}

TEST(ReceiveAprs, TwoPacketsInOneReadAreBothKept) {
  std::string buffer;
  EXPECT_EQ(ReceiveMessages(buffer, kTrameAprs, kPacket1 + "\n" + kPacket2 + "\n"), (Messages{kPacket1, kPacket2}));
  EXPECT_EQ(buffer, "");
}

TEST(ReceiveAprs, CarriageReturnsWithoutLineFeeds) {
  std::string buffer;
  const std::string stream = "N0CALL-9>APRS,WIDE2-1:\r!4903.50N/07201.75W-Test\rF5XYZ>APRS:\r=4850.00N/00220.00E-\r";
  EXPECT_EQ(ReceiveMessages(buffer, kTrameAprs, stream),
            (Messages{"N0CALL-9>APRS,WIDE2-1:\r!4903.50N/07201.75W-Test\r", "F5XYZ>APRS:\r=4850.00N/00220.00E-\r"}));
}

TEST(ReceiveAprs, LineFeedArrivingLateDoesNotStartTheNextHeader) {
  std::string buffer;
  EXPECT_EQ(ReceiveMessages(buffer, kTrameAprs, kPacket1), Messages{kPacket1});
  EXPECT_EQ(ReceiveMessages(buffer, kTrameAprs, "\n" + kPacket2 + "\n"), Messages{kPacket2});
}

TEST(ReceiveAprs, LinesBeforeAHeaderAreDropped) {
  std::string buffer;
  // A prompt, then an information line whose header was missed (it holds a ">").
  const std::string stream = "cmd:\r\n!4903.50N/07201.75W>088/036\r\n" + kPacket1 + "\n";
  EXPECT_EQ(ReceiveMessages(buffer, kTrameAprs, stream), Messages{kPacket1});
}

TEST(ReceiveAprs, SameMessagesWhateverTheReadSize) {
  std::string stream;
  Messages expected;
  for (int i = 0; i < 30; ++i) {
    stream += (i % 2 ? kPacket1 : kPacket2) + "\n";
    expected.push_back(i % 2 ? kPacket1 : kPacket2);
  }
  for (const std::size_t step : {std::size_t{1}, std::size_t{5}, std::size_t{100}, stream.size()}) {
    std::string buffer;
    EXPECT_EQ(FeedInSteps(buffer, kTrameAprs, stream, step), expected) << "reads of " << step;
  }
}

TEST(ReceiveAprs, TextWithoutLineEndsIsBounded) {
  std::string buffer;
  FeedInSteps(buffer, kTrameAprs, std::string(10000, 'z'), 33);
  EXPECT_EQ(ReceiveMessages(buffer, kTrameAprs, "\r\n" + kPacket2 + "\n"), Messages{kPacket2});
}

TEST(ReceiveOtherProtocols, NothingIsEverCutAndTheBufferStaysBounded) {
  for (const int protocol : {0, kTrameNmeaIndexed}) {
    std::string buffer;
    const std::string stream = std::string(kSentence) + "\r\n" + kPacket1 + "\n";
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(ReceiveMessages(buffer, protocol, stream), Messages{}) << protocol;
      EXPECT_LE(buffer.size(), kReceiveBufferLimit);
    }
  }
}

// Line noise made of the pieces the framing and the decoders look for.
TEST(ReceiveNoise, NeverGrowsTheBufferNorTripsTheDecoders) {
  constexpr std::array<const char*, 12> kPieces = {"$GPGGA,", "$GNGGA", "*",  "\r", "\n",       ">",
                                                   ",",       ".",      "N/", "W",  "4807.038", "N0CALL-9>APRS:"};
  std::mt19937 random(20240601);
  for (const int protocol : {kTrameNmea, kTrameAprs}) {
    std::string buffer;
    int messages = 0;
    for (int read = 0; read < 5000; ++read) {
      std::string bytes;
      for (int piece = std::uniform_int_distribution<int>(0, 12)(random); piece > 0; --piece) {
        if (random() % 2) {
          bytes += kPieces[random() % kPieces.size()];
        } else {
          bytes += static_cast<char>(random() % 256);
        }
      }
      for (const auto& message : ReceiveMessages(buffer, protocol, bytes)) {
        const DecodedPosition result = protocol == kTrameNmea ? DecodeSentence(message) : DecodePacket(message);
        EXPECT_LE(std::abs(result.Latitude), 90);
        EXPECT_LE(std::abs(result.Longitude), 180);
        ++messages;
      }
      ASSERT_LE(buffer.size(), kReceiveBufferLimit);
    }
    EXPECT_GT(messages, 20) << "the noise should reach the decoders";
  }
}

}  // namespace
}  // namespace orvex
