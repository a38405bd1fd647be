#pragma once
// GPS files: the live trace files and the Garmin track files, read back into
// channel 0. Each data line holds a time, a time, a latitude, a longitude
// and an altitude in whole metres, separated by commas or spaces.
#include <filesystem>

#include "gps/trace_table.h"

namespace orvex {

// Replaces channel 0's points by the file's; the first data line closes the
// current channel's live file. Returns 0, or the system's error number when
// the file cannot be read (the traces are then untouched).
int ReadGpsFile(Traces& traces, const std::filesystem::path& file);

}  // namespace orvex
