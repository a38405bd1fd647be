#include "gps/position_handler.h"

#include <cmath>

#include "geo/coordinate_text.h"
#include "geo/distance.h"
#include "gps/live_trace_file.h"
#include "gps/receive_buffer.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

constexpr CouleurBgr kAqua = 0xFFFF00;
constexpr CouleurBgr kYellow = 0x00FFFF;
constexpr CouleurBgr kMaroon = 0x000080;
constexpr int kStationCross = 10;
constexpr int kDropCross = 20;

bool InsideView(const ProjectionState& p, double lon, double lat) {
  const GeoBounds& b = p.ViewBounds;
  return lon > b.West && lon < b.East && lat > b.South && lat < b.North;
}

std::string RoundedText(double value) { return std::to_string(std::lround(value)); }

void DrawStation(PositionContext& c, const DecodedPosition& fix) {
  Canvas& canvas = c.canvas;
  canvas.SetPenMode(PenMode::Copy);
  const bool background = c.projection.BackgroundActive;
  canvas.SetFontColor(background ? 0x000000 : kAqua);
  canvas.SetBrushColor(background ? 0xFFFFFF : 0x000000);
  const ScreenPoint s = GeoToScreen(c.projection, fix.Longitude, fix.Latitude, 0);
  canvas.SetPenColor(kYellow);
  canvas.MoveTo(s.x - kStationCross, s.y);
  canvas.LineTo(s.x + kStationCross, s.y);
  canvas.MoveTo(s.x, s.y - kStationCross);
  canvas.LineTo(s.x, s.y + kStationCross);
  canvas.TextOut(s.x + 10, s.y - 7, fix.Name);
}

// The station's track and its log line. A new station, or one heard in
// place, is drawn at once when in view; one that moved in view leaves its old
// cross and name behind, so the whole map is to be redrawn.
void RecordStation(PositionContext& c, const DecodedPosition& fix, GpsPanelUpdate& update) {
  const AprsStation* known = FindAprsStation(c.stations, fix.Name);
  const bool wasInView = known != nullptr && InsideView(c.projection, FromFixed(known->Points.back().first),
                                                        FromFixed(known->Points.back().second));
  const bool inView = InsideView(c.projection, fix.Longitude, fix.Latitude);
  if (ReportAprsStation(c.stations, fix.Name, fix.Longitude, fix.Latitude) == AprsReport::Moved) {
    update.redrawMap = inView || wasInView;
  } else if (inView) {
    DrawStation(c, fix);
  }
  const AprsLogResult logged = c.receive.AprsLog.Append(c.applicationDirectory, c.receivedAt, fix, c.protocol);
  if (logged.Report) {
    update.aprsLogStatus = logged.Status;
    update.aprsLogFile = logged.File;
  }
}

// The fix as the trace keeps it, and the point before it (zeros when none).
struct TracedFix {
  GeoPosition current, previous;
  double currentAlt = 0, previousAlt = 0;
};

TracedFix RecordFix(PositionContext& c, const DecodedPosition& fix, GpsPanelUpdate& update) {
  Traces& traces = c.traces;
  const int channel = traces.CurrentChannel;
  TracedFix traced{{fix.Longitude, fix.Latitude}, {}, double(WholeMetres(fix.Altitude)), 0};
  if (!AppendTracePoint(traces, channel, fix.Time, fix.Longitude, fix.Latitude, fix.Altitude)) {
    return traced;
  }
  const LiveTraceResult live = RecordTracePoint(traces, c.applicationDirectory, channel, fix.Time, fix.Longitude,
                                                fix.Latitude, fix.Altitude);
  update.traceFileStatus = live.Status;
  if (live.FileCreated) {
    update.traceFileName = traces.TraceFileName.filename().string();
  }
  const auto& points = traces.TraceTable[static_cast<std::size_t>(channel)];
  update.NbPGpsGP3 = std::to_string(points.size());
  if (points.size() < 2) {
    return traced;
  }
  const TracePoint& last = points.back();
  const TracePoint& before = points[points.size() - 2];
  traced = {{FromFixed(last.Lon), FromFixed(last.Lat)}, {FromFixed(before.Lon), FromFixed(before.Lat)}, double(last.Alt),
            double(before.Alt)};
  if (InsideView(c.projection, traced.previous.Longitude, traced.previous.Latitude)) {
    Canvas& canvas = c.canvas;
    const ProjectionState& p = c.projection;
    canvas.SetPenMode(PenMode::Copy);
    canvas.SetPenColor(kMaroon);
    GeoMoveTo(canvas, p, traced.current.Longitude, traced.current.Latitude, traced.currentAlt);
    GeoLineTo(canvas, p, traced.current.Longitude, traced.current.Latitude, 0);
    GeoLineTo(canvas, p, traced.previous.Longitude, traced.previous.Latitude, 0);
    GeoLineTo(canvas, p, traced.previous.Longitude, traced.previous.Latitude, traced.previousAlt);
    canvas.SetPenColor(kYellow);
    GeoLineTo(canvas, p, traced.current.Longitude, traced.current.Latitude, traced.currentAlt);
  }
  return traced;
}

