// TRACE files over arbitrary bytes; a trace that was read and lies on the
// globe is written and read back to the same points, within the rounding of
// the file's decimals.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "gps/drawn_trace.h"
#include "place_lines.h"
#include "scratch_file.h"

namespace {

bool OnGlobe(const std::vector<orvex::DrawnPoint>& trace) {
  for (const orvex::DrawnPoint& point : trace) {
    if (std::abs(point.Lon) > orvex::kFixedLon180 || std::abs(point.Lat) > orvex::kFixedLat90) {
      return false;
    }
  }
  return true;
}

bool Near(orvex::FixedDegree a, orvex::FixedDegree b) { return std::abs(static_cast<long long>(a) - b) <= 1; }

void CheckRoundTrip(const std::vector<orvex::DrawnPoint>& trace) {
  static const orvex::fuzz::ScratchFile copy("trace-copy");
  orvex::fuzz::Require(orvex::WriteTraceFile(copy.path(), trace) == 0);
  std::vector<orvex::DrawnPoint> again;
  const orvex::TraceFileReading reading = orvex::ReadTraceFile(copy.path(), again);
  orvex::fuzz::Require(reading.Status == 0 && reading.Warning.empty() && again.size() == trace.size());
  for (std::size_t i = 0; i < trace.size(); ++i) {
    orvex::fuzz::Require(Near(again[i].Lon, trace[i].Lon) && Near(again[i].Lat, trace[i].Lat));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("trace");
  std::vector<orvex::DrawnPoint> trace;
  const orvex::TraceFileReading reading = orvex::ReadTraceFile(scratch.Hold(data, size), trace);
  orvex::fuzz::Require(reading.Status == 0);
  orvex::fuzz::Require(trace.size() <= orvex::fuzz::LineCount(orvex::fuzz::AsText(data, size)));
  if (reading.Warning.empty() && !trace.empty() && OnGlobe(trace)) {
    CheckRoundTrip(trace);
  }
  return 0;
}
