#pragma once
// The redraw pipeline: every change that affects the picture ends in
// RequestRedraw, which recomputes the view, clears the picture and paints the
// layers in a fixed order. Layers owned by other subsystems (terrain, traces,
// pointer labels) come in through the scene's hooks.
#include <QImage>
#include <functional>
#include <span>

#include "database/tables.h"
#include "geo/projection.h"
#include "mapview/canvas.h"
#include "mapview/display_options.h"
#include "mapview/labelled_point.h"

namespace orvex {

struct RedrawState {
  bool MapRedrawn = false;
  bool RubberBandShown = false;
  bool Zoom3DChanged = true;
  std::int32_t RedrawDelay = 1;
  std::int32_t RedrawCountdown = 0;
  std::int32_t PointerAltitudeCountdown = 99;
  // Counts the picture clears, so that an xor figure knows whether it is
  // still on the picture or went with a redraw.
  std::uint64_t ClearCount = 0;
};

// Angles shown by the 3D controller, in degrees.
struct ControllerAngles {
  double alpha = 0;
  double beta = 0;
  double gamma = 0;
};

// Everything one redraw reads and writes.
struct MapScene {
  MapScene(Canvas& canvas_, ProjectionState& projection_, const PlaceTables& tables_, const DisplayOptions& display_,
           RedrawState& redraw_)
      : canvas(canvas_), projection(projection_), tables(tables_), display(display_), redraw(redraw_) {}

  Canvas& canvas;
  ProjectionState& projection;
  const PlaceTables& tables;
  const DisplayOptions& display;
  RedrawState& redraw;
  const QImage* background = nullptr;  // the background map image, when one is loaded
  bool menuAjouterVilles = false;      // cities drawn over a background image
  bool globeDemo = false;              // the 3D demonstration is running
  std::span<const LabelledPoint> aprsStations;
  std::span<const LabelledPoint> waypoints;
  std::function<void()> reliefLayer;       // relief and level curves
  std::function<void()> aprsTrackLayer;    // the tracks of the APRS stations, under their names
  std::function<void()> liveTraceLayer;    // live trace of the current channel and its drop cross
  std::function<void()> drawnTraceLayer;   // the trace drawn with the mouse
  std::function<void()> pointerLabels;     // pointer status labels
  std::function<void()> afterRedraw;       // a full redraw ended (clears the selected curve point)
  std::function<void(std::int32_t zoom)> zoomLabel;                   // the zoom label of the pointer panel
  std::function<void(const ControllerAngles&)> controllerAngles;     // only while the 3D controller exists
};

// Recomputes the projection, fills the picture with black, puts back the
// background image and draws the graticule.
void PrepareView(MapScene& scene);
// Every layer in its fixed order, over what the picture holds.
void DrawLayers(MapScene& scene);
// PrepareView then DrawLayers.
void RequestRedraw(MapScene& scene);

// The projection's RefreshRotation, and the layers come back at the next
// timer tick over what a quick PrepareView left.
void RefreshRotation(ProjectionState& p, RedrawState& redraw);

// One tick of the 1000 ms main timer. `showPointerAltitude` is called when the
// pointer has been still long enough; `flyOverRunning` suppresses deferred drawing.
void MainTimerTick(MapScene& scene, bool flyOverRunning, const std::function<void()>& showPointerAltitude);

}  // namespace orvex
