// The window-free steps of the pointer and keyboard handlers: zoom key steps,
// zooming on the pointed place, the zoom rectangle, navigation, scroll
// positions, label numbers, the entry checks and the xor figures. The labels
// themselves are read on the main window (tests/app).
#include <QLocale>

#include <gtest/gtest.h>

#include "mapview/entry_checks.h"
#include "mapview/locale_number.h"
#include "mapview/pointer_interaction.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

TEST(ZoomKeys, StepsTestTheRunningValue) {
  struct Case { std::int32_t zoom; std::int32_t up; std::int32_t down; };
  for (const Case& c : {Case{199, 200, 198}, {200, 206, 199}, {206, 212, 200}, {400, 416, 394}, {416, 432, 400},
                        {1000, 1066, 984}, {1066, 1132, 1000}, {49990, 50056, 49924}}) {
    EXPECT_EQ(ZoomStepUp(c.zoom), c.up) << c.zoom;
    EXPECT_EQ(ZoomStepDown(c.zoom), c.down) << c.zoom;
  }
  // Over a background the zoom is fixed; "+" still asks for a redraw, "-" does not.
  ProjectionState p;
  p.BackgroundActive = true;
  p.Zoom = 600;
  EXPECT_TRUE(PlusKey(p));
  EXPECT_FALSE(MinusKey(p));
  EXPECT_EQ(p.Zoom, 600);
}

TEST(ZoomPointe, ZoomsWhileBelowTheLimitAndAlwaysRecentres) {
  struct Case { std::int32_t zoom; std::int32_t in; std::int32_t out; };
  PointerInteraction s;
  s.PointerLongitude = 6.25;
  s.PointerLatitude = 49.5;
  for (const Case& c : {Case{600, 3000, 300}, {9999, 49995, 4999}, {10000, 10000, 5000}, {3, 15, 3}, {4, 20, 2}}) {
    ProjectionState in;
    ProjectionState out;
    in.Zoom = out.Zoom = c.zoom;
    ZoomPointe(in, s);
    DeZoomPointe(out, s);
    EXPECT_EQ(std::pair(in.Zoom, out.Zoom), std::pair(c.in, c.out)) << c.zoom;
    EXPECT_EQ(std::pair(in.CentreLongitude, out.CentreLatitude), std::pair(6.25, 49.5));
  }
}

// Equal longitudes keep the zoom (no division by a zero width); a sliver
// stops at the largest zoom.
TEST(ZoomRectangle, FitsTheLongitudesUnlessTheyAreEqual) {
  ProjectionState p;
  p.ImageWidth = 600;
  p.Zoom = 1000;
  ApplyZoomRectangle(p, {6.0, 49.5}, {6.0, 49.7});
  EXPECT_EQ(p.Zoom, 1000);
  EXPECT_DOUBLE_EQ(p.CentreLongitude, 6.0);
  EXPECT_DOUBLE_EQ(p.CentreLatitude, 49.6);
  ApplyZoomRectangle(p, {6.2, 49.0}, {6.1, 49.2});
  EXPECT_EQ(p.Zoom, 6000);
  EXPECT_DOUBLE_EQ(p.CentreLongitude, 6.15);
  ApplyZoomRectangle(p, {6.0, 49.0}, {6.00001, 49.0});
  EXPECT_EQ(p.Zoom, kMaxZoom);
}

TEST(Navigation, StepFollowsTheZoomAndBordersMoveTheCentre) {
  for (const auto& [zoom, step] : {std::pair{1, 0.3}, {30, 0.3}, {31, 0.2}, {200, 0.2}, {201, 0.05}, {500, 0.05},
                                   {501, 0.02}, {1000, 0.02}, {1001, 0.01}, {3001, 0.003}, {4001, 0.001},
                                   {6001, 0.0005}}) {
    EXPECT_EQ(NavigationStep(zoom), step) << zoom;
  }
  // Within 50 pixels of a border the centre moves by the step (0.3 at zoom 10).
  struct Case { int x; int y; double dLon; double dLat; };
  for (const Case& c : {Case{49, 200, -0.3, 0}, {50, 200, 0, 0}, {551, 200, 0.3, 0}, {300, 10, 0, 0.3},
                        {300, 351, 0, -0.3}, {10, 390, -0.3, -0.3}, {300, 200, 0, 0}}) {
    ProjectionState p = testing::View(10, 6, 49, 600, 400);
    EXPECT_EQ(NavigateAtBorder(p, c.x, c.y), c.dLon != 0 || c.dLat != 0) << c.x << "," << c.y;
    EXPECT_DOUBLE_EQ(p.CentreLongitude, 6 + c.dLon);
    EXPECT_DOUBLE_EQ(p.CentreLatitude, 49 + c.dLat);
  }
}

