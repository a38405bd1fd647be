#include "gps/aprs_packet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "received_text.h"

namespace orvex {
namespace {

using testing::Dms;
using testing::Monitor;

const std::string kHeader = "N0CALL-9>APRS,WIDE2-1:";

std::string Packet(const std::string& info) { return Monitor(kHeader, info); }

// Uncompressed positions, to the whole arc-second; packets without a position
// give the sender's name (or none when the header is not one) and 0, 0.
TEST(DecodePacket, ReadsUncompressedPositions) {
  const double lon = -Dms(72, 1, 45);
  const double lat = Dms(49, 3, 30);
  const std::string position = "!4903.50N/07201.75W-";
  const struct {
    const char* what;
    std::string message;
    const char* name;
    double longitude;  // 0 with the latitude: no position
    double latitude;
  } cases[] = {
      {"! without messaging", Packet("!4903.50N/07201.75W-Test"), "N0CALL-9", lon, lat},
      {"= with messaging", Packet("=4903.50N/07201.75W-"), "N0CALL-9", lon, lat},
      {"/ with a time stamp", Packet("/092345z4903.50N/07201.75W>088/036"), "N0CALL-9", lon, lat},
      {"@ with a time stamp", Packet("@092345/4903.50N/07201.75W>"), "N0CALL-9", lon, lat},
      {"line feed-less header line", kHeader + "\r" + position + "\r", "N0CALL-9", lon, lat},
      {"no SSID, path digipeated", Monitor("F5XYZ>APRS,F1ABC*,WIDE2:", position), "F5XYZ", lon, lat},
      {"six-letter call, two-digit SSID", Monitor("OH7LZB-13>APRS:", position), "OH7LZB-13", lon, lat},
      {"object", Packet(";LEADER   *092345z4903.50N/07201.75W>088/036"), "LEADER   ", lon, lat},
      {"nine-letter object, east", Packet(";ABCDEFGHI*092345z4903.50N\\07201.75E>"), "ABCDEFGHI", -lon, lat},
      {"overlay letter", Packet("!4903.50ND07201.75W#"), "N0CALL-9", lon, lat},
      {"overlay digit", Packet("!4903.50N107201.75W#"), "N0CALL-9", lon, lat},
      {"south, N in the comment", Packet("=0606.23S/10644.61E-PENJARINGAN 147.880 MHz"), "N0CALL-9",
       Dms(106, 44, 37), -Dms(6, 6, 14)},
      {"west, E in the comment", Packet("!6028.51S/02505.68W#PHG7220 RELAY,WIDE"), "N0CALL-9", -Dms(25, 5, 41),
       -Dms(60, 28, 31)},
      {"ambiguity 1", Packet("!4903.5 N/07201.7 W-"), "N0CALL-9", -Dms(72, 1, 45), Dms(49, 3, 33)},
      {"ambiguity 2", Packet("!4903.  N/07201.  W-"), "N0CALL-9", -Dms(72, 1, 30), Dms(49, 3, 30)},
      {"ambiguity 3", Packet("!490 .  N/0720 .  W-"), "N0CALL-9", -Dms(72, 5, 0), Dms(49, 5, 0)},
      {"ambiguity 4", Packet("!49  .  N/072  .  W-"), "N0CALL-9", -Dms(72, 30, 0), Dms(49, 30, 0)},
      {"item", Packet(")AID #2!4903.50N/07201.75WA"), "AID #2", lon, lat},
      {"status", Packet(">Testing status"), "N0CALL-9", 0, 0},
      {"message", Packet("::N0CALL   :Hello world 12.5"), "N0CALL-9", 0, 0},
      {"raw NMEA", Packet("$GPRMC,145526,A,3349.0378,N,08406.2617,W,23.7*7A"), "N0CALL-9", 0, 0},
      {"object name only", Packet(";AB"), "AB", 0, 0},
      {"object without its state", Packet(";LEADER   #092345z4903.50N/07201.75W>"), "LEADER   ", 0, 0},
      {"killed object", Packet(";LEADER   _092345z4903.50N/07201.75W>"), "LEADER   ", 0, 0},
      {"killed item", Packet(")AID #2_4903.50N/07201.75WA"), "AID #2", 0, 0},
      {"item name too short", Packet(")AB!4903.50N/07201.75WA"), "N0CALL-9", 0, 0},
      {"ambiguity differing", Packet("!4903.  N/072  .  W-"), "N0CALL-9", 0, 0},
      {"blank between digits", Packet("!49 3.50N/07201.75W-"), "N0CALL-9", 0, 0},
      {"bad symbol table", Packet("!4903.50N,07201.75W-"), "N0CALL-9", 0, 0},
      {"60 minutes", Packet("!4960.00N/07201.75W-"), "N0CALL-9", 0, 0},
      {"beyond the pole", Packet("!9103.50N/07201.75W-"), "N0CALL-9", 0, 0},
      {"beyond the antimeridian", Packet("!4903.50N/18101.75W-"), "N0CALL-9", 0, 0},
      {"letters in the digits", Packet("!49ff.50N/07201.75W-"), "N0CALL-9", 0, 0},
      {"truncated longitude", Packet("!4903.50N/07201.7"), "N0CALL-9", 0, 0},
      {"no longitude letter", Packet("!4903.50N/07201.75X-"), "N0CALL-9", 0, 0},
      {"point too early", Packet("!03.50N/07201.75W-"), "N0CALL-9", 0, 0},
      {"no information line", kHeader + position, "N0CALL-9", 0, 0},
      {"header without >", Monitor("N0CALL:", position), "", 0, 0},
      {"> only on the information line", Monitor("N0CALL", "!4903.50N/07201.75W>088/036"), "", 0, 0},
      {"underscore in the callsign", Monitor("K6IFR_S>APJS10:", position), "", 0, 0},
      {"three-character SSID", Monitor("N0CALL-123>APRS:", position), "", 0, 0},
      {"empty callsign", Monitor(">APRS:", position), "", 0, 0}, {"empty message", "", "", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedPosition result = DecodePacket(c.message);
    const double tolerance = c.latitude == 0 ? 0 : 1e-12;
    EXPECT_EQ(result.Name, c.name);
    EXPECT_NEAR(result.Longitude, c.longitude, tolerance);
    EXPECT_NEAR(result.Latitude, c.latitude, tolerance);
    EXPECT_EQ(result.Altitude, 0);
    EXPECT_EQ(result.Time, "");
  }
}

// The compressed form as the APRS protocol defines it: y = 380926 (90 -
// latitude), x = 190463 (180 + longitude), four base-91 digits each.
std::string Compressed(char table, double lon, double lat, char symbol = '>') {
  const auto base91 = [](double value) {
    auto n = static_cast<long>(std::lround(value));
    std::string digits(4, '!');
    for (int i = 3; i >= 0; --i) {
      digits[static_cast<std::size_t>(i)] = static_cast<char>('!' + n % 91);
      n /= 91;
    }
    return digits;
  };
  return table + base91(380926 * (90 - lat)) + base91(190463 * (180 + lon)) + symbol + "  A";
}

double WholeSeconds(double degrees) { return std::round(degrees * 3600) / 3600; }

TEST(DecodePacket, ReadsCompressedPositionsWhereverTheFormAllowsThem) {
  const struct {
    const char* what;
    std::string info;
    const char* name;
    double longitude;  // 0 with the latitude: no position
    double latitude;
  } cases[] = {
      {"reference packet", "!/5L!!<*e7>7P[", "N0CALL-9", -72.75, 49.5},
      {"north-east, messaging", "=" + Compressed('/', 6.1234, 49.6111), "N0CALL-9", 6.1234, 49.6111},
      {"north-west", "!" + Compressed('\\', -71.0402, 42.3523), "N0CALL-9", -71.0402, 42.3523},
      {"south-east", "!" + Compressed('D', 151.2093, -33.8688), "N0CALL-9", 151.2093, -33.8688},
      {"south-west, overlay digit as letter", "!" + Compressed('a', -58.3816, -34.6037), "N0CALL-9", -58.3816,
       -34.6037},
      {"time stamp /", "/092345z" + Compressed('/', 24.9384, 60.1699) + "comment", "N0CALL-9", 24.9384, 60.1699},
      {"object", ";BALLOON  *092345z" + Compressed('/', 7.0, 43.7), "BALLOON  ", 7.0, 43.7},
      {"item", ")CAR 12!" + Compressed('/', -3.7038, 40.4168), "CAR 12", -3.7038, 40.4168},
      {"killed item", ")CAR 12_" + Compressed('/', -3.7038, 40.4168), "CAR 12", 0, 0},
      {"one byte short", "!" + Compressed('/', 6.1, 49.6).substr(0, 12), "N0CALL-9", 0, 0},
      {"space in the latitude", "!/5L !<*e7>7P[", "N0CALL-9", 0, 0},
      {"| beyond base 91 in the longitude", "!/5L!!<*e|>7P[", "N0CALL-9", 0, 0},
      {"south of the pole", "!/{{{{<*e7>7P[", "N0CALL-9", 0, 0},
      {"east of the antimeridian", "!/5L!!{{{{>7P[", "N0CALL-9", 0, 0},
      {"digit: uncompressed, unreadable", "!5L!!<*e7>7P[", "N0CALL-9", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedPosition result = DecodePacket(Packet(c.info));
    EXPECT_EQ(result.Name, c.name);
    EXPECT_NEAR(result.Longitude, WholeSeconds(c.longitude), 1e-9);
    EXPECT_NEAR(result.Latitude, WholeSeconds(c.latitude), 1e-9);
    EXPECT_EQ(result.Information, c.info);
  }
}

// Mic-E as the APRS protocol defines it: the six latitude digits in the
// destination ("0".."9" for a clear bit, "P".."Y" for a set one; the 4th, 5th
// and 6th bits mean north, longitude offset 100 and west), then the longitude
// degrees (0-9 as 118-127, 10-99 as 38-127 without the offset, 100-109 as
// 108-117, 110-179 as 38-107), minutes (0-9 as 88-97) and hundredths + 28.
struct MicE {
  std::string destination;
  std::string info;
};

MicE EncodeMicE(int latDegrees, double latMinutes, bool north, int lonDegrees, double lonMinutes, bool west) {
  const std::string digits = std::to_string(100 + latDegrees).substr(1) +
                             std::to_string(10000 + std::lround(latMinutes * 100)).substr(1);
  const bool offset = lonDegrees < 10 || lonDegrees >= 100;
  const int degreeByte = lonDegrees < 10 ? lonDegrees + 118 : lonDegrees < 110 ? lonDegrees + (offset ? 8 : 28)
                                                                                : lonDegrees - 72;
  const long hundredths = std::lround(lonMinutes * 100);
  const int minutes = static_cast<int>(hundredths / 100);
  MicE packet{"", {'`', static_cast<char>(degreeByte), static_cast<char>(minutes < 10 ? minutes + 88 : minutes + 28),
                   static_cast<char>(hundredths % 100 + 28)}};
  const bool high[6] = {false, false, false, north, offset, west};
  for (std::size_t i = 0; i < 6; ++i) {
    packet.destination += static_cast<char>((high[i] ? 'P' : '0') + (digits[i] - '0'));
  }
  packet.info += "l\x1c\x1c>/]";
  return packet;
}

TEST(DecodePacket, ReadsMicEPositionsAndRefusesBytesOutOfRange) {
  const auto degrees = [](int d, double m) { return d + m / 60; };
  const struct {
    const char* what;
    MicE packet;
    double longitude;  // 0 with the latitude: no position
    double latitude;
  } cases[] = {
      {"north-east, 1xx degrees", EncodeMicE(35, 41.25, true, 139, 45.5, false), degrees(139, 45.5),
       degrees(35, 41.25)},
      {"north-west, 2 digits", EncodeMicE(41, 47.26, true, 71, 25.21, true), -degrees(71, 25.21), degrees(41, 47.26)},
      {"south-east, 10x degrees", EncodeMicE(6, 9.31, false, 106, 42.85, false), degrees(106, 42.85),
       -degrees(6, 9.31)},
      {"south-west, 0x degrees", EncodeMicE(33, 55.0, false, 7, 3.08, true), -degrees(7, 3.08), -degrees(33, 55.0)},
      {"minutes under 10", EncodeMicE(49, 5.5, true, 6, 7.8, false), degrees(6, 7.8), degrees(49, 5.5)},
      {"110 degrees", EncodeMicE(1, 30.0, true, 110, 0.5, false), degrees(110, 0.5), degrees(1, 30)},
      {"179 degrees", EncodeMicE(65, 0.01, false, 179, 59.99, true), -degrees(179, 59.99), -degrees(65, 0.01)},
      {"real packet, moving", {"TQ4W2V", "`c51!f?>/]\"3x}="}, -degrees(71, 25.21), degrees(41, 47.26)},
      {"ambiguity 2: blanks L and Z", {"TQ4WLZ", "`c51!f?>/]"}, -degrees(71, 25.5), degrees(41, 47.5)},
      {"SSID on the destination", {"TQ4W2V-3", "`c51!f?>/]"}, -degrees(71, 25.21), degrees(41, 47.26)},
      {"degree byte below range", {"TQ4W2V", "`%51!f?>/]"}, 0, 0},
      {"degree byte above range", {"TQ4W2V", "`\x80" "51!f?>/]"}, 0, 0},
      {"minute byte above range", {"TQ4W2V", "`cb1!f?>/]"}, 0, 0},
      {"hundredths byte below range", {"TQ4W2V", "`c5\x1b!f?>/]"}, 0, 0},
      {"latitude 90 and more", {"9Q4W2V", "`c51!f?>/]"}, 0, 0},
      {"minutes 60", {"TQ6P2V", "`c51!f?>/]"}, 0, 0},
      {"letter outside the Mic-E set", {"TQ4M2V", "`c51!f?>/]"}, 0, 0},
      {"message letter in the 4th place", {"TQ4A2V", "`c51!f?>/]"}, 0, 0},
      {"blank between digits", {"TQ4WZV", "`c51!f?>/]"}, 0, 0},
      {"destination too short", {"TQ4W2", "`c51!f?>/]"}, 0, 0},
      {"information too short", {"TQ4W2V", "`c51!f?>"}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedPosition result = DecodeAprsLine("OH7LZB-2>" + c.packet.destination + ",WIDE2-1:" + c.packet.info);
    EXPECT_EQ(result.Name, "OH7LZB-2");
    EXPECT_NEAR(result.Longitude, WholeSeconds(c.longitude), 1e-9);
    EXPECT_NEAR(result.Latitude, WholeSeconds(c.latitude), 1e-9);
  }
}

}  // namespace
}  // namespace orvex
