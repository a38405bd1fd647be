#include "gps/nmea_sentence.h"

#include <gtest/gtest.h>

#include <string>

#include "received_text.h"

namespace orvex {
namespace {

using testing::Dms;
using testing::WithChecksum;

constexpr char kExample[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
constexpr char kBody[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

// The reference sentence with its first `from` replaced by `to`, under a fresh checksum.
std::string Edited(const std::string& from, const std::string& to) {
  std::string body = kBody;
  return WithChecksum(body.replace(body.find(from), from.size(), to));
}

// A sound sentence always gives its time and altitude; an unreadable
// coordinate reads 0, which is no position.
TEST(DecodeSentence, ReadsGgaToWholeArcSeconds) {
  const double lon = Dms(11, 31, 0);
  const double lat = Dms(48, 7, 2);
  const struct {
    const char* what;
    std::string sentence;
    double longitude;  // 0: unreadable, so no position
    double latitude;
    double altitude;
  } cases[] = {
      {"reference", kExample, lon, lat, 545.4},
      {"leading line feed", std::string("\n") + kExample, lon, lat, 545.4},
      {"leading carriage return", std::string("\r") + kExample, lon, lat, 545.4},
      {"line end after the checksum", std::string(kExample) + "\r\n", lon, lat, 545.4},
      {"GNSS talker", Edited("$GP", "$GN"), lon, lat, 545.4},
      {"GLONASS talker", Edited("$GP", "$GL"), lon, lat, 545.4},
      {"Galileo talker", Edited("$GP", "$GA"), lon, lat, 545.4},
      {"BeiDou talker", Edited("$GP", "$BD"), lon, lat, 545.4},
      {"lower case, checksum of the bytes sent",
       WithChecksum("$gpgga,123519,4807.038,n,01131.000,e,1,08,0.9,545.4,m,46.9,m,,", true), lon, lat, 545.4},
      {"south and west", Edited("N,01131.000,E", "S,01131.000,W"), -lon, -lat, 545.4},
      {"empty geoid separation and unit", Edited("M,46.9,M,,", "M,,,,"), lon, lat, 545.4},
      {"empty altitude and unit", Edited("1,08,0.9,545.4,M,46.9,M,,", "2,,,,,,,,"), lon, lat, 0},
      {"no station id field", Edited("M,,", "M,"), lon, lat, 545.4},
      {"negative altitude, padded fields",
       WithChecksum("$GPGGA,123519,04807.0380,N,011031.00000,E,1,08,0.9,-004.20,M,46.9,M,,"), Dms(110, 31, 0), lat,
       -4.2},
      {"seconds rounding up to the next minute", Edited("4807.038,N,01131.000", "4807.9999,N,01131.9950"),
       Dms(11, 32, 0), Dms(48, 8, 0), 545.4},
      {"altitude that is not a number", Edited("545.4", "high"), lon, lat, 0},
      {"empty latitude", Edited("4807.038,N", ","), lon, 0, 545.4},
      {"empty longitude", Edited("01131.000,E", ","), 0, lat, 545.4},
      {"60 minutes", Edited("4807.038", "4860.000"), lon, 0, 545.4},
      {"beyond the pole", Edited("4807.038", "9100.000"), lon, 0, 545.4},
      {"beyond the antimeridian", Edited("01131.000", "18100.000"), 0, lat, 545.4},
      {"no hemisphere letter", Edited(",N,", ",,"), lon, 0, 545.4},
      {"latitude with an east letter", Edited(",N,", ",E,"), lon, 0, 545.4},
      {"letters in the minutes", Edited("4807", "48O7"), lon, 0, 545.4},
      {"no degree digits", Edited("4807.038", "07.038"), lon, 0, 545.4},
      {"the equator", Edited("4807.038", "0000.000"), lon, 0, 545.4},
      {"altitude at the 100 km bound", Edited("545.4", "-100000"), lon, lat, -100000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedPosition result = DecodeSentence(c.sentence);
    EXPECT_NEAR(result.Longitude, c.longitude, c.longitude == 0 ? 0 : 1e-12);
    EXPECT_NEAR(result.Latitude, c.latitude, c.latitude == 0 ? 0 : 1e-12);
    EXPECT_DOUBLE_EQ(result.Altitude, c.altitude);
    EXPECT_EQ(result.Time, "123519");
  }
}

TEST(DecodeSentence, RefusedSentencesGiveNothing) {
  const std::string body = kBody;
  const std::string refused[] = {
      body + "*48", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.5,M,46.9,M,,*47",  // wrong checksum
      body, body + "*", body + "*4", body + "*G7",  // no "*" or not two hex digits after it
      // a comma missing before the age field
      Edited("M,46.9,M,,", "M,46.9,M"), Edited(",46.9,M,,", ""), WithChecksum("$GPGGA,123519"),
      WithChecksum("$GPGGA"), WithChecksum("$GPGGA123519,4807.038,N"),
      // a unit other than "M", or a value sent without its unit
      Edited("545.4,M", "545.4,F"), Edited("46.9,M", "46.9,F"), Edited("545.4,M", "545.4,"),
      Edited("46.9,M", "46.9,"),
      // not a GGA sentence
      Edited("$GPGGA", "$GPRMC"), Edited("$GP", "$G1"), Edited("$", "x$"), std::string("\n\n") + kExample, "",
      // a time the trace file could not hold as one field: line ends, NUL, letters, nothing
      Edited("123519", "1235\r\n19"), Edited("123519", "12\n3519"), Edited("123519", std::string("1235\0" "19", 7)),
      Edited("123519", "12h35"), Edited("123519", ""), Edited("123519", "123519."), Edited("123519", ".5"),
      // an altitude no fix can have
      Edited("545.4", "100000.1"), Edited("545.4", "-9e18"), Edited("545.4", "1e400"), Edited("545.4", "inf"),
      Edited("545.4", "nan")};
  for (const std::string& sentence : refused) {
    const DecodedPosition result = DecodeSentence(sentence);
    EXPECT_EQ(result.Longitude, 0) << sentence;
    EXPECT_EQ(result.Latitude, 0) << sentence;
    EXPECT_EQ(result.Altitude, 0) << sentence;
    EXPECT_EQ(result.Time, "") << sentence;
  }
}

}  // namespace
}  // namespace orvex
