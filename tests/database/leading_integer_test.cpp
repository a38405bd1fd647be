#include "database/leading_integer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>

namespace orvex {
namespace {

TEST(EntierEnTete, ReadsTheDigitsAtTheStart) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  struct Case { std::string_view text; std::int32_t value; bool complet; };
  const Case cases[] = {
      {"", 0, false}, {"12", 12, true}, {"  12", 12, true}, {"-12", -12, true}, {"+7", 7, true}, {"007", 7, true},
      {"12 ", 12, false}, {"-12 ", 12, false}, {"3.5", 3, false}, {"5000,1,300", 5000, false},
      {"-12abc", 12, false},  // anything after the digits drops the sign
      {"$1F", 31, true}, {"0x1f", 31, true}, {"0X10", 16, true}, {"-$10", -16, true}, {"$1G", 1, false},
      {"$", 0, false}, {"abc", 0, false}, {"-", 0, false}, {"+-5", 0, false}, {"/", 0, false},
      {"2147483647", kMax, true}, {"-2147483648", kMin, true}, {"2147483648", 0, false},
      {"99999999999999999999999", 0, false}, {"$FFFFFFFF", 0, false},
  };
  for (const Case& c : cases) {
    bool complet = !c.complet;
    EXPECT_EQ(EntierEnTete(c.text, complet), c.value) << '"' << c.text << '"';
    EXPECT_EQ(complet, c.complet) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace orvex
