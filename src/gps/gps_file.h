#pragma once
// GPS files: the live trace files and the Garmin track files, read back into
// channel 0. Each data line holds a time, a time, a latitude, a longitude
// and an altitude in whole metres, separated by commas or spaces.
#include <filesystem>
#include <string>
#include <string_view>

#include "gps/trace_table.h"

namespace orvex {

// What one data line of a GPS file holds (an unreadable field reads 0).
struct GpsFileLine {
  std::string time;
  double lat = 0;
  double lon = 0;
  double altitude = 0;
};

// One data line, separators and old DOS bytes normalised; an indented line
// keeps its columns.
GpsFileLine ReadGpsFileLine(std::string_view line);

// Replaces channel 0's points by the file's; the first data line closes the
// current channel's live file. Returns 0, or the system's error number when
// the file cannot be read (the traces are then untouched).
int ReadGpsFile(Traces& traces, const std::filesystem::path& file);

}  // namespace orvex
