#include "database/fast_coordinate.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

void ExpectSameAsLongWay(const std::string& text) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(CoordonneeTexte(text)), std::bit_cast<std::uint64_t>(TextToCoordinate(text)))
      << '"' << text << '"';
  EXPECT_EQ(std::bit_cast<std::uint64_t>(DecimalTexte(text)), std::bit_cast<std::uint64_t>(DecimalToDegrees(text)))
      << '"' << text << '"';
}

TEST(CoordonneeTexte, EqualsTextToCoordinateOnEveryShape) {
  const char* texts[] = {
      "45.5", "-0.000061", "6.1234567", "  12.25", "\t-3", "+4.5", "1.", "-.5", ".5", "+.5", "-0", "-0.0", "0",
      "+-5", "--5", "45,5", "45.5 ", "4 5", "", "-", ".", "+", "1e3", "1E-3", "nan", "inf", "0x10",
      "45\xB0" "30'00\"N", "6\xF8" "15'00\"O", "0.1", "0.2", "0.3", "123456789012345", "1234567890123456",
      "999999999999999", "0.000000000000001", "0.0000000000000001", "000000000000045.5", "45.5.5", "180.0000000",
      "-179.99999999999", "90.00006103515625", "5\x80",
  };
  for (const char* text : texts) {
    ExpectSameAsLongWay(text);
  }
}

TEST(CoordonneeTexte, EqualsTextToCoordinateOnRandomDecimals) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> digitCount(1, 17);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> coin(0, 3);
  for (int i = 0; i < 200000; ++i) {
    const int count = digitCount(random);
    std::uniform_int_distribution<int> pointAt(0, count);
    const int point = pointAt(random);
    std::string text = coin(random) == 0 ? "-" : "";
    for (int k = 0; k < count; ++k) {
      if (k == point) {
        text += '.';
      }
      text += static_cast<char>('0' + digit(random));
    }
    ExpectSameAsLongWay(text);
  }
}

}  // namespace
}  // namespace orvex
