// GPS files over arbitrary bytes, read into channel 0 while channel 1 is the
// live one: no point beyond one per line, times cut to six characters, the
// other channel untouched.
#include <cstdint>

#include "gps/gps_file.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("gps");
  orvex::Traces traces;
  orvex::ResetTraces(traces, 2);
  traces.CurrentChannel = 1;
  orvex::AppendTracePoint(traces, 1, "120000", 6.1, 49.6, 300);
  orvex::fuzz::Require(orvex::ReadGpsFile(traces, scratch.Hold(data, size)) == 0);
  orvex::fuzz::Require(traces.TraceTable[0].size() <= orvex::fuzz::LineCount(orvex::fuzz::AsText(data, size)));
  for (const orvex::TracePoint& point : traces.TraceTable[0]) {
    orvex::fuzz::Require(point.Time.size() <= orvex::kTraceTimeLength);
  }
  orvex::fuzz::Require(traces.TraceTable[1].size() == 1);
  return 0;
}
