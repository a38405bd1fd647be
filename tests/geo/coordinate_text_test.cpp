#include "geo/coordinate_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <tuple>

namespace orvex {
namespace {

constexpr double kArcSecond = 1.0 / 3600;

TEST(DegreesToDms, TruncatesEachStageAndCountsNearWholeSecondsAsWhole) {
  const std::pair<double, const char*> cases[] = {
      {2.5, "02\xB0" "30'00\""}, {-0.5, "00\xB0" "30'00\""}, {0, "00\xB0" "00'00\""}, {123.25, "123\xB0" "15'00\""},
      {45.999999, "45\xB0" "59'59\""}, {7 + 3.0 / 60 + 9.0 / 3600, "07\xB0" "03'09\""},
      // 0.7 * 60 lands a hair below 42 in doubles: still 42 minutes; a
      // thousand times the tolerance below the same second stays below it.
      {1.7, "01\xB0" "42'00\""}, {1.7 - 1e-9, "01\xB0" "41'59\""},
      // Within the tolerance of a whole degree: seconds and minutes carry.
      {45.99999999999999, "46\xB0" "00'00\""}, {10 + 59.0 / 60 + 59.9999999999 / 3600, "11\xB0" "00'00\""},
      // Defined for any double: beyond every integer type, or not a number.
      {-1e19, "10000000000000000000\xB0" "00'00\""}, {std::numeric_limits<double>::quiet_NaN(), "00\xB0" "00'00\""},
      {-std::numeric_limits<double>::infinity(), "00\xB0" "00'00\""},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(DegreesToDms(value), text) << value;
  }
}

// The letters E/O and N/S are checked over the whole range by the round trip
// below; it never writes a value that shows as zero seconds south.
TEST(CoordinateToText, HemisphereLetterFollowsTheSignEvenBelowOneSecond) {
  EXPECT_EQ(LatitudeToText(-0.0001), "00\xB0" "00'00\"S");
  EXPECT_EQ(LongitudeToText(-0.0001), "00\xB0" "00'00\"O");
}

TEST(TextToCoordinate, ReadsDmsAndDecimalTexts) {
  const double dms = 5 + 30.0 / 60 + 12.0 / 3600;
  const std::pair<const char*, double> cases[] = {
      {"5\xB0" "30'E", 5.5},   {"5\xB0" "30'O", -5.5},  {"5\xB0" "30'w", -5.5},      {"5\xB0" "30'W", -5.5},
      {"5\xB0" "30'n", 5.5},   {"5\xB0" "30'12\"S", -dms}, {"5\xB0" "30'12\"O", -dms}, {"+5\xB0" "30'N", 5.5},
      {"5\xF8" "30'N", 5.5},  // console degree sign
      {" 7\xB0 5' 3\"E", 7 + 5.0 / 60 + 3.0 / 3600},
      {"5\xB0" "30'12N", 5.5},  // no second mark: no seconds
      {"-5\xB0" "30'N", -4.5},  // the minus sign stays on the degrees
      {"45,25", 45.25}, {"-0,5", -0.5}, {" 12.5", 12.5}, {"1e2", 100}, {".5", 0.5},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_DOUBLE_EQ(TextToCoordinate(text), value) << text;
  }
}

TEST(TextToCoordinate, UnreadableTextGivesZero) {
  const char* const cases[] = {
      "5\xB0" "E",           // no minute mark
      "x\xB0" "30'N",        // degrees not a number
      "5\xB0" "3x'N",        // minutes not a number
      "5\xB0" "30'ab\"N",    // seconds not a number
      "5\xB0" "30'15.5\"N",  // seconds are whole numbers
      "5\xB0" "30'",         // no hemisphere letter after the minute mark
      "99999999999999999999\xB0" "00'N", "45.25E", "", "abc", "12 ", "+-5", "-", "inf", "nan", "1e400", "1,234.5",
  };
  for (const char* text : cases) {
    EXPECT_EQ(TextToCoordinate(text), 0) << text;
  }
}

TEST(ParseInteger, AcceptsBlanksSignAndDigitsOnly) {
  long long wide = 0;
  EXPECT_TRUE(ParseInteger(" -7", wide) && wide == -7) << wide;
  EXPECT_TRUE(ParseInteger("\t+42", wide) && wide == 42) << wide;
  for (const char* bad : {"", " ", "+", "+-3", "- 3", "3 ", "3a", "0x10", "99999999999999999999"}) {
    EXPECT_FALSE(ParseInteger(bad, wide)) << bad;
  }
  int narrow = 5;
  EXPECT_FALSE(ParseInteger("3000000000", narrow));
  EXPECT_EQ(narrow, 5);
  EXPECT_TRUE(ParseInteger("-2147483648", narrow));
  EXPECT_EQ(narrow, -2147483648LL);
}

TEST(TextHelpers, ConvertOnlyTheirOwnBytes) {
  EXPECT_EQ(CommaToPoint("1,5,x"), "1.5.x");
  EXPECT_EQ(UpperText("abz AZ 09 \xE9\xE7"), "ABZ AZ 09 \xE9\xE7");
  EXPECT_EQ(OemToWindowsText("\x87\x82\x8A\x83\x85\x88\x94\x93\x8C\x8B\x96\x81\xF8"),
            "\xE7\xE9\xE8\xE2\xE0\xEA\xF6\xF4\xEE\xEF\xFB\xFC\xB0");
  EXPECT_EQ(OemToWindowsText("Ab \x80\x84\x86\x89\x95\xE9\xB0"), "Ab \x80\x84\x86\x89\x95\xE9\xB0");
  EXPECT_EQ(TextToCoordinate(OemToWindowsText("5\xF8" "30'N")), 5.5);
}

// Every whole second from 0 to the limit in both hemispheres (zero only with
// the positive letter), written independently of DegreesToDms, reads back
// and is written again unchanged.
TEST(CoordinateTextRoundTrip, EveryWholeSecondReadsBackUnchanged) {
  const std::tuple<std::string (*)(double), int, char, char> axes[] = {{LongitudeToText, 180, 'E', 'O'},
                                                                       {LatitudeToText, 90, 'N', 'S'}};
  for (const auto& [toText, limit, positive, negative] : axes) {
    int failures = 0;
    for (int second = 0; second <= limit * 3600; ++second) {
      for (const char hemisphere : {positive, negative}) {
        if (second == 0 && hemisphere == negative) {
          continue;
        }
        char text[32];
        std::snprintf(text, sizeof text, "%02d\xB0%02d'%02d\"%c", second / 3600, second / 60 % 60, second % 60,
                      hemisphere);
        const std::string back = toText(TextToCoordinate(text));
        if (back != text && ++failures <= 10) {
          ADD_FAILURE() << text << " came back as " << back;
        }
      }
    }
    EXPECT_EQ(failures, 0);
  }
}

// Text keeps whole seconds, truncated: reading it back loses less than one
// second and never moves away from zero (beyond the near-second tolerance).
void ExpectWithinOneSecondBelow(double x, double back) {
  EXPECT_LE(std::fabs(back), std::fabs(x) + 1.01e-6 * kArcSecond) << x;
  EXPECT_GT(std::fabs(back), std::fabs(x) - kArcSecond) << x;
  if (std::fabs(x) >= kArcSecond) {
    EXPECT_EQ(back < 0, x < 0) << x;
  }
}

TEST(CoordinateTextRoundTrip, RandomValuesComeBackWithinOneSecondBelow) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> longitudes(-180, 180);
  std::uniform_real_distribution<double> latitudes(-90, 90);
  std::uniform_int_distribution<int> wholeSeconds(-180 * 3600, 180 * 3600);
  std::uniform_real_distribution<double> nudge(-1e-9, 1e-9);
  std::uniform_real_distribution<double> tinyNudge(-1e-11, 1e-11);
  for (int i = 0; i < 20000; ++i) {
    const double lon = longitudes(random);
    ExpectWithinOneSecondBelow(lon, TextToCoordinate(LongitudeToText(lon)));
    const double lat = latitudes(random);
    ExpectWithinOneSecondBelow(lat, TextToCoordinate(LatitudeToText(lat)));
    // Values right around a whole second are where truncation goes wrong.
    const double near = wholeSeconds(random) * kArcSecond + nudge(random);
    ExpectWithinOneSecondBelow(near, TextToCoordinate(LongitudeToText(near)));
    const double nearer = wholeSeconds(random) * kArcSecond + tinyNudge(random);
    ExpectWithinOneSecondBelow(nearer, TextToCoordinate(LongitudeToText(nearer)));
  }
}

}  // namespace
}  // namespace orvex
