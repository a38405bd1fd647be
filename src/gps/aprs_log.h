#pragma once
// The log of what was heard: every decoded APRS position is appended to a
// daily text file Traces/APRS-AAAAMMJJ.txt (UTC date), one line per position
// in Windows-1252: "hhmmss,NAME,LATITUDE,LONGITUDE,TRAME,INFORMATION" with
// the UTC time, the latitude and longitude texts of the live trace files,
// the frame type number and, last, the information field as received (line
// breaks at its end left out, others written as blanks, so that a line stays
// one position). A new file starts with two "/" header lines.
//
// The file is appended to and flushed line by line: a crash loses at most the
// line being written, and a whole-file rewrite through a temporary file would
// cost a copy of the day's log per packet.
#include <ctime>
#include <filesystem>
#include <string>

#include "gps/decoded_position.h"
#include "gps/trace_table.h"

namespace orvex {

struct AprsLogResult {
  int Status = 0;       // 0, or the system's error number: the line is not on disk
  bool Report = false;  // the first failure since the last line written: tell the user once
  std::filesystem::path File;
};

class AprsDailyLog {
 public:
  // Appends the position heard at `utc` under frame type `trame`; the file of
  // the day is opened (and the previous day's closed) as needed, the Traces
  // directory created when missing.
  AprsLogResult Append(const std::filesystem::path& applicationDirectory, std::time_t utc,
                       const DecodedPosition& fix, int trame);

 private:
  int Open(const std::filesystem::path& file);

  LiveTraceFile file_;
  std::filesystem::path path_;  // the file open in file_
  bool failing_ = false;
};

// "APRS-20260314.txt" for a time on that UTC day.
std::string AprsLogFileName(std::time_t utc);

// The line (CR LF included) for one position.
std::string AprsLogLine(std::time_t utc, const DecodedPosition& fix, int trame);

}  // namespace orvex
