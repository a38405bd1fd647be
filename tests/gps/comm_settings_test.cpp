#include "gps/comm_settings.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(ParseCommSettings, ReadsRateParityDataAndStopBits) {
  const struct {
    const char* text;
    int baudRate;
    char parity;
    int dataBits;
    StopBits stop;
  } cases[] = {{"9600,n,8,1", 9600, 'N', 8, StopBits::One},     {"4800,E,7,2", 4800, 'E', 7, StopBits::Two},
               {"50,O,5,1", 50, 'O', 5, StopBits::One},         {"1200,m,6,1.5", 1200, 'M', 6, StopBits::OneAndHalf},
               {" 2400 , s , 8 , 1 ", 2400, 'S', 8, StopBits::One}};
  for (const auto& c : cases) {
    const auto settings = ParseCommSettings(c.text);
    ASSERT_TRUE(settings.has_value()) << c.text;
    EXPECT_EQ(settings->BaudRate, c.baudRate) << c.text;
    EXPECT_EQ(settings->Parity, c.parity) << c.text;
    EXPECT_EQ(settings->DataBits, c.dataBits) << c.text;
    EXPECT_EQ(settings->Stop, c.stop) << c.text;
  }
}

TEST(ParseCommSettings, RefusesWhatALineCannotUse) {
  for (const char* text : {"", "9600", "9600,n,8", "9600,n,8,1,0", "fast,n,8,1", "0,n,8,1", "-9600,n,8,1",
                           "9600,x,8,1", "9600,no,8,1", "9600,,8,1", "9600,n,4,1", "9600,n,9,1", "9600,n,8,3",
                           "9600,n,8,", "9600;n;8;1"}) {
    EXPECT_FALSE(ParseCommSettings(text).has_value()) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace orvex
