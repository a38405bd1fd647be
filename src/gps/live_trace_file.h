#pragma once
// Each channel's fixes go live to a numbered file Traces/TraceN.gps, opened
// on the channel's first fix and kept open, one line per further fix.
#include <filesystem>
#include <string_view>

#include "gps/trace_table.h"

namespace orvex {

struct LiveTraceResult {
  // 0, or the system's error number when the Traces directory or the file
  // could not be created or the line not written: the fix is then not on disk.
  int Status = 0;
  // This fix created the file named in Traces::TraceFileName.
  bool FileCreated = false;
};

// One more than the largest number found among the entries of `directory`,
// each entry counting for the first run of digits in its name (0 without
// digits); 1 for an empty or missing directory.
long long NextTraceNumber(const std::filesystem::path& directory);

// The first fix of a channel (since start-up or since the channel's file was
// closed) creates the next numbered file, writes its two header lines and is
// not written itself; each further fix adds one line, flushed at once.
LiveTraceResult RecordTracePoint(Traces& traces, const std::filesystem::path& applicationDirectory, int channel,
                                 std::string_view time, double lon, double lat, double alt);

}  // namespace orvex
