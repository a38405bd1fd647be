#include "browser/map_pointing.h"

#include <algorithm>
#include <array>

#include "browser/place_search.h"
#include "geo/coordinate_text.h"
#include "geo/locator.h"

namespace orvex {
namespace {

constexpr CouleurBgr kFrequencyLines = 0x00FFFF;  // yellow
constexpr CouleurBgr kFoundFrame = 0xFF0000;      // blue
constexpr int kFoundFrameWidth = 2;
constexpr int kFoundFrameHalf = 100;

struct Place {
  double lon = 0;
  double lat = 0;
  std::int32_t zoom = kPlaceZoom;
};

// Background image shown: the map cannot move, the scroll box does.
// Otherwise the map is centred on the place at `zoom`.
void ShowPlace(PointingScene& scene, const Place& place) {
  ProjectionState& p = scene.projection;
  if (p.BackgroundActive) {
    scene.scrollToPoint(LonToX(p, place.lon), LatToY(p, place.lat));
    return;
  }
  p.Zoom = place.zoom;
  p.CentreLongitude = place.lon;
  p.CentreLatitude = place.lat;
  scene.requestRedraw();
}

bool StrictlyInView(const GeoBounds& b, double lon, double lat) {
  return lon > b.West && lon < b.East && lat > b.South && lat < b.North;
}

int DrawFrequencyLines(PlaceSearchScene& scene, std::string_view text) {
  Canvas& canvas = scene.canvas;
  const ProjectionState& p = scene.pointing.projection;
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kFrequencyLines);
  canvas.SetFontColor(kFrequencyLines);
  canvas.SetBrushStyle(BrushStyle::Clear);
  int drawn = 0;
  for (const TRelais& relais : scene.tables.TableRelais) {
    if (!RepeaterUsesFrequency(scene.tables.TableCanaux, relais, text)) {
      continue;
    }
    double lon = 0;
    double lat = 0;
    LocatorToCoordinate(relais.QRA, lon, lat);
    if (!StrictlyInView(p.ViewBounds, lon, lat)) {
      continue;
    }
    const ScreenPoint from = GeoToScreen(p, scene.observerLongitude, scene.observerLatitude, 0);
    const ScreenPoint to = GeoToScreen(p, lon, lat, 0);
    canvas.MoveTo(from.x, from.y);
    canvas.LineTo(to.x, to.y);
    canvas.TextOut(to.x, to.y, relais.Nom);
    ++drawn;
  }
  return drawn;
}

void DrawFoundFrame(Canvas& canvas, const ScreenPoint& s) {
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColor(kFoundFrame);
  canvas.SetPenWidth(kFoundFrameWidth);
  const int h = kFoundFrameHalf;
  const std::array<QPoint, 5> frame{QPoint(s.x - h, s.y - h), QPoint(s.x + h, s.y - h), QPoint(s.x + h, s.y + h),
                                    QPoint(s.x - h, s.y + h), QPoint(s.x - h, s.y - h)};
  canvas.Polyline(frame);
}

std::optional<Place> FindPlace(PlaceSearchScene& scene, std::string_view text) {
  const PlaceTables& t = scene.tables;
  if (const auto city = FindCity(t.TableVilles, text)) {
    const TVille& v = t.TableVilles.Fichiers[city->FoundGroup].Elements[city->FoundRecord];
    return Place{FromFixed(v.Lg), FromFixed(v.Lt), std::max(v.Zoom + 1, kPlaceZoom)};
  }
  if (const auto om = FindOm(t.TableOM, text)) {
    const TOM& o = t.TableOM.Fichiers[om->FoundGroup].Elements[om->FoundRecord];
    return Place{FromFixed(o.Lg), FromFixed(o.Lt), kPlaceZoom};
  }
  if (const auto repeater = text.empty() ? std::nullopt : FindRepeaterByName(t.TableRelais, text)) {
    Place place{0, 0, kRepeaterFoundZoom};
    LocatorToCoordinate(t.TableRelais[*repeater].QRA, place.lon, place.lat);
    scene.pointing.display.AfficheRelais = true;
    return place;
  }
  return std::nullopt;
}

}  // namespace

bool PointRecord(const RecordTableModel& model, const PlaceTables& tables, int row, PointingScene& scene) {
  if (row < 0 || row >= model.rowCount()) {
    return false;
  }
  const RecordAddress a = model.Address(row);
  switch (model.Kind()) {
    case BrowserKind::Villes: {
      const TVille& v = tables.TableVilles.Fichiers[a.file].Elements[a.record];
      ShowPlace(scene, {FromFixed(v.Lg), FromFixed(v.Lt), std::max(kPlaceZoom, v.Zoom + 1)});
      return true;
    }
    case BrowserKind::Relais: {
      Place place{0, 0, kRepeaterPointerZoom};
      LocatorToCoordinate(tables.TableRelais[a.record].QRA, place.lon, place.lat);
      scene.display.AfficheRelais = true;
      ShowPlace(scene, place);
      return true;
    }
    case BrowserKind::OM: {
      const TOM& o = tables.TableOM.Fichiers[a.file].Elements[a.record];
      if (!scene.projection.BackgroundActive) {
        scene.display.AfficheOM = true;
      }
      ShowPlace(scene, {FromFixed(o.Lg), FromFixed(o.Lt), kPlaceZoom});
      return true;
    }
    default:
      return false;
  }
}

std::string SearchPlace(PlaceSearchScene& scene, std::string_view typed) {
  const std::string text = UpperText(typed);
  const std::optional<Place> place = FindPlace(scene, text);
  const int drawn = place || text.empty() ? 0 : DrawFrequencyLines(scene, text);
  if (!place) {
    if (drawn > 0 && scene.pictureChanged) {
      scene.pictureChanged();
    }
    return drawn > 0 ? std::string() : std::string("Pas trouv\xE9");
  }
  ProjectionState& p = scene.pointing.projection;
  if (p.BackgroundActive) {
    const int x = LonToX(p, place->lon);
    const int y = LatToY(p, place->lat);
    scene.pointing.requestRedraw();
    scene.pointing.scrollToPoint(x, y);
    const bool inside = x >= 0 && y >= 0 && x < p.ImageWidth && y < p.ImageHeight;
    return inside ? std::string() : text + " est en dehors des limites carte";
  }
  ShowPlace(scene.pointing, *place);
  DrawFoundFrame(scene.canvas, GeoToScreen(p, place->lon, place->lat, 0));
  if (scene.pictureChanged) {
    scene.pictureChanged();
  }
  return {};
}

}  // namespace orvex
