#include "gps/trace_table.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(AppendTracePoint, RoundsPositionAndAltitudeAndCutsTheTime) {
  Traces traces;
  ResetTraces(traces, 2);
  ASSERT_TRUE(AppendTracePoint(traces, 0, "123519.00", 11.516666, 48.117222, 544.5));
  ASSERT_TRUE(AppendTracePoint(traces, 0, "12", -1.25, -0.5 / 16384, -3.5));
  const auto& points = traces.TraceTable[0];
  ASSERT_EQ(points.size(), 2u);
  // 11.516666 * 16384 = 188689.06, 48.117222 * 16384 = 788352.6; half a metre rounds away from 0.
  EXPECT_EQ(std::tie(points[0].Lon, points[0].Lat, points[0].Alt, points[0].Time),
            std::make_tuple(188689, 788353, 545, "123519"));
  EXPECT_EQ(std::tie(points[1].Lon, points[1].Lat, points[1].Alt, points[1].Time),
            std::make_tuple(-20480, 0, -4, "12"));
  EXPECT_EQ(traces.TracePointCount, 2);
}

TEST(AppendTracePoint, CountsTheCurrentChannelOnlyAndRefusesUnknownChannels) {
  Traces traces;
  ResetTraces(traces, 2);
  AppendTracePoint(traces, 1, "1", 1, 1, 0);
  EXPECT_EQ(traces.TracePointCount, 0);
  traces.CurrentChannel = 1;
  AppendTracePoint(traces, 1, "2", 1, 1, 0);
  EXPECT_EQ(traces.TracePointCount, 2);
  EXPECT_FALSE(AppendTracePoint(traces, 2, "3", 1, 1, 0));
  EXPECT_FALSE(AppendTracePoint(traces, -1, "3", 1, 1, 0));
  EXPECT_EQ(traces.TraceTable[0].size() + traces.TraceTable[1].size(), 2u);
  ClearTraceChannel(traces, 1);
  EXPECT_EQ(traces.TracePointCount, 0);
}

}  // namespace
}  // namespace orvex
