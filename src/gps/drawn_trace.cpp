#include "gps/drawn_trace.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <memory>
#include <string_view>
#include <system_error>

#include "geo/coordinate_text.h"
#include "gps/normalise_separators.h"
#include "gps/traces_directory.h"
#include "platform/atomic_file.h"
#include "platform/cp1252.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace orvex {
namespace {

constexpr int kDecimals = 5;
constexpr int kSignificantDigits = 7;
constexpr double kLatitudeLimit = 90;

int IntegerDigits(double magnitude) {
  return magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 0;
}

std::string HeaderLine(const std::filesystem::path& file) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(file, ec);
  return Utf8ToCp1252("/ Fichier de tracé : " + PathText(ec ? file : full)) + std::string(kTraceFileLineEnd);
}

std::string PointLine(const DrawnPoint& point) {
  return TraceCoordinateText(FromFixed(point.Lat)) + ',' + TraceCoordinateText(FromFixed(point.Lon)) +
         std::string(kTraceFileLineEnd);
}

}  // namespace

std::string TraceCoordinateText(double degrees) {
  const int decimals = std::clamp(kSignificantDigits - IntegerDigits(std::fabs(degrees)), 0, kDecimals);
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), degrees, std::chars_format::fixed, decimals);
  std::string text(buffer.data(), result.ptr);
  if (decimals == 0) {
    text += '.';
  }
  return text.append(static_cast<std::size_t>(kDecimals - decimals), '0');
}

int WriteTraceFile(const std::filesystem::path& file, const std::vector<DrawnPoint>& trace) {
  AtomicFileWriter out(file);
  out.Write(HeaderLine(file));
  for (const DrawnPoint& point : trace) {
    out.Write(PointLine(point));
  }
  return out.Commit();
}

TraceFileReading ReadTraceFile(const std::filesystem::path& file, std::vector<DrawnPoint>& trace) {
  FichierTexte reader;
  if (const int status = reader.Open(file); status != 0) {
    return {status, {}};
  }
  trace.clear();
  while (!reader.Eof()) {
    const std::string text = OemToWindowsText(NormaliseSeparators(LitLigneUtile(reader)));
    std::string_view rest = text;
    // An indented line would otherwise read its latitude as the longitude.
    if (!rest.empty() && rest.front() == ',') {
      rest.remove_prefix(1);
    }
    const double lat = TextToCoordinate(TakeField(rest));
    if (lat < -kLatitudeLimit || lat > kLatitudeLimit) {
      trace.clear();
      return {0, "Le fichier " + PathText(file) + " n'a pas la structure d'un fichier TRACE"};
    }
    const double lon = TextToCoordinate(TakeField(rest));
    trace.push_back({ToFixed(lon), ToFixed(lat)});
  }
  return {};
}

int ReadTraceFile(const std::filesystem::path& file, std::vector<DrawnPoint>& trace, Dialogs& dialogs) {
  const TraceFileReading reading = ReadTraceFile(file, trace);
  if (!reading.Warning.empty()) {
    dialogs.Message(MessageKind::Warning, reading.Warning);
  }
  return reading.Status;
}

}  // namespace orvex
