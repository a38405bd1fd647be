#include "gps/trace_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvex {
namespace {

void RefreshTracePointCount(Traces& traces) {
  traces.TracePointCount = IsValidChannel(traces, traces.CurrentChannel)
                               ? static_cast<int>(traces.TraceTable[traces.CurrentChannel].size())
                               : 0;
}

}  // namespace

void ResetTraces(Traces& traces, int channelCount) {
  const auto count = static_cast<std::size_t>(std::max(channelCount, 1));
  traces.TraceTable.assign(count, {});
  traces.TraceFiles.clear();
  traces.TraceFiles.resize(count);
  traces.CurrentChannel = 0;
  traces.TracePointCount = 0;
}

bool IsValidChannel(const Traces& traces, int channel) {
  return channel >= 0 && static_cast<std::size_t>(channel) < traces.TraceTable.size();
}

bool TraceFileOpen(const Traces& traces, int channel) {
  return channel >= 0 && static_cast<std::size_t>(channel) < traces.TraceFiles.size() &&
         traces.TraceFiles[channel] != nullptr;
}

void CloseTraceFile(Traces& traces, int channel) {
  if (TraceFileOpen(traces, channel)) {
    traces.TraceFiles[channel].reset();
  }
}

std::int32_t WholeMetres(double altitude) {
  const double rounded = std::round(altitude);
  if (!(rounded == rounded)) {
    return 0;
  }
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(rounded, kLowest, kHighest));
}

bool AppendTracePoint(Traces& traces, int channel, std::string_view time, double lon, double lat, double alt) {
  if (!IsValidChannel(traces, channel)) {
    return false;
  }
  traces.TraceTable[channel].push_back(
      {ToFixed(lon), ToFixed(lat), WholeMetres(alt), std::string(time.substr(0, kTraceTimeLength))});
  RefreshTracePointCount(traces);
  return true;
}

void ClearTraceChannel(Traces& traces, int channel) {
  if (IsValidChannel(traces, channel)) {
    traces.TraceTable[channel].clear();
    RefreshTracePointCount(traces);
  }
}

void AddDrawnTracePoint(Traces& traces, double lon, double lat) {
  traces.DrawnTrace.push_back({ToFixed(lon), ToFixed(lat)});
}

}  // namespace orvex
