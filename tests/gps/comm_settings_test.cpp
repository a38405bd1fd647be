#include "gps/comm_settings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvex {
namespace {

struct SettingsCase {
  const char* text;
  int baudRate;
  char parity;
  int dataBits;
  StopBits stop;
};

void PrintTo(const SettingsCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ReadableSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(ReadableSettings, Parse) {
  const SettingsCase& c = GetParam();
  const auto settings = ParseCommSettings(c.text);
  ASSERT_TRUE(settings.has_value());
  EXPECT_EQ(settings->BaudRate, c.baudRate);
  EXPECT_EQ(settings->Parity, c.parity);
  EXPECT_EQ(settings->DataBits, c.dataBits);
  EXPECT_EQ(settings->Stop, c.stop);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadableSettings,
                         ::testing::Values(SettingsCase{"9600,n,8,1", 9600, 'N', 8, StopBits::One},
                                           SettingsCase{"4800,E,7,2", 4800, 'E', 7, StopBits::Two},
                                           SettingsCase{"50,O,5,1", 50, 'O', 5, StopBits::One},
                                           SettingsCase{"1200,m,6,1.5", 1200, 'M', 6, StopBits::OneAndHalf},
                                           SettingsCase{" 2400 , s , 8 , 1 ", 2400, 'S', 8, StopBits::One}));

class UnreadableSettings : public ::testing::TestWithParam<std::string> {};

TEST_P(UnreadableSettings, Refused) { EXPECT_FALSE(ParseCommSettings(GetParam()).has_value()); }

INSTANTIATE_TEST_SUITE_P(Cases, UnreadableSettings,
                         ::testing::Values("", "9600", "9600,n,8", "9600,n,8,1,0", "fast,n,8,1", "0,n,8,1",
                                           "-9600,n,8,1", "9600,x,8,1", "9600,no,8,1", "9600,,8,1", "9600,n,4,1",
                                           "9600,n,9,1", "9600,n,8,3", "9600,n,8,", "9600;n;8;1"));

}  // namespace
}  // namespace orvex
