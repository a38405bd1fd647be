#include "gps/aprs_log.h"

#include <array>
#include <cerrno>
#include <system_error>

#include "geo/coordinate_text.h"
#include "gps/traces_directory.h"

namespace orvex {
namespace {

constexpr std::string_view kHeader =
    "/Journal APRS - heure UTC\r\n/Heure,Station,Latitude,Longitude,Trame,Information\r\n";

std::tm UtcParts(std::time_t utc) {
  std::tm parts{};
  gmtime_r(&utc, &parts);
  return parts;
}

std::string Formatted(std::time_t utc, const char* format) {
  const std::tm parts = UtcParts(utc);
  std::array<char, 32> text{};
  return std::string(text.data(), std::strftime(text.data(), text.size(), format, &parts));
}

int Written(std::FILE* file, std::string_view text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0) {
    return 0;
  }
  const int status = errno != 0 ? errno : EIO;
  std::clearerr(file);
  return status;
}

}  // namespace

std::string AprsLogFileName(std::time_t utc) { return Formatted(utc, "APRS-%Y%m%d.txt"); }

std::string AprsLogLine(std::time_t utc, const DecodedPosition& fix, int trame) {
  // Line breaks ending the field (gen_packets and some TNCs send one) are
  // left out; inside it they become blanks.
  std::string information = fix.Information;
  information.erase(information.find_last_not_of("\r\n") + 1);
  for (char& c : information) {
    if (c == '\r' || c == '\n') {
      c = ' ';
    }
  }
  return Formatted(utc, "%H%M%S") + ',' + fix.Name + ',' + LatitudeToText(fix.Latitude) + ',' +
         LongitudeToText(fix.Longitude) + ',' + std::to_string(trame) + ',' + information + std::string(kTraceFileLineEnd);
}

int AprsDailyLog::Open(const std::filesystem::path& file) {
  file_.reset();
  path_.clear();
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (ec) {
    return ec.value();
  }
  errno = 0;
  LiveTraceFile opened(std::fopen(file.c_str(), "ab"));
  if (opened == nullptr) {
    return errno != 0 ? errno : EIO;
  }
  // A file the program starts today gets its header; one it appends to
  // already has it.
  std::fseek(opened.get(), 0, SEEK_END);
  if (std::ftell(opened.get()) == 0) {
    if (const int status = Written(opened.get(), kHeader); status != 0) {
      return status;
    }
  }
  file_ = std::move(opened);
  path_ = file;
  return 0;
}

AprsLogResult AprsDailyLog::Append(const std::filesystem::path& applicationDirectory, std::time_t utc,
                                   const DecodedPosition& fix, int trame) {
  AprsLogResult result;
  result.File = TracesDirectory(applicationDirectory) / AprsLogFileName(utc);
  if (file_ == nullptr || path_ != result.File) {
    result.Status = Open(result.File);
  }
  if (result.Status == 0) {
    result.Status = Written(file_.get(), AprsLogLine(utc, fix, trame));
  }
  result.Report = result.Status != 0 && !failing_;
  failing_ = result.Status != 0;
  return result;
}

}  // namespace orvex