TEST(ScrollToPoint, OnlyForPixelsInsideThePicture) {
  struct Case { int x; int y; bool inside; int scrollX; int scrollY; };
  for (const Case& c : {Case{0, 10, false, 0, 0}, {10, 1500, false, 0, 0}, {1000, 900, true, 600, 600},
                        {100, 50, true, 0, 0}}) {
    const auto scroll = ScrollToPointPosition(c.x, c.y, 2000, 1500, 800, 600);
    ASSERT_EQ(scroll.has_value(), c.inside) << c.x << "," << c.y;
    if (scroll) {
      EXPECT_EQ(std::pair(scroll->x, scroll->y), std::pair(c.scrollX, c.scrollY)) << c.x << "," << c.y;
    }
  }
}

TEST(FixedNotation, RoundsOnceToTheCoarserOfDigitsAndDecimals) {
  struct Case { double value; int digits; int decimals; const char* c; const char* french; };
  const Case cases[] = {
      {6.125, 6, 5, "6.12500", "6,12500"},           {49.6123456, 6, 5, "49.61230", "49,61230"},
      {123.456789, 6, 5, "123.45700", "123,45700"},  {-0.1234549, 6, 5, "-0.12345", "-0,12345"},
      {-0.000001, 6, 5, "0.00000", "0,00000"},       {12345.678, 5, 2, "12346.00", "12346,00"},
      {15.0049, 5, 2, "15.00", "15,00"},             {0, 5, 2, "0.00", "0,00"},
  };
  for (const Case& c : cases) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(FixedNotation(c.value, c.digits, c.decimals).toStdString(), c.c) << c.value;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(FixedNotation(c.value, c.digits, c.decimals).toStdString(), c.french) << c.value;
  }
  QLocale::setDefault(QLocale::c());
}

TEST(EntryChecks, LocatorZoomAndLeadingInteger) {
  for (const auto& [text, valid] : {std::pair{"JO10XG", true}, {"jo10xg", true}, {"JOXXXG", true}, {"RR99XX", true},
                                    {"AA00AA", true}, {"JO10X", false}, {"JO10XGA", false}, {"SO10XG", false},
                                    {"JS10XG", false}, {"JO10YG", false}, {"JO10XY", false}, {"", false},
                                    {"1O10XG", false}}) {
    EXPECT_EQ(LocatorEntryValid(text), valid) << text;
  }
  for (const auto& [text, valid] : {std::pair{"1", true}, {"50000", true}, {"00600", true}, {"0", false},
                                    {"50001", false}, {"99999", false}, {"", false}, {"123456", false},
                                    {"12a", false}, {" 12", false}, {"-5", false}}) {
    EXPECT_EQ(ZoomEntryValid(text), valid) << text;
  }
  for (const auto& [text, value] : {std::pair<const char*, std::int32_t>{"", 0}, {"350", 350}, {"-12m", -12},
                                    {"  +7 ", 7}, {"abc", 0}, {"-", 0}, {"12-3", 12}, {"2147483647", 2147483647},
                                    {"-2147483648", INT32_MIN}, {"2147483648", 0}, {"99999999999999999999", 0}}) {
    EXPECT_EQ(LeadingSignedInteger(text), value) << text;
  }
}

// Every figure drawn twice leaves the picture as it was, over any content;
// the pen is back in copy mode in between.
TEST(RubberBand, XorFiguresEraseExactly) {
  const QImage before = testing::Noise(200, 150);
  Canvas canvas(200, 150);
  canvas.DrawImage(0, 0, before);
  for (const RubberBand& band :
       {RubberBand{RubberBand::Shape::Line, 10, 10, 180, 140, kRubberBandColour, 1},
        {RubberBand::Shape::Line, 150, 5, 30, 120, kRubberBandColourOverBackground, kRubberBandWidthOverBackground},
        {RubberBand::Shape::Rectangle, 160, 130, 15, 12, kRubberBandColour, 1}}) {
    DrawXorBand(canvas, band);
    EXPECT_NE(canvas.Image(), before);
    EXPECT_EQ(canvas.Mode(), PenMode::Copy);
    DrawXorBand(canvas, band);
    EXPECT_EQ(canvas.Image(), before);
  }
}

TEST(RubberBand, OverABackgroundTheLineIsWhiteAndWide) {
  ProjectionState p;
  PointerInteraction s;
  s.RubberBandWidth = 1;
  const RubberBand plain = MeasureLine(p, s);
  p.BackgroundActive = true;
  const RubberBand wide = MeasureLine(p, s);
  EXPECT_EQ(std::pair(plain.colour, plain.width), std::pair(kRubberBandColour, 1));
  EXPECT_EQ(std::pair(wide.colour, wide.width), std::pair(kRubberBandColourOverBackground, 2));
}

}  // namespace
}  // namespace orvex
