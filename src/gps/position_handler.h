#pragma once
// What the receive handler does with one decoded message: the GPS panel
// texts, the trace and its live file, the path segment, the APRS station, the
// nearest city, the distance to the observer and the predicted landing point
// with its xor crosses. Window-free: the main window applies the texts.
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "database/tables.h"
#include "geo/projection.h"
#include "gps/aprs_log.h"
#include "gps/aprs_station_table.h"
#include "gps/decoded_position.h"
#include "gps/kiss_frame.h"
#include "gps/trace_layers.h"
#include "gps/trace_table.h"
#include "mapview/canvas.h"
#include "mapview/redraw.h"

namespace orvex {

struct ReceiveState {
  std::string ReceiveBuffer;
  KissDeframer Kiss;         // the frame being received from a KISS TNC
  AprsDailyLog AprsLog;      // the day's log of APRS positions
  GeoPosition DropPoint;
  GeoPosition PreviousDropPoint;
  GeoPosition PendingDropCross;
  bool TransferActive = false;    // a Garmin transfer owns the line
  bool AvertirTrame = false;      // beep on every decoded message
  bool CentrerSurMobile = false;  // the map follows the mobile
};

// Texts for the "Données GPS " panel in Windows-1252 (degree signs, city
// names); an empty optional leaves its label as it is.
struct GpsPanelUpdate {
  std::optional<std::string> LgGPSGP3, LtGPSGP3, AltGPSGP3, NbPGpsGP3, LocalGPSGP3, DistGPSGP3, LgChuteGP3,
      LtChuteGP3;
  std::optional<std::string> traceFileName;  // a live trace file was created (file name)
  int traceFileStatus = 0;                    // non-zero: the live file could not be written
  int aprsLogStatus = 0;                      // non-zero: the APRS log just became unwritable
  std::filesystem::path aprsLogFile;          // the log file that failed
  bool beep = false;
  // A station in view moved: its old cross and name are still on the
  // picture, so the map wants a full redraw (once for all the messages of a read).
  bool redrawMap = false;
};

struct PositionContext {
  ReceiveState& receive;
  Traces& traces;
  AprsStationTable& stations;
  Canvas& canvas;
  ProjectionState& projection;
  RedrawState& redraw;
  const PlaceTables& tables;
  double observerLongitude = 0;
  double observerLatitude = 0;
  int protocol = 0;
  std::filesystem::path applicationDirectory;
  std::function<void()> requestRedraw;  // the whole map, after a recentre
  std::time_t receivedAt = 0;           // when the message arrived (the APRS log's time)
  // Over a scanned map the centre stays where the picture ties it: the view
  // is scrolled to the mobile instead.
  std::function<void(double longitude, double latitude)> scrollTo = {};
};

GpsPanelUpdate HandlePosition(PositionContext& context, const DecodedPosition& fix);

// "12km de Trier": the nearest city (the first of equal distances), or
// nothing when there is no city.
std::optional<std::string> NearestCityText(const TTableVilles& villes, double longitude, double latitude);

// Where the straight line through `previous` (altitude previousAlt) and
// `current` reaches altitude 0; `previous` itself when both are at the same
// altitude.
GeoPosition PredictDropPoint(GeoPosition previous, double previousAlt, GeoPosition current, double currentAlt);

}  // namespace orvex