void XorCross(PositionContext& c, const GeoPosition& at) {
  Canvas& canvas = c.canvas;
  const ScreenPoint s = GeoToScreen(c.projection, at.Longitude, at.Latitude, 0);
  canvas.SetPenMode(PenMode::Xor);
  canvas.MoveTo(s.x - kDropCross, s.y);
  canvas.LineTo(s.x + kDropCross, s.y);
  canvas.MoveTo(s.x, s.y - kDropCross);
  canvas.LineTo(s.x, s.y + kDropCross);
  canvas.SetPenMode(PenMode::Copy);
}

void UpdateDropPoint(PositionContext& c, const TracedFix& fix, GpsPanelUpdate& update) {
  ReceiveState& r = c.receive;
  r.PreviousDropPoint = r.DropPoint;
  r.DropPoint = PredictDropPoint(fix.previous, fix.previousAlt, fix.current, fix.currentAlt);
  update.LgChuteGP3 = LongitudeToText(r.DropPoint.Longitude);
  update.LtChuteGP3 = LatitudeToText(r.DropPoint.Latitude);
  if (r.PendingDropCross.Longitude != 0) {
    XorCross(c, r.PendingDropCross);
    r.PendingDropCross = {};
  }
  if (r.PreviousDropPoint.Longitude != 0 && !c.redraw.MapRedrawn) {
    XorCross(c, r.PreviousDropPoint);
  }
  c.redraw.MapRedrawn = false;
  // No landing point yet (first fix of a channel): a cross at 0,0 would never
  // be erased, since the next fix only erases crosses at a non-zero place.
  if (r.DropPoint.Longitude != 0) {
    XorCross(c, r.DropPoint);
  }
}

}  // namespace

GeoPosition PredictDropPoint(GeoPosition previous, double previousAlt, GeoPosition current, double currentAlt) {
  if (currentAlt == previousAlt) {
    return previous;
  }
  const double k = previousAlt / (currentAlt - previousAlt);
  return {previous.Longitude - k * (current.Longitude - previous.Longitude),
          previous.Latitude - k * (current.Latitude - previous.Latitude)};
}

std::optional<std::string> NearestCityText(const TTableVilles& villes, double longitude, double latitude) {
  double best = 999999;
  const TVille* nearest = nullptr;
  for (const auto& file : villes.Fichiers) {
    for (const TVille& ville : file.Elements) {
      const double d = Distance(longitude, latitude, FromFixed(ville.Lg), FromFixed(ville.Lt));
      if (d < best) {
        best = d;
        nearest = &ville;
      }
    }
  }
  if (nearest == nullptr) {
    return std::nullopt;
  }
  return RoundedText(best) + "km de " + nearest->Nom;
}

GpsPanelUpdate HandlePosition(PositionContext& c, const DecodedPosition& fix) {
  GpsPanelUpdate update;
  if (fix.Killed && IsAprsTrame(c.protocol)) {
    RemoveAprsStation(c.stations, fix.Name);
  }
  if (!fix.HasPosition()) {
    return update;
  }
  update.LgGPSGP3 = LongitudeToText(fix.Longitude);
  update.LtGPSGP3 = LatitudeToText(fix.Latitude);
  update.AltGPSGP3 = std::to_string(WholeMetres(fix.Altitude));
  update.beep = c.receive.AvertirTrame;
  TracedFix traced{{fix.Longitude, fix.Latitude}, {}, double(WholeMetres(fix.Altitude)), 0};
  if (IsAprsTrame(c.protocol)) {
    RecordStation(c, fix, update);
  } else if (c.protocol == kTrameNmea) {
    traced = RecordFix(c, fix, update);
  }
  if (c.receive.CentrerSurMobile && c.projection.BackgroundActive) {
    if (c.scrollTo) {
      c.scrollTo(traced.current.Longitude, traced.current.Latitude);
    }
  } else if (c.receive.CentrerSurMobile && c.requestRedraw) {
    c.projection.CentreLongitude = traced.current.Longitude;
    c.projection.CentreLatitude = traced.current.Latitude;
    c.requestRedraw();
  }
  // An empty city table has no nearest city: the label keeps its text.
  update.LocalGPSGP3 = NearestCityText(c.tables.TableVilles, traced.current.Longitude, traced.current.Latitude);
  update.DistGPSGP3 = RoundedText(Distance(c.observerLongitude, c.observerLatitude, traced.current.Longitude,
                                           traced.current.Latitude)) +
                      "km";
  if (traced.currentAlt != 0) {
    UpdateDropPoint(c, traced, update);
  }
  return update;
}

}  // namespace orvex
