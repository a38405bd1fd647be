// The altitude under a position: from the grid sample at or north-west of it,
// or from the nearest level-curve point.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <tuple>
#include <vector>

#include "terrain/dalles.h"

namespace orvex {
namespace {

constexpr FixedDegree kOne = 16384;
double Deg(double units) { return units / kOne; }

// 3 columns of 100 units from 1000, 2 rows of 50 units south from 5000.
TDalle Grid() {
  TDalle d;
  d.NbX = 3;
  d.NbY = 2;
  d.LgNO = 1000;
  d.LtNO = 5000;
  d.DLg = 100;
  d.DLt = 50;
  d.Alt = {{1, 2, 3}, {4, 5, 6}};
  return d;
}

TEST(AltitudeDuPointGrid, SampleAtOrNorthWestOfThePoint) {
  struct Case { const char* what; double lgUnits; double ltUnits; std::int32_t expected; };
  const Case cases[] = {
      {"north-west sample", 1000, 5000, 1},           {"inside the first cell", 1099, 4951, 1},
      {"next column", 1100, 5000, 2},                 {"south-east sample", 1200, 4950, 6},
      {"inside the last cell", 1299, 4901, 6},        {"less than a step west", 901, 5000, 1},
      {"a full step west", 900, 5000, 0},             {"less than a step north", 1000, 5049, 1},
      {"a full step north", 1000, 5050, 0},           {"one column past the east edge", 1300, 5000, 0},
      {"one row past the south edge", 1000, 4900, 0}, {"rounded to the next column", 1099.6, 5000, 2},
      {"rounded back to the first column", 1099.4, 5000, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AltitudeDuPoint(Grid(), Deg(c.lgUnits), Deg(c.ltUnits)), c.expected) << c.what;
  }
  TDalle south = Grid();  // west of Greenwich, south of the equator
  south.LgNO = -2 * kOne;
  south.LtNO = -40 * kOne;
  EXPECT_EQ(AltitudeDuPoint(south, -2.0 + Deg(150), -40.0 - Deg(60)), 5);
  EXPECT_EQ(AltitudeDuPoint(south, 2.0 + Deg(150), -40.0 - Deg(60)), 0);
}

TEST(AltitudeDuPointGrid, UnusableGridsAndPositionsGiveZero) {
  TDalle noStep = Grid();
  noStep.DLg = 0;
  TDalle noRowStep = Grid();
  noRowStep.DLt = 0;
  TDalle lying = Grid();
  lying.NbY = 5;  // more rows announced than held
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::tuple<const char*, TDalle, double, double> cases[] = {
      {"empty grid", TDalle{}, 0.0, 0.0},       {"no column step", noStep, Deg(1000), Deg(5000)},
      {"no row step", noRowStep, Deg(1000), Deg(5000)}, {"rows missing", lying, Deg(1000), Deg(4800)},
      {"NaN", Grid(), nan, Deg(5000)},          {"infinite", Grid(), Deg(1000), -inf},
      {"far off", Grid(), 1e300, Deg(5000)}};
  for (const auto& [what, grid, lon, lat] : cases) {
    EXPECT_EQ(AltitudeDuPoint(grid, lon, lat), 0) << what;
  }
}

TCourbeNiveau Curve(std::int32_t altitude, std::vector<TPointLtLg> points) {
  TCourbeNiveau c;
  c.Altitude = altitude;
  c.Points = std::move(points);
  return c;
}

TFichierLieux<TCourbeNiveau> Set(std::vector<TCourbeNiveau> curves) {
  TFichierLieux<TCourbeNiveau> f;
  f.Elements = std::move(curves);
  return f;
}

TEST(AltitudeDuPointCurves, NearestPointAndTies) {
  struct Case { const char* what; TTableNiveaux table; std::int32_t expected; };
  // The query point is (0, 0); points are (Lt, Lg).
  const TPointLtLg east{0, kOne};
  const TPointLtLg west{0, -kOne};
  const TPointLtLg north{kOne, 0};
  const Case cases[] = {
      {"empty table", {}, 0},
      {"set without curves", {{Set({})}}, 0},
      {"curve without points", {{Set({Curve(50, {})})}}, 0},
      {"tie across sets, first set wins", {{Set({Curve(100, {east})}), Set({Curve(200, {west})})}}, 100},
      {"tie across sets, other order", {{Set({Curve(200, {west})}), Set({Curve(100, {east})})}}, 200},
      {"tie across curves of a set", {{Set({Curve(300, {north}), Curve(400, {east})})}}, 300},
      {"tie within a curve", {{Set({Curve(500, {east, west})})}}, 500},
      {"nearer point visited later", {{Set({Curve(100, {east}), Curve(700, {TPointLtLg{0, kOne / 2}})})}}, 700},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AltitudeDuPoint(c.table, std::nullopt, 0.0, 0.0), c.expected) << c.what;
  }
  // At 60 degrees north the ground distance would make the point 0.9 degree
  // east nearer than the one 0.6 degree north: the distance is in plain degrees.
  const TTableNiveaux north60{{Set({Curve(100, {{60 * kOne, 14746}}), Curve(200, {{60 * kOne + 9830, 0}})})}};
  EXPECT_EQ(AltitudeDuPoint(north60, std::nullopt, 0.0, 60.0), 200);
}

TEST(AltitudeDuPointCurves, WindowKeepsOnlyPointsStrictlyInside) {
  const TTableNiveaux table{{Set({Curve(100, {TPointLtLg{0, 0}}), Curve(200, {TPointLtLg{2 * kOne, 2 * kOne}})})}};
  const std::pair<std::optional<FenetreVisible>, std::int32_t> cases[] = {
      {std::nullopt, 100}, {FenetreVisible{1.0, 3.0, 1.0, 3.0}, 200},
      {FenetreVisible{0.0, 3.0, -1.0, 3.0}, 200},  // the first point on the edge
      {FenetreVisible{10.0, 11.0, 10.0, 11.0}, 0}};
  for (const auto& [window, expected] : cases) {
    EXPECT_EQ(AltitudeDuPoint(table, window, 0.1, 0.1), expected) << window.has_value();
  }
}

TEST(AltitudeDuPoint, DisplayFlagChoosesTheSourceNotTheGridPresence) {
  const TTableNiveaux table{{Set({Curve(900, {TPointLtLg{0, 0}})})}};
  EXPECT_EQ(AltitudeDuPoint(false, Grid(), table, std::nullopt, Deg(1000), Deg(5000)), 900);
  EXPECT_EQ(AltitudeDuPoint(true, Grid(), table, std::nullopt, Deg(1000), Deg(5000)), 1);
  EXPECT_EQ(AltitudeDuPoint(true, Grid(), table, std::nullopt, 0.0, 0.0), 0);
  EXPECT_EQ(AltitudeDuPoint(true, TDalle{}, table, std::nullopt, 0.0, 0.0), 0);
}

}  // namespace
}  // namespace orvex
