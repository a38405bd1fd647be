#include "gps/nmea_sentence.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "gga_text.h"

namespace orvex {
namespace {

using testing::Dms;
using testing::WithChecksum;

constexpr char kExample[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
constexpr char kExampleBody[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
constexpr double kExact = 1e-12;

void ExpectNothing(const DecodedPosition& result) {
  EXPECT_EQ(result.Longitude, 0);
  EXPECT_EQ(result.Latitude, 0);
  EXPECT_EQ(result.Altitude, 0);
  EXPECT_EQ(result.Time, "");
}

TEST(DecodeSentence, ReadsTheReferenceSentenceToWholeArcSeconds) {
  const DecodedPosition result = DecodeSentence(kExample);
  EXPECT_NEAR(result.Latitude, Dms(48, 7, 2), kExact);
  EXPECT_NEAR(result.Longitude, Dms(11, 31, 0), kExact);
  EXPECT_DOUBLE_EQ(result.Altitude, 545.4);
  EXPECT_EQ(result.Time, "123519");
  EXPECT_TRUE(result.HasPosition());
}

TEST(DecodeSentence, WrongChecksumGivesNothing) {
  ExpectNothing(DecodeSentence("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48"));
  ExpectNothing(DecodeSentence("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.5,M,46.9,M,,*47"));
}

struct AcceptedCase {
  const char* what;
  std::string sentence;
  double longitude;
  double latitude;
  double altitude;
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.what; }

class AcceptedSentence : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedSentence, Decodes) {
  const AcceptedCase& c = GetParam();
  const DecodedPosition result = DecodeSentence(c.sentence);
  EXPECT_NEAR(result.Longitude, c.longitude, kExact) << c.what;
  EXPECT_NEAR(result.Latitude, c.latitude, kExact) << c.what;
  EXPECT_DOUBLE_EQ(result.Altitude, c.altitude) << c.what;
  EXPECT_EQ(result.Time, "123519") << c.what;
}

const double kLon = Dms(11, 31, 0);
const double kLat = Dms(48, 7, 2);

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptedSentence,
    ::testing::Values(
        AcceptedCase{"leading line feed", std::string("\n") + kExample, kLon, kLat, 545.4},
        AcceptedCase{"leading carriage return", std::string("\r") + kExample, kLon, kLat, 545.4},
        AcceptedCase{"line end after the checksum", std::string(kExample) + "\r\n", kLon, kLat, 545.4},
        AcceptedCase{"GNSS talker", WithChecksum("$GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
                     kLon, kLat, 545.4},
        AcceptedCase{"GLONASS talker", WithChecksum("$GLGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
                     kLon, kLat, 545.4},
        AcceptedCase{"Galileo talker", WithChecksum("$GAGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
                     kLon, kLat, 545.4},
        AcceptedCase{"BeiDou talker", WithChecksum("$BDGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
                     kLon, kLat, 545.4},
        AcceptedCase{"lower case, checksum of the bytes sent",
                     WithChecksum("$gpgga,123519,4807.038,n,01131.000,e,1,08,0.9,545.4,m,46.9,m,,", true), kLon, kLat,
                     545.4},
        AcceptedCase{"south and west", WithChecksum("$GPGGA,123519,4807.038,S,01131.000,W,1,08,0.9,545.4,M,46.9,M,,"),
                     -kLon, -kLat, 545.4},
        AcceptedCase{"empty geoid separation and unit",
                     WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,,,"), kLon, kLat, 545.4},
        AcceptedCase{"empty altitude and unit", WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,2,,,,,,,,"), kLon,
                     kLat, 0},
        AcceptedCase{"no station id field",
                     WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,"), kLon, kLat, 545.4},
        AcceptedCase{"negative altitude, padded fields",
                     WithChecksum("$GPGGA,123519,04807.0380,N,011031.00000,E,1,08,0.9,-004.20,M,46.9,M,,"),
                     Dms(110, 31, 0), kLat, -4.2},
        AcceptedCase{"seconds rounding up to the next minute",
                     WithChecksum("$GPGGA,123519,4807.9999,N,01131.9950,E,1,08,0.9,545.4,M,46.9,M,,"), Dms(11, 32, 0),
                     Dms(48, 8, 0), 545.4},
        AcceptedCase{"altitude that is not a number",
                     WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,high,M,46.9,M,,"), kLon, kLat, 0}));

class RefusedSentence : public ::testing::TestWithParam<std::string> {};

TEST_P(RefusedSentence, GivesNothing) { ExpectNothing(DecodeSentence(GetParam())); }

INSTANTIATE_TEST_SUITE_P(Cases, RefusedSentence,
                         ::testing::Values(
                             // no "*" or not two characters after it
                             std::string(kExampleBody), std::string(kExampleBody) + "*",
                             std::string(kExampleBody) + "*4", std::string(kExampleBody) + "*G7",
                             // a comma missing before the age field
                             WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M"),
                             WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M"),
                             WithChecksum("$GPGGA,123519"), WithChecksum("$GPGGA"),
                             WithChecksum("$GPGGA123519,4807.038,N"),
                             // a unit other than "M", or a value sent without its unit
                             WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,F,46.9,M,,"),
                             WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,F,,"),
                             WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,,46.9,M,,"),
                             WithChecksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,,,"),
                             // not a GGA sentence
                             WithChecksum("$GPRMC,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
                             WithChecksum("$G1GGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
                             WithChecksum("x$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
                             std::string("\n\n") + kExample, std::string("")));

struct NoPositionCase {
  const char* what;
  std::string sentence;
};

void PrintTo(const NoPositionCase& c, std::ostream* os) { *os << c.what; }

class SentenceWithoutPosition : public ::testing::TestWithParam<NoPositionCase> {};

// The checksum and fields are sound, so the time and altitude come through,
// but an unreadable coordinate reads 0: no position.
TEST_P(SentenceWithoutPosition, KeepsTimeAndAltitude) {
  const DecodedPosition result = DecodeSentence(GetParam().sentence);
  EXPECT_FALSE(result.HasPosition()) << GetParam().what;
  EXPECT_EQ(result.Time, "123519") << GetParam().what;
  EXPECT_DOUBLE_EQ(result.Altitude, 545.4) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SentenceWithoutPosition,
    ::testing::Values(
        NoPositionCase{"empty latitude", WithChecksum("$GPGGA,123519,,,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"empty longitude", WithChecksum("$GPGGA,123519,4807.038,N,,,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"60 minutes", WithChecksum("$GPGGA,123519,4860.000,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"beyond the pole",
                       WithChecksum("$GPGGA,123519,9100.000,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"beyond the antimeridian",
                       WithChecksum("$GPGGA,123519,4807.038,N,18100.000,E,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"no hemisphere letter",
                       WithChecksum("$GPGGA,123519,4807.038,,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"latitude with an east letter",
                       WithChecksum("$GPGGA,123519,4807.038,E,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"letters in the minutes",
                       WithChecksum("$GPGGA,123519,48O7.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"no degree digits",
                       WithChecksum("$GPGGA,123519,07.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")},
        NoPositionCase{"the equator", WithChecksum("$GPGGA,123519,0000.000,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")}));

TEST(FindGgaHeader, FindsAnyTalkerInEitherCase) {
  EXPECT_EQ(FindGgaHeader("xx$GPRMC,1*00$gnGga,1"), 13u);
  EXPECT_EQ(FindGgaHeader("$GPGGA$GPGGA", 1), 6u);
  EXPECT_EQ(FindGgaHeader("$GPGG"), std::string_view::npos);
  EXPECT_EQ(FindGgaHeader("$1PGGA,$G GGA"), std::string_view::npos);
}

}  // namespace
}  // namespace orvex
