#include "gps/aprs_packet.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "gga_text.h"

namespace orvex {
namespace {

using testing::Dms;

constexpr double kExact = 1e-12;

// The two lines a TNC prints in monitor mode.
std::string Monitor(const std::string& header, const std::string& info) { return header + "\r\n" + info + "\r"; }

struct PositionCase {
  const char* what;
  std::string message;
  std::string name;
  double longitude;
  double latitude;
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.what; }

class AprsPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(AprsPosition, Decodes) {
  const PositionCase& c = GetParam();
  const DecodedPosition result = DecodePacket(c.message);
  EXPECT_EQ(result.Name, c.name) << c.what;
  EXPECT_NEAR(result.Longitude, c.longitude, kExact) << c.what;
  EXPECT_NEAR(result.Latitude, c.latitude, kExact) << c.what;
  EXPECT_EQ(result.Altitude, 0) << c.what;
  EXPECT_EQ(result.Time, "") << c.what;
}

const std::string kHeader = "N0CALL-9>APRS,WIDE2-1:";
const double kLon = -Dms(72, 1, 45);
const double kLat = Dms(49, 3, 30);

INSTANTIATE_TEST_SUITE_P(
    Cases, AprsPosition,
    ::testing::Values(
        PositionCase{"! without messaging", Monitor(kHeader, "!4903.50N/07201.75W-Test"), "N0CALL", kLon, kLat},
        PositionCase{"= with messaging", Monitor(kHeader, "=4903.50N/07201.75W-"), "N0CALL", kLon, kLat},
        PositionCase{"/ with a time stamp", Monitor(kHeader, "/092345z4903.50N/07201.75W>088/036"), "N0CALL", kLon,
                     kLat},
        PositionCase{"@ with a time stamp", Monitor(kHeader, "@092345/4903.50N/07201.75W>"), "N0CALL", kLon, kLat},
        PositionCase{"line feed-less header line", kHeader + "\r!4903.50N/07201.75W-\r", "N0CALL", kLon, kLat},
        PositionCase{"no SSID, path digipeated", Monitor("F5XYZ>APRS,F1ABC*,WIDE2:", "!4903.50N/07201.75W-"), "F5XYZ",
                     kLon, kLat},
        PositionCase{"six-letter call and two-digit SSID", Monitor("OH7LZB-13>APRS:", "!4903.50N/07201.75W-"), "OH7LZB",
                     kLon, kLat},
        PositionCase{"object", Monitor(kHeader, ";LEADER   *092345z4903.50N/07201.75W>088/036"), "LEADER   ", kLon,
                     kLat},
        PositionCase{"object with a nine-letter name", Monitor(kHeader, ";ABCDEFGHI*092345z4903.50N\\07201.75E>"),
                     "ABCDEFGHI", -kLon, kLat},
        PositionCase{"overlay letter", Monitor(kHeader, "!4903.50ND07201.75W#"), "N0CALL", kLon, kLat},
        PositionCase{"overlay digit", Monitor(kHeader, "!4903.50N107201.75W#"), "N0CALL", kLon, kLat},
        PositionCase{"south, with N in the comment", Monitor(kHeader, "=0606.23S/10644.61E-PENJARINGAN 147.880 MHz"),
                     "N0CALL", Dms(106, 44, 37), -Dms(6, 6, 14)},
        PositionCase{"west, with E in the comment", Monitor(kHeader, "!6028.51S/02505.68W#PHG7220 RELAY,WIDE"),
                     "N0CALL", -Dms(25, 5, 41), -Dms(60, 28, 31)},
        PositionCase{"ambiguity 1", Monitor(kHeader, "!4903.5 N/07201.7 W-"), "N0CALL", -Dms(72, 1, 45),
                     Dms(49, 3, 33)},
        PositionCase{"ambiguity 2", Monitor(kHeader, "!4903.  N/07201.  W-"), "N0CALL", -Dms(72, 1, 30),
                     Dms(49, 3, 30)},
        PositionCase{"ambiguity 3", Monitor(kHeader, "!490 .  N/0720 .  W-"), "N0CALL", -Dms(72, 5, 0), Dms(49, 5, 0)},
        PositionCase{"ambiguity 4", Monitor(kHeader, "!49  .  N/072  .  W-"), "N0CALL", -Dms(72, 30, 0),
                     Dms(49, 30, 0)}));

struct NoPositionCase {
  const char* what;
  std::string message;
  std::string name;
};

void PrintTo(const NoPositionCase& c, std::ostream* os) { *os << c.what; }

class AprsWithoutPosition : public ::testing::TestWithParam<NoPositionCase> {};

TEST_P(AprsWithoutPosition, GivesNoPosition) {
  const NoPositionCase& c = GetParam();
  const DecodedPosition result = DecodePacket(c.message);
  EXPECT_EQ(result.Longitude, 0) << c.what;
  EXPECT_EQ(result.Latitude, 0) << c.what;
  EXPECT_EQ(result.Name, c.name) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AprsWithoutPosition,
    ::testing::Values(
        NoPositionCase{"compressed", Monitor(kHeader, "!/5L!!<*e7>7P["), "N0CALL"},
        NoPositionCase{"Mic-E", Monitor("OH7LZB-2>TQ4W2V,WIDE2-1:", "`c51!f?>/]\"3x}="), "OH7LZB"},
        NoPositionCase{"status", Monitor(kHeader, ">Testing status"), "N0CALL"},
        NoPositionCase{"message", Monitor(kHeader, "::N0CALL   :Hello world 12.5"), "N0CALL"},
        NoPositionCase{"raw NMEA", Monitor(kHeader, "$GPRMC,145526,A,3349.0378,N,08406.2617,W,23.7*7A"), "N0CALL"},
        NoPositionCase{"object name only", Monitor(kHeader, ";AB"), "AB"},
        NoPositionCase{"ambiguity differing", Monitor(kHeader, "!4903.  N/072  .  W-"), "N0CALL"},
        NoPositionCase{"blank between digits", Monitor(kHeader, "!49 3.50N/07201.75W-"), "N0CALL"},
        NoPositionCase{"bad symbol table", Monitor(kHeader, "!4903.50N,07201.75W-"), "N0CALL"},
        NoPositionCase{"60 minutes", Monitor(kHeader, "!4960.00N/07201.75W-"), "N0CALL"},
        NoPositionCase{"beyond the pole", Monitor(kHeader, "!9103.50N/07201.75W-"), "N0CALL"},
        NoPositionCase{"beyond the antimeridian", Monitor(kHeader, "!4903.50N/18101.75W-"), "N0CALL"},
        NoPositionCase{"letters in the digits", Monitor(kHeader, "!49ff.50N/07201.75W-"), "N0CALL"},
        NoPositionCase{"truncated longitude", Monitor(kHeader, "!4903.50N/07201.7"), "N0CALL"},
        NoPositionCase{"no longitude letter", Monitor(kHeader, "!4903.50N/07201.75X-"), "N0CALL"},
        NoPositionCase{"point too early", Monitor(kHeader, "!03.50N/07201.75W-"), "N0CALL"},
        NoPositionCase{"no information line", kHeader + "!4903.50N/07201.75W-", "N0CALL"},
        NoPositionCase{"header without >", Monitor("N0CALL:", "!4903.50N/07201.75W-"), ""},
        NoPositionCase{"> only on the information line", Monitor("N0CALL", "!4903.50N/07201.75W>088/036"), ""},
        NoPositionCase{"underscore in the callsign", Monitor("K6IFR_S>APJS10:", "!4903.50N/07201.75W-"), ""},
        NoPositionCase{"three-character SSID", Monitor("N0CALL-123>APRS:", "!4903.50N/07201.75W-"), ""},
        NoPositionCase{"empty callsign", Monitor(">APRS:", "!4903.50N/07201.75W-"), ""},
        NoPositionCase{"empty message", "", ""}));

TEST(IsAprsHeader, WantsACallsignBeforeTheArrow) {
  EXPECT_TRUE(IsAprsHeader("N0CALL>APRS"));
  EXPECT_TRUE(IsAprsHeader("KJ4ERJ-AL>APWW05,TCPIP*,qAC,FOURTH:"));
  EXPECT_TRUE(IsAprsHeader("n0call-1>aprs:"));
  EXPECT_FALSE(IsAprsHeader("!4903.50N/07201.75W>088/036"));
  EXPECT_FALSE(IsAprsHeader("N0CALL-"));
  EXPECT_FALSE(IsAprsHeader("N0CALL->APRS"));
  EXPECT_FALSE(IsAprsHeader("ABCDEFGHIJ>APRS"));
  EXPECT_FALSE(IsAprsHeader("cmd:"));
}

}  // namespace
}  // namespace orvex
