// The scale bar: its text in the user's number format, its lines, and the
// distance it shows.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>

#include "map_picture.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

using testing::CountInk;
using testing::PixelAt;
using testing::ViewOf;

class ScaleBar : public ::testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(ScaleBar, LabelRoundsToFiveSignificantDigitsInTheUsersFormat) {
  struct Case {
    QLocale::Language language;
    double kilometres;
    const char* text;
  };
  for (const Case& c : {
           Case{QLocale::French, 111.31958, "111,32 km"},
           {QLocale::French, 1234.5678, "1234,60 km"},  // five digits, then two decimals; no grouping
           {QLocale::French, 9999.96, "10000,00 km"},
           {QLocale::French, 1.0, "1,00 km"},
           {QLocale::French, 0.5234567, "523,5 m"},
           {QLocale::French, 0.0123456, "12,3 m"},
           {QLocale::French, 0.0, "0,0 m"},
           {QLocale::English, 111.31958, "111.32 km"},
           {QLocale::English, 0.5234567, "523.5 m"},
       }) {
    QLocale::setDefault(QLocale(c.language));
    EXPECT_EQ(ScaleBarLabel(c.kilometres), c.text) << c.kilometres;
  }
}

TEST_F(ScaleBar, BarTicksAndTheDistanceOfAHundredPixels) {
  QLocale::setDefault(QLocale(QLocale::French));
  constexpr int kWidth = 300;
  constexpr int kHeight = 200;
  Canvas canvas(kWidth, kHeight);
  canvas.SetBrushColor(0x000000);  // as the redraw leaves it
  const ProjectionState p = ViewOf(canvas, 100, 0, 0);
  DrawScaleBar(canvas, p);
  constexpr int kRow = kHeight - 30;
  for (int x = 30; x < 130; ++x) {
    ASSERT_EQ(PixelAt(canvas, x, kRow), 0xFFFFFF) << x;
  }
  for (const int x : {30, 130}) {
    EXPECT_EQ(PixelAt(canvas, x, kRow + 4), 0xFFFFFF) << x;
    EXPECT_EQ(PixelAt(canvas, x, kRow - 4), 0xFFFFFF) << x;
    EXPECT_EQ(PixelAt(canvas, x, kRow - 6), 0x000000) << x;
  }
  EXPECT_EQ(PixelAt(canvas, 131, kRow), 0x000000);
  const QRect label(60, kHeight - 29, 68, 20);  // left of the right tick
  EXPECT_GT(CountInk(canvas, label), 20);

  // At zoom 100 on the equator, 100 pixels are one degree of longitude:
  // 6378.155 x pi / 180 = 111.32 km. The label must read exactly that.
  const QFontInfo info(canvas.Font());
  ASSERT_TRUE(QFontDatabase::families().contains(info.family())) << info.family().toStdString();
  Canvas expected(kWidth, kHeight);
  expected.SetBrushColor(0x000000);
  expected.SetFontColor(0xFFFFFF);
  expected.TextOut(60, kHeight - 29, "111,32 km");
  EXPECT_EQ(canvas.Image().copy(label), expected.Image().copy(label));
}

}  // namespace
}  // namespace orvex
