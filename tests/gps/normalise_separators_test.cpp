#include "gps/normalise_separators.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orvex {
namespace {

TEST(NormaliseSeparators, EveryRunOfSpacesAndCommasBecomesOneComma) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},          {"abc", "abc"},        {"a b", "a,b"}, {"a,b", "a,b"}, {"a , ,  b", "a,b"},
      {"a,,,b,c", "a,b,c"}, {"  a b  ", ",a,b,"}, {",a,", ",a,"}, {" ", ","},     {", ,", ","},
      {"a\tb", "a\tb"},  // tabs and other bytes are not separators
      {"48\xB0" "07'02\"N 011\xB0" "31'00\"E", "48\xB0" "07'02\"N,011\xB0" "31'00\"E"},
      {"123519 123519 a  b 545 ", "123519,123519,a,b,545,"},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(NormaliseSeparators(line), expected) << '"' << line << '"';
  }
}

TEST(TakeField, SplitsAtEachCommaAndEndsWithTheRest) {
  std::string_view rest = "a,,bc,d";
  std::vector<std::string> fields;
  while (!rest.empty()) {
    fields.emplace_back(TakeField(rest));
  }
  EXPECT_EQ(fields, (std::vector<std::string>{"a", "", "bc", "d"}));
  EXPECT_EQ(TakeField(rest), "");
}

}  // namespace
}  // namespace orvex
