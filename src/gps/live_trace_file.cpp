#include "gps/live_trace_file.h"

#include <cerrno>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "geo/coordinate_text.h"
#include "gps/traces_directory.h"
#include "platform/directory_listing.h"

namespace orvex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first run of digits of `name` as a number; 0 without digits or when the
// run does not fit.
long long FirstNumberIn(const std::string& name) {
  const char* begin = name.data();
  const char* end = begin + name.size();
  while (begin != end && !IsDigit(*begin)) {
    ++begin;
  }
  long long value = 0;
  if (std::from_chars(begin, end, value).ec != std::errc()) {
    return 0;
  }
  return value;
}

// Written and flushed at once, so that a crash loses at most this text.
int WriteNow(std::FILE* file, const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (written && std::fflush(file) == 0) {
    return 0;
  }
  const int status = errno != 0 ? errno : EIO;
  std::clearerr(file);
  return status;
}

std::string HeaderLines(int channel) {
  std::string header = "/Fichier GPS - canal " + std::to_string(channel);
  header += kTraceFileLineEnd;
  header += "/Heure Heure  Latitude  Longitude  Altitude";
  header += kTraceFileLineEnd;
  return header;
}

std::string FixLine(std::string_view time, double lon, double lat, double alt) {
  std::string line(time);
  line += ',';
  line += time;
  line += ',' + LatitudeToText(lat) + ',' + LongitudeToText(lon) + ',' + std::to_string(WholeMetres(alt));
  line += kTraceFileLineEnd;
  return line;
}

LiveTraceResult CreateTraceFile(Traces& traces, const std::filesystem::path& applicationDirectory, int channel) {
  const std::filesystem::path directory = TracesDirectory(applicationDirectory);
  std::error_code ec;
  // Nothing else creates the directory; without it the whole trace would be lost.
  std::filesystem::create_directories(directory, ec);
  if (ec) {
    return {ec.value(), false};
  }
  const std::filesystem::path name = directory / ("Trace" + std::to_string(NextTraceNumber(directory)) + ".gps");
  errno = 0;
  LiveTraceFile file(std::fopen(name.c_str(), "wb"));
  if (file == nullptr) {
    return {errno != 0 ? errno : EIO, false};
  }
  if (const int status = WriteNow(file.get(), HeaderLines(channel)); status != 0) {
    return {status, false};
  }
  traces.TraceFiles[channel] = std::move(file);
  traces.TraceFileName = name;
  return {0, true};
}

}  // namespace

long long NextTraceNumber(const std::filesystem::path& directory) {
  long long largest = 0;
  // Every entry counts: a listing cut short could reuse the number of an
  // existing trace and overwrite it.
  for (const DirectoryEntry& entry : ListeRepertoire(directory, std::numeric_limits<std::size_t>::max())) {
    if (entry.name.empty() || entry.name[0] == '.') {
      continue;
    }
    const long long number = FirstNumberIn(entry.name);
    if (number > largest && number < std::numeric_limits<long long>::max()) {
      largest = number;
    }
  }
  return largest + 1;
}

LiveTraceResult RecordTracePoint(Traces& traces, const std::filesystem::path& applicationDirectory, int channel,
                                 std::string_view time, double lon, double lat, double alt) {
  if (!IsValidChannel(traces, channel) || static_cast<std::size_t>(channel) >= traces.TraceFiles.size()) {
    return {EINVAL, false};
  }
  if (!TraceFileOpen(traces, channel)) {
    return CreateTraceFile(traces, applicationDirectory, channel);
  }
  return {WriteNow(traces.TraceFiles[channel].get(), FixLine(time, lon, lat, alt)), false};
}

}  // namespace orvex
