#pragma once
// The traces held in memory: the fixes received per channel with their live
// files, and the polyline drawn with the mouse. One record, owned by the main
// window; tests build their own.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "geo/fixed_degree.h"

namespace orvex {

inline constexpr std::size_t kTraceTimeLength = 6;  // NMEA hhmmss

struct TracePoint {
  FixedDegree Lon = 0;
  FixedDegree Lat = 0;
  std::int32_t Alt = 0;  // metres
  std::string Time;      // at most kTraceTimeLength characters
};

struct DrawnPoint {
  FixedDegree Lon = 0;
  FixedDegree Lat = 0;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using LiveTraceFile = std::unique_ptr<std::FILE, FileCloser>;

struct Traces {
  std::vector<std::vector<TracePoint>> TraceTable;  // one list per channel
  int CurrentChannel = 0;
  int TracePointCount = 0;                          // points of the current channel
  std::vector<LiveTraceFile> TraceFiles;            // per channel; null while not open
  std::filesystem::path TraceFileName;              // the last live file created
  std::vector<DrawnPoint> DrawnTrace;
};

// `channelCount` empty channels (at least one), every live file closed,
// channel 0 current; the drawn trace is kept.
void ResetTraces(Traces& traces, int channelCount);

bool IsValidChannel(const Traces& traces, int channel);
bool TraceFileOpen(const Traces& traces, int channel);
// The next live fix of the channel then starts a new numbered file.
void CloseTraceFile(Traces& traces, int channel);

// Nearest whole metre, halves away from zero (544.5 is 545 in the panel, the
// trace, its file and the landing test alike), saturated to 32 bits.
std::int32_t WholeMetres(double altitude);

// Adds one fix to the channel's list (positions rounded to FixedDegree, the
// time cut to six characters). False, and nothing changed, for a channel the
// table does not have.
bool AppendTracePoint(Traces& traces, int channel, std::string_view time, double lon, double lat, double alt);

// Empties the channel's list (its live file stays as it is).
void ClearTraceChannel(Traces& traces, int channel);

void AddDrawnTracePoint(Traces& traces, double lon, double lat);

}  // namespace orvex
