#include "app/map_scene.h"

namespace orvex {

MapScene MakeMapScene(ProgramState& state, Canvas& canvas) {
  return MapScene(canvas, state.projection, state.tables, state.display, state.redraw);
}

}  // namespace orvex
