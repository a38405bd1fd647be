#include "gps/gps_file.h"

#include <string>
#include <string_view>

#include "geo/coordinate_text.h"
#include "gps/normalise_separators.h"
#include "platform/text_file.h"

namespace orvex {
namespace {

constexpr int kLoadedChannel = 0;

void AppendLine(Traces& traces, const std::string& line) {
  const GpsFileLine point = ReadGpsFileLine(line);
  AppendTracePoint(traces, kLoadedChannel, point.time, point.lon, point.lat, point.altitude);
}

}  // namespace

GpsFileLine ReadGpsFileLine(std::string_view line) {
  const std::string text = OemToWindowsText(NormaliseSeparators(line));
  std::string_view rest = text;
  // An indented line would otherwise shift every field by one column.
  if (!rest.empty() && rest.front() == ',') {
    rest.remove_prefix(1);
  }
  TakeField(rest);
  GpsFileLine point;
  point.time = TakeField(rest);
  point.lat = TextToCoordinate(TakeField(rest));
  point.lon = TextToCoordinate(TakeField(rest));
  if (!ParseDecimal(TakeField(rest), point.altitude)) {
    point.altitude = 0;
  }
  return point;
}

int ReadGpsFile(Traces& traces, const std::filesystem::path& file) {
  FichierTexte reader;
  if (const int status = reader.Open(file); status != 0) {
    return status;
  }
  ClearTraceChannel(traces, kLoadedChannel);
  while (!reader.Eof()) {
    const std::string line = LitLigneUtile(reader);
    // At the end of the file the reader hands back a trailing comment line.
    if (line.empty() || line[0] == '/') {
      continue;
    }
    CloseTraceFile(traces, traces.CurrentChannel);
    AppendLine(traces, line);
  }
  reader.Close();
  return 0;
}

}  // namespace orvex
