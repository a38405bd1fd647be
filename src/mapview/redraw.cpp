#include "mapview/redraw.h"

#include "geo/angle_constants.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

constexpr std::int32_t kCityZoom = 20;
constexpr std::int32_t kDetailZoom = 200;  // structures, radio amateurs
constexpr std::int32_t kRepeaterZoom = 30;

void CallIfSet(const std::function<void()>& hook) {
  if (hook) {
    hook();
  }
}

ControllerAngles AnglesInDegrees(const ProjectionState& p) {
  const RotationAngle& a = p.Spherical ? p.SphereAlpha : p.Alpha;
  const RotationAngle& b = p.Spherical ? p.SphereBeta : p.Beta;
  const RotationAngle& g = p.Spherical ? p.SphereGamma : p.Gamma;
  return {a.Radians / kDegreesToRadians, b.Radians / kDegreesToRadians, g.Radians / kDegreesToRadians};
}

}  // namespace

void PrepareView(MapScene& scene) {
  ProjectionState& p = scene.projection;
  scene.redraw.MapRedrawn = true;
  scene.redraw.RubberBandShown = false;
  p.ImageWidth = scene.canvas.Width();
  p.ImageHeight = scene.canvas.Height();
  ComputeViewport(p);
  if (scene.zoomLabel) {
    scene.zoomLabel(p.Zoom);
  }
  Canvas& canvas = scene.canvas;
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(0x000000);
  canvas.FillRect(0, 0, p.ImageWidth, p.ImageHeight);
  ++scene.redraw.ClearCount;
  p.GlobeRadius = static_cast<double>(p.Zoom) * 80;
  if (scene.background != nullptr) {
    canvas.DrawImage(0, 0, *scene.background);
  }
  DrawGraticule(canvas, p, scene.display.GridShown, scene.globeDemo);
}

void DrawLayers(MapScene& scene) {
  Canvas& canvas = scene.canvas;
  const ProjectionState& p = scene.projection;
  const DisplayOptions& display = scene.display;
  const PlaceTables& tables = scene.tables;
  if (!display.Courbe1erPlan) {
    CallIfSet(scene.reliefLayer);
  }
  if (!p.BackgroundActive && display.AffichePays) {
    DrawCountryOutlines(canvas, p, tables.TableContours, display);
  }
  if (scene.controllerAngles) {
    scene.controllerAngles(AnglesInDegrees(p));
  }
  if (display.GridShown && p.Zoom > kDetailZoom) {
    DrawLocatorGrid(canvas, p);
  }
  if (!p.BackgroundActive && p.Zoom > kDetailZoom && display.AfficheStructures) {
    DrawStructures(canvas, p, tables.TableStructures);
  }
  if (p.Zoom > kCityZoom && display.AfficheVilles && (scene.background == nullptr || scene.menuAjouterVilles)) {
    DrawCities(canvas, p, tables.TableVilles, display);
  }
  if (p.Zoom > kDetailZoom && display.AfficheOM) {
    DrawRadioAmateurs(canvas, p, tables.TableOM);
  }
  CallIfSet(scene.aprsTrackLayer);
  DrawAprsStations(canvas, p, scene.aprsStations);
  if (p.Zoom > kRepeaterZoom && display.AfficheRelais) {
    DrawRepeaters(canvas, p, tables);
  }
  CallIfSet(scene.liveTraceLayer);
  CallIfSet(scene.drawnTraceLayer);
  if (display.Courbe1erPlan) {
    CallIfSet(scene.reliefLayer);
  }
  DrawWaypoints(canvas, p, scene.waypoints);
  if (!p.Spherical) {
    DrawScaleBar(canvas, p);
  }
  CallIfSet(scene.pointerLabels);
  scene.redraw.Zoom3DChanged = false;
}

void RequestRedraw(MapScene& scene) {
  PrepareView(scene);
  DrawLayers(scene);
  scene.redraw.MapRedrawn = true;
  CallIfSet(scene.afterRedraw);
}

void RefreshRotation(ProjectionState& p, RedrawState& redraw) {
  RefreshRotation(p);
  redraw.RedrawCountdown = redraw.RedrawDelay;
}

void MainTimerTick(MapScene& scene, bool flyOverRunning, const std::function<void()>& showPointerAltitude) {
  RedrawState& redraw = scene.redraw;
  if (redraw.PointerAltitudeCountdown == 1 && scene.projection.NoRotation && showPointerAltitude) {
    showPointerAltitude();
  }
  if (redraw.PointerAltitudeCountdown > 0) {
    --redraw.PointerAltitudeCountdown;
  }
  if (!flyOverRunning && redraw.RedrawCountdown == 1) {
    DrawLayers(scene);
  }
  if (redraw.RedrawCountdown > 0) {
    --redraw.RedrawCountdown;
  }
}

}  // namespace orvex
