#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "terrain/dalles.h"

namespace orvex {
namespace {

double Deg(double units) { return units / 16384.0; }

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
  struct Case {
    const char* what;
    double lgUnits;
    double ltUnits;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"north-west sample", 1000, 5000, 1},
      {"inside the first cell", 1099, 4951, 1},
      {"next column", 1100, 5000, 2},
      {"south-east sample", 1200, 4950, 6},
      {"inside the last cell", 1299, 4901, 6},
      {"less than a step west", 901, 5000, 1},
      {"a full step west", 900, 5000, 0},
      {"less than a step north", 1000, 5049, 1},
      {"a full step north", 1000, 5050, 0},
      {"one column past the east edge", 1300, 5000, 0},
      {"one row past the south edge", 1000, 4900, 0},
      {"rounded to the next column", 1099.6, 5000, 2},
      {"rounded back to the first column", 1099.4, 5000, 1},
  };
  const TDalle d = Grid();
  for (const Case& c : cases) {
    EXPECT_EQ(AltitudeDuPoint(d, Deg(c.lgUnits), Deg(c.ltUnits)), c.expected) << c.what;
  }
}

TEST(AltitudeDuPointGrid, NegativeCorner) {
  TDalle d = Grid();
  d.LgNO = -2 * 16384;
  d.LtNO = -40 * 16384;
  EXPECT_EQ(AltitudeDuPoint(d, -2.0 + Deg(150), -40.0 - Deg(60)), 5);
  EXPECT_EQ(AltitudeDuPoint(d, 2.0 + Deg(150), -40.0 - Deg(60)), 0);
}

TEST(AltitudeDuPointGrid, UnusableGridsGiveZero) {
  TDalle noStep = Grid();
  noStep.DLg = 0;
  TDalle noRowStep = Grid();
  noRowStep.DLt = 0;
  TDalle lying = Grid();
  lying.NbY = 5;  // more rows announced than held
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();

  EXPECT_EQ(AltitudeDuPoint(TDalle{}, 0.0, 0.0), 0);
  EXPECT_EQ(AltitudeDuPoint(noStep, Deg(1000), Deg(5000)), 0);
  EXPECT_EQ(AltitudeDuPoint(noRowStep, Deg(1000), Deg(5000)), 0);
  EXPECT_EQ(AltitudeDuPoint(lying, Deg(1000), Deg(4800)), 0);
  EXPECT_EQ(AltitudeDuPoint(Grid(), nan, Deg(5000)), 0);
  EXPECT_EQ(AltitudeDuPoint(Grid(), Deg(1000), -inf), 0);
  EXPECT_EQ(AltitudeDuPoint(Grid(), 1e300, Deg(5000)), 0);
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

constexpr FixedDegree kOne = 16384;

TEST(AltitudeDuPointCurves, NearestPointAndTies) {
  struct Case {
    const char* what;
    TTableNiveaux table;
    std::int32_t expected;
  };
  // The query point is (0, 0); points are (Lt, Lg).
  const TPointLtLg east{0, kOne};
  const TPointLtLg west{0, -kOne};
  const TPointLtLg north{kOne, 0};
  const TPointLtLg nearer{0, kOne / 2};
  const Case cases[] = {
      {"empty table", {}, 0},
      {"set without curves", {{Set({})}}, 0},
      {"curve without points", {{Set({Curve(50, {})})}}, 0},
      {"tie across sets, first set wins", {{Set({Curve(100, {east})}), Set({Curve(200, {west})})}}, 100},
      {"tie across sets, other order", {{Set({Curve(200, {west})}), Set({Curve(100, {east})})}}, 200},
      {"tie across curves of a set", {{Set({Curve(300, {north}), Curve(400, {east})})}}, 300},
      {"tie within a curve", {{Set({Curve(500, {east, west})})}}, 500},
      {"nearer point visited later", {{Set({Curve(100, {east}), Curve(700, {nearer})})}}, 700},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AltitudeDuPoint(c.table, std::nullopt, 0.0, 0.0), c.expected) << c.what;
  }
}

TEST(AltitudeDuPointCurves, DistanceInPlainDegreesWithoutCosine) {
  // At 60 degrees north a longitude degree is half a latitude degree on the
  // ground, which would make the eastern point the nearer one.
  const TPointLtLg east{60 * kOne, 14746};        // 0.9 degree east
  const TPointLtLg north{60 * kOne + 9830, 0};    // 0.6 degree north
  const TTableNiveaux table{{Set({Curve(100, {east}), Curve(200, {north})})}};
  EXPECT_EQ(AltitudeDuPoint(table, std::nullopt, 0.0, 60.0), 200);
}

TEST(AltitudeDuPointCurves, WindowKeepsOnlyPointsStrictlyInside) {
  TTableNiveaux table{{Set({Curve(100, {TPointLtLg{0, 0}}), Curve(200, {TPointLtLg{2 * kOne, 2 * kOne}})})}};
  const FenetreVisible aroundSecond{1.0, 3.0, 1.0, 3.0};
  const FenetreVisible firstOnEdge{0.0, 3.0, -1.0, 3.0};
  const FenetreVisible empty{10.0, 11.0, 10.0, 11.0};

  EXPECT_EQ(AltitudeDuPoint(table, std::nullopt, 0.1, 0.1), 100);
  EXPECT_EQ(AltitudeDuPoint(table, aroundSecond, 0.1, 0.1), 200);
  EXPECT_EQ(AltitudeDuPoint(table, firstOnEdge, 0.1, 0.1), 200);
  EXPECT_EQ(AltitudeDuPoint(table, empty, 0.1, 0.1), 0);
}

TEST(AltitudeDuPoint, DisplayFlagChoosesTheSourceNotTheGridPresence) {
  const TTableNiveaux table{{Set({Curve(900, {TPointLtLg{0, 0}})})}};
  const TDalle grid = Grid();
  EXPECT_EQ(AltitudeDuPoint(false, grid, table, std::nullopt, Deg(1000), Deg(5000)), 900);
  EXPECT_EQ(AltitudeDuPoint(true, grid, table, std::nullopt, Deg(1000), Deg(5000)), 1);
  EXPECT_EQ(AltitudeDuPoint(true, grid, table, std::nullopt, 0.0, 0.0), 0);
  EXPECT_EQ(AltitudeDuPoint(true, TDalle{}, table, std::nullopt, 0.0, 0.0), 0);
}

}  // namespace
}  // namespace orvex
