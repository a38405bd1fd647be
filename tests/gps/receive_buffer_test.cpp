#include "gps/receive_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "received_text.h"

namespace orvex {
namespace {

using Messages = std::vector<std::string>;
using testing::FeedInSteps;

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kOtherGga = "$GNGGA,091232.000,4813.0535,N,00824.8697,E,1,12,0.7,765.8,M,47.4,M,,0000*45";
const std::string kRmc = "$GPRMC,185244.000,A,4854.2575,N,00219.9816,E,0.00,296.61,210706,,,A*6C";
const std::string kPacket1 = "N0CALL-9>APRS,WIDE2-1:\r\n!4903.50N/07201.75W-Test\r";
const std::string kPacket2 = "F5XYZ>APRS:\r\n=4850.00N/00220.00E-\r";

std::string GarbageWithSentences(Messages& sentences) {
  std::string block(100000, '#');
  for (std::size_t at = 1000; at + 100 < block.size(); at += 997) {
    block.replace(at, kGga.size(), kGga);
    sentences.push_back(kGga);
  }
  return block;
}

// Every stream is fed whole, then cut at every byte and in pieces of a few
// sizes: a message comes out once, whole, wherever the reads split it, and
// the buffer stays bounded all along.
TEST(ReceiveMessages, SameMessagesWhereverTheReadsSplitTheStream) {
  struct Case {
    const char* what;
    int protocol;
    std::string stream;
    Messages expected;
    const char* rest = nullptr;  // what waits for the next read, when it matters
  };
  std::vector<Case> cases = {
      {"sentence, then a header begun", kTrameNmea, "\r\n" + kGga + "\r\n$GPGGA,12", {kGga}, "$GPGGA,12"},
      {"every GGA among other sentences", kTrameNmea,
       "noise" + kRmc + "\r\n" + kGga + "\r\n" + kRmc + "\r\n" + kOtherGga + "\r\n" + kRmc, {kGga, kOtherGga}},
      {"broken sentence gives way to the next header", kTrameNmea, "$GPGGA,1235" + kGga + "\r\n", {kGga}},
      {"lower case", kTrameNmea, "$gpgga,1*2c\r\n", {"$gpgga,1*2c"}},
      {"noise dropped past the search limit", kTrameNmea, std::string(kHeaderSearchLimit + 1, 'x'), {}, ""},
      {"header arriving at the search limit", kTrameNmea, std::string(kHeaderSearchLimit, 'x') + kGga, {kGga}},
      {"header without a star", kTrameNmea, "$GPGGA," + std::string(5000, '1') + kGga + "\r\n", {kGga}},
      {"header, then information line", kTrameAprs, kPacket1 + "\nF5XYZ", {kPacket1}, "F5XYZ"},
      {"two packets", kTrameAprs, kPacket1 + "\n" + kPacket2 + "\n", {kPacket1, kPacket2}, ""},
      {"carriage returns without line feeds", kTrameAprs,
       "N0CALL-9>APRS,WIDE2-1:\r!4903.50N/07201.75W-Test\rF5XYZ>APRS:\r=4850.00N/00220.00E-\r",
       {"N0CALL-9>APRS,WIDE2-1:\r!4903.50N/07201.75W-Test\r", "F5XYZ>APRS:\r=4850.00N/00220.00E-\r"}},
      // A prompt, then an information line whose header was missed (it holds a ">").
      {"lines before a header", kTrameAprs, "cmd:\r\n!4903.50N/07201.75W>088/036\r\n" + kPacket1 + "\n", {kPacket1}},
      {"text without line ends", kTrameAprs, std::string(10000, 'z') + "\r\n" + kPacket2 + "\n", {kPacket2}},
  };
  Case garbage{"large block of garbage and sentences", kTrameNmea, "", {}};
  garbage.stream = GarbageWithSentences(garbage.expected);
  cases.push_back(garbage);
  Case many{"many packets", kTrameAprs, "", {}};
  for (int i = 0; i < 30; ++i) {
    many.stream += (i % 2 ? kPacket1 : kPacket2) + "\n";
    many.expected.push_back(i % 2 ? kPacket1 : kPacket2);
  }
  cases.push_back(many);

  for (const Case& c : cases) {
    for (const std::size_t step : {c.stream.size(), std::size_t{1}, std::size_t{7}, std::size_t{64}}) {
      SCOPED_TRACE(std::string(c.what) + ", reads of " + std::to_string(step));
      std::string buffer;
      EXPECT_EQ(FeedInSteps(buffer, c.protocol, c.stream, step), c.expected);
      if (c.rest != nullptr) {
        EXPECT_EQ(buffer, c.rest);
      }
    }
  }
}

// Nothing is ever cut; repeated so that a buffer which only grows would pass its limit.
TEST(ReceiveMessages, OtherProtocolsKeepTheBufferBounded) {
  for (const int protocol : {0, kTrameNmeaIndexed}) {
    std::string buffer;
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(ReceiveMessages(buffer, protocol, kGga + "\r\n" + kPacket1 + "\n"), Messages{}) << protocol;
      EXPECT_LE(buffer.size(), kReceiveBufferLimit);
    }
  }
}

}  // namespace
}  // namespace orvex
