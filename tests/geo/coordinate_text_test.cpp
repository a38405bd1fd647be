#include "geo/coordinate_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace orvex {
namespace {

constexpr double kArcSecond = 1.0 / 3600;

struct DmsCase {
  double value;
  const char* text;
};

TEST(DegreesToDms, TruncatesEachStageAndCountsNearWholeSecondsAsWhole) {
  const DmsCase cases[] = {
      {2.5, "02\xB0" "30'00\""},
      {-0.5, "00\xB0" "30'00\""},
      {0, "00\xB0" "00'00\""},
      {123.25, "123\xB0" "15'00\""},
      {45.999999, "45\xB0" "59'59\""},
      // 0.7 * 60 lands a hair below 42 in doubles: still 42 minutes.
      {1.7, "01\xB0" "42'00\""},
      // A thousand times the tolerance below the same second stays below it.
      {1.7 - 1e-9, "01\xB0" "41'59\""},
      // Within the tolerance of a whole degree: seconds and minutes carry.
      {45.99999999999999, "46\xB0" "00'00\""},
      {10 + 59.0 / 60 + 59.9999999999 / 3600, "11\xB0" "00'00\""},
      {7 + 3.0 / 60 + 9.0 / 3600, "07\xB0" "03'09\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DegreesToDms(c.value), c.text) << c.value;
  }
}

TEST(CoordinateToText, HemisphereLetterFollowsTheSign) {
  EXPECT_EQ(LongitudeToText(0), "00\xB0" "00'00\"E");
  EXPECT_EQ(LongitudeToText(-0.5), "00\xB0" "30'00\"O");
  EXPECT_EQ(LongitudeToText(180), "180\xB0" "00'00\"E");
  EXPECT_EQ(LongitudeToText(-179.5), "179\xB0" "30'00\"O");
  EXPECT_EQ(LatitudeToText(-0.0001), "00\xB0" "00'00\"S");
  EXPECT_EQ(LatitudeToText(45.5), "45\xB0" "30'00\"N");
  EXPECT_EQ(LatitudeToText(-90), "90\xB0" "00'00\"S");
}

TEST(TwoDigits, PadsOnlySingleCharacterTexts) {
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(0), "00");
  EXPECT_EQ(TwoDigits(12), "12");
  EXPECT_EQ(TwoDigits(123), "123");
  EXPECT_EQ(TwoDigits(-5), "-5");
}

struct ReadCase {
  const char* text;
  double value;
};

TEST(TextToCoordinate, ReadsDmsAndDecimalTexts) {
  const ReadCase cases[] = {
      {"5\xB0" "30'E", 5.5},
      {"5\xB0" "30'O", -5.5},
      {"5\xB0" "30'w", -5.5},
      {"5\xB0" "30'W", -5.5},
      {"5\xB0" "30'n", 5.5},
      {"5\xB0" "30'12\"S", -(5 + 30.0 / 60 + 12.0 / 3600)},
      {"5\xB0" "30'12\"O", -(5 + 30.0 / 60 + 12.0 / 3600)},
      {"5\xF8" "30'N", 5.5},
      {"+5\xB0" "30'N", 5.5},
      {" 7\xB0 5' 3\"E", 7 + 5.0 / 60 + 3.0 / 3600},
      {"5\xB0" "30'12N", 5.5},  // no second mark: no seconds
      {"-5\xB0" "30'N", -4.5},  // the minus sign stays on the degrees
      {"45,25", 45.25},
      {"-0,5", -0.5},
      {" 12.5", 12.5},
      {"1e2", 100},
      {".5", 0.5},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(TextToCoordinate(c.text), c.value) << c.text;
  }
}

TEST(TextToCoordinate, UnreadableTextGivesZero) {
  const char* const cases[] = {
      "5\xB0" "E",               // no minute mark
      "x\xB0" "30'N",            // degrees not a number
      "5\xB0" "3x'N",            // minutes not a number
      "5\xB0" "30'ab\"N",        // seconds not a number
      "5\xB0" "30'15.5\"N",      // seconds are whole numbers
      "5\xB0" "30'",             // no hemisphere letter after the minute mark
      "99999999999999999999\xB0" "00'N",
      "45.25E",
      "",
      "abc",
      "12 ",
      "+-5",
      "-",
      "inf",
      "nan",
      "1e400",
      "1,234.5",
  };
  for (const char* text : cases) {
    EXPECT_EQ(TextToCoordinate(text), 0) << text;
  }
}

TEST(ParseInteger, AcceptsBlanksSignAndDigitsOnly) {
  long long wide = 0;
  EXPECT_TRUE(ParseInteger(" -7", wide));
  EXPECT_EQ(wide, -7);
  EXPECT_TRUE(ParseInteger("\t+42", wide));
  EXPECT_EQ(wide, 42);
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

// The text every whole second of the range writes, built independently of
// DegreesToDms.
std::string WholeSecondText(int degrees, int minutes, int seconds, char hemisphere) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d\xB0%02d'%02d\"%c", degrees, minutes, seconds, hemisphere);
  return text;
}

// Calls check(text) for every whole-second text from 0 up to `limit` degrees in
// both hemispheres; zero is written only with the positive letter.
template <typename Check>
void ForEveryWholeSecond(int limit, char positive, char negative, Check check) {
  for (int d = 0; d <= limit; ++d) {
    const int lastMinute = d == limit ? 0 : 59;
    for (int m = 0; m <= lastMinute; ++m) {
      const int lastSecond = d == limit ? 0 : 59;
      for (int s = 0; s <= lastSecond; ++s) {
        check(WholeSecondText(d, m, s, positive));
        if (d != 0 || m != 0 || s != 0) {
          check(WholeSecondText(d, m, s, negative));
        }
      }
    }
  }
}

TEST(CoordinateTextRoundTrip, EveryWholeSecondLongitudeReadsBackUnchanged) {
  int failures = 0;
  ForEveryWholeSecond(180, 'E', 'O', [&](const std::string& text) {
    const std::string back = LongitudeToText(TextToCoordinate(text));
    if (back != text && ++failures <= 10) {
      ADD_FAILURE() << text << " came back as " << back;
    }
  });
  EXPECT_EQ(failures, 0);
}

TEST(CoordinateTextRoundTrip, EveryWholeSecondLatitudeReadsBackUnchanged) {
  int failures = 0;
  ForEveryWholeSecond(90, 'N', 'S', [&](const std::string& text) {
    const std::string back = LatitudeToText(TextToCoordinate(text));
    if (back != text && ++failures <= 10) {
      ADD_FAILURE() << text << " came back as " << back;
    }
  });
  EXPECT_EQ(failures, 0);
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
