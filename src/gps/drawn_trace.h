#pragma once
// TRACE files: the polyline drawn with the mouse, one "latitude,longitude"
// line per point in decimal degrees after a "/" header line naming the file.
#include <filesystem>
#include <string>
#include <vector>

#include "gps/trace_table.h"
#include "platform/dialogs.h"

namespace orvex {

struct TraceFileReading {
  // 0, or the system's error number when the file cannot be read (the trace
  // is then untouched).
  int Status = 0;
  // Set (UTF-8) when a latitude lies outside -90..90: the file is not a TRACE
  // file and the trace is left empty.
  std::string Warning;
};

// Degrees with five decimals and at most seven significant digits, "." as
// the decimal separator, whatever the locale.
std::string TraceCoordinateText(double degrees);

// Creates or replaces the file. Returns 0 or the system's error number.
int WriteTraceFile(const std::filesystem::path& file, const std::vector<DrawnPoint>& trace);

// Data lines give latitude and longitude, decimal or degree-minute-second;
// anything after them on the line is ignored. A comment line that ends the
// file is read as a point too, as files have always been read.
TraceFileReading ReadTraceFile(const std::filesystem::path& file, std::vector<DrawnPoint>& trace);
// The same, the structure warning shown through `dialogs`.
int ReadTraceFile(const std::filesystem::path& file, std::vector<DrawnPoint>& trace, Dialogs& dialogs);

}  // namespace orvex
