// The scale bar: its text in the user's number format, its lines, and the
// distance it shows.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>

#include "mapview/layers.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

class ScaleBar : public ::testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(ScaleBar, LabelRoundsToFiveSignificantDigitsInTheUsersFormat) {
  struct Case { QLocale::Language language; double kilometres; const char* text; };
  // Five digits, then two decimals; no grouping.
  for (const Case& c : {Case{QLocale::French, 111.31958, "111,32 km"}, {QLocale::French, 1234.5678, "1234,60 km"},
                        {QLocale::French, 9999.96, "10000,00 km"},     {QLocale::French, 1.0, "1,00 km"},
                        {QLocale::French, 0.5234567, "523,5 m"},       {QLocale::French, 0.0123456, "12,3 m"},
                        {QLocale::French, 0.0, "0,0 m"},               {QLocale::English, 111.31958, "111.32 km"},
                        {QLocale::English, 0.5234567, "523.5 m"}}) {
    QLocale::setDefault(QLocale(c.language));
    EXPECT_EQ(ScaleBarLabel(c.kilometres), c.text) << c.kilometres;
  }
}

TEST_F(ScaleBar, BarTicksAndTheDistanceOfAHundredPixels) {
  QLocale::setDefault(QLocale(QLocale::French));
  Canvas canvas(300, 200);
  canvas.SetBrushColor(0x000000);  // as the redraw leaves it
  DrawScaleBar(canvas, testing::ViewOf(canvas, 100, 0, 0));
  constexpr int kRow = 170;
  for (int x = 30; x < 130; ++x) {
    ASSERT_EQ(testing::PixelAt(canvas, x, kRow), 0xFFFFFF) << x;
  }
  testing::ExpectPixels(canvas, {{30, kRow + 4, 0xFFFFFF}, {30, kRow - 4, 0xFFFFFF}, {30, kRow - 6, 0},
                                 {130, kRow + 4, 0xFFFFFF}, {130, kRow - 4, 0xFFFFFF}, {130, kRow - 6, 0},
                                 {131, kRow, 0}});
  // At zoom 100 on the equator, 100 pixels are one degree of longitude:
  // 6378.155 x pi / 180 = 111.32 km. The label, left of the right tick, must
  // read exactly that.
  const QFontInfo info(canvas.Font());
  ASSERT_TRUE(QFontDatabase::families().contains(info.family())) << info.family().toStdString();
  const QRect label(60, 171, 68, 20);
  EXPECT_GT(testing::CountInk(canvas, label), 20);
  Canvas expected(300, 200);
  expected.SetBrushColor(0x000000);
  expected.SetFontColor(0xFFFFFF);
  expected.TextOut(60, 171, "111,32 km");
  EXPECT_EQ(canvas.Image().copy(label), expected.Image().copy(label));
}

}  // namespace
}  // namespace orvex
