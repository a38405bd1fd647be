#include "app/map_scene.h"

#include "garmin/waypoint_table.h"
#include "gps/aprs_track_layer.h"
#include "gps/trace_layers.h"
#include "terrain/view/dessine_relief.h"

namespace orvex {

MapScene MakeMapScene(ProgramState& state, Canvas& canvas, ReliefHooks hooks) {
  MapScene scene(canvas, state.projection, state.tables, state.display, state.redraw);
  state.stationPoints = AprsStationPoints(state.stations);
  scene.aprsStations = state.stationPoints;
  scene.background = state.fond.Present() ? &state.fond.Shown : nullptr;
  scene.aprsTrackLayer = [&state, &canvas] { DrawAprsTracks(canvas, state.projection, state.stations); };
  state.garmin.WaypointPoints = WaypointPoints(state.garmin.Waypoints);
  scene.waypoints = state.garmin.WaypointPoints;
  scene.liveTraceLayer = [&state, &canvas] {
    DrawLiveTrace(canvas, state.projection, state.traces, state.receive.DropPoint, state.projection.BackgroundActive,
                  state.receive.PendingDropCross);
  };
  scene.drawnTraceLayer = [&state, &canvas] {
    DrawDrawnTrace(canvas, state.projection, state.traces, state.projection.BackgroundActive);
  };
  scene.reliefLayer = [&state, &canvas, hooks = std::move(hooks)] {
    SceneRelief relief(canvas, state.projection, state.tables.TableNiveaux, state.dalle, state.display,
                       state.matrice);
    relief.creationCourbe = state.curveEditing.Creation;
    relief.editionCourbe = state.curveEditing.Edition;
    relief.repeint = hooks.repaint;
    relief.info = hooks.info;
    relief.intervalleRepeinte = hooks.repaintInterval;
    DessineRelief(relief);
  };
  // The selected point's screen place, the segments of the curve being
  // created and the circle of a city being drawn are gone with the old picture.
  scene.afterRedraw = [&state] {
    state.curveEditing.SelectedAltitude = 0;
    state.curveEditing.CreationSegments.clear();
    state.cityEntry.CircleShown = false;
  };
  return scene;
}

}  // namespace orvex
