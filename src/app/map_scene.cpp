#include "app/map_scene.h"

#include "gps/trace_layers.h"

namespace orvex {

MapScene MakeMapScene(ProgramState& state, Canvas& canvas) {
  MapScene scene(canvas, state.projection, state.tables, state.display, state.redraw);
  state.stationPoints = AprsStationPoints(state.stations);
  scene.aprsStations = state.stationPoints;
  scene.liveTraceLayer = [&state, &canvas] {
    DrawLiveTrace(canvas, state.projection, state.traces, state.receive.DropPoint, state.projection.BackgroundActive,
                  state.receive.PendingDropCross);
  };
  scene.drawnTraceLayer = [&state, &canvas] {
    DrawDrawnTrace(canvas, state.projection, state.traces, state.projection.BackgroundActive);
  };
  return scene;
}

}  // namespace orvex
