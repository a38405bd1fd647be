#include "gps/aprs_packet.h"

#include <gtest/gtest.h>

#include <string>

#include "received_text.h"

namespace orvex {
namespace {

using testing::Dms;
using testing::Monitor;

const std::string kHeader = "N0CALL-9>APRS,WIDE2-1:";

std::string Packet(const std::string& info) { return Monitor(kHeader, info); }

// Only uncompressed positions are read, to the whole arc-second; every other
// packet gives the sender's name (or none when the header is not one) and 0, 0.
TEST(DecodePacket, ReadsUncompressedPositionsOnly) {
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
      {"! without messaging", Packet("!4903.50N/07201.75W-Test"), "N0CALL", lon, lat},
      {"= with messaging", Packet("=4903.50N/07201.75W-"), "N0CALL", lon, lat},
      {"/ with a time stamp", Packet("/092345z4903.50N/07201.75W>088/036"), "N0CALL", lon, lat},
      {"@ with a time stamp", Packet("@092345/4903.50N/07201.75W>"), "N0CALL", lon, lat},
      {"line feed-less header line", kHeader + "\r" + position + "\r", "N0CALL", lon, lat},
      {"no SSID, path digipeated", Monitor("F5XYZ>APRS,F1ABC*,WIDE2:", position), "F5XYZ", lon, lat},
      {"six-letter call, two-digit SSID", Monitor("OH7LZB-13>APRS:", position), "OH7LZB", lon, lat},
      {"object", Packet(";LEADER   *092345z4903.50N/07201.75W>088/036"), "LEADER   ", lon, lat},
      {"nine-letter object, east", Packet(";ABCDEFGHI*092345z4903.50N\\07201.75E>"), "ABCDEFGHI", -lon, lat},
      {"overlay letter", Packet("!4903.50ND07201.75W#"), "N0CALL", lon, lat},
      {"overlay digit", Packet("!4903.50N107201.75W#"), "N0CALL", lon, lat},
      {"south, N in the comment", Packet("=0606.23S/10644.61E-PENJARINGAN 147.880 MHz"), "N0CALL",
       Dms(106, 44, 37), -Dms(6, 6, 14)},
      {"west, E in the comment", Packet("!6028.51S/02505.68W#PHG7220 RELAY,WIDE"), "N0CALL", -Dms(25, 5, 41),
       -Dms(60, 28, 31)},
      {"ambiguity 1", Packet("!4903.5 N/07201.7 W-"), "N0CALL", -Dms(72, 1, 45), Dms(49, 3, 33)},
      {"ambiguity 2", Packet("!4903.  N/07201.  W-"), "N0CALL", -Dms(72, 1, 30), Dms(49, 3, 30)},
      {"ambiguity 3", Packet("!490 .  N/0720 .  W-"), "N0CALL", -Dms(72, 5, 0), Dms(49, 5, 0)},
      {"ambiguity 4", Packet("!49  .  N/072  .  W-"), "N0CALL", -Dms(72, 30, 0), Dms(49, 30, 0)},
      {"compressed", Packet("!/5L!!<*e7>7P["), "N0CALL", 0, 0},
      {"Mic-E", Monitor("OH7LZB-2>TQ4W2V,WIDE2-1:", "`c51!f?>/]\"3x}="), "OH7LZB", 0, 0},
      {"status", Packet(">Testing status"), "N0CALL", 0, 0},
      {"message", Packet("::N0CALL   :Hello world 12.5"), "N0CALL", 0, 0},
      {"raw NMEA", Packet("$GPRMC,145526,A,3349.0378,N,08406.2617,W,23.7*7A"), "N0CALL", 0, 0},
      {"object name only", Packet(";AB"), "AB", 0, 0},
      {"ambiguity differing", Packet("!4903.  N/072  .  W-"), "N0CALL", 0, 0},
      {"blank between digits", Packet("!49 3.50N/07201.75W-"), "N0CALL", 0, 0},
      {"bad symbol table", Packet("!4903.50N,07201.75W-"), "N0CALL", 0, 0},
      {"60 minutes", Packet("!4960.00N/07201.75W-"), "N0CALL", 0, 0},
      {"beyond the pole", Packet("!9103.50N/07201.75W-"), "N0CALL", 0, 0},
      {"beyond the antimeridian", Packet("!4903.50N/18101.75W-"), "N0CALL", 0, 0},
      {"letters in the digits", Packet("!49ff.50N/07201.75W-"), "N0CALL", 0, 0},
      {"truncated longitude", Packet("!4903.50N/07201.7"), "N0CALL", 0, 0},
      {"no longitude letter", Packet("!4903.50N/07201.75X-"), "N0CALL", 0, 0},
      {"point too early", Packet("!03.50N/07201.75W-"), "N0CALL", 0, 0},
      {"no information line", kHeader + position, "N0CALL", 0, 0},
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

}  // namespace
}  // namespace orvex
