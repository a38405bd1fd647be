#pragma once
// The redraw scene of the program's state: what the main window and the
// headless renderer hand to RequestRedraw.
#include "app/program_state.h"
#include "mapview/canvas.h"
#include "mapview/redraw.h"
#include "terrain/view/scene_relief.h"

namespace orvex {

// Hooks of the terrain layer into the window: show the picture now (tiles
// appear progressively) and write the status line. Both may be empty.
struct ReliefHooks {
  std::function<void()> repaint;
  std::function<void(const std::string&)> info;
  std::chrono::milliseconds repaintInterval = kIntervalleRepeinte;  // at most one repaint per interval
};

// Binds the layers that live outside the map view (terrain, traces) to the
// state; window-only hooks (labels) are left for the caller to add.
MapScene MakeMapScene(ProgramState& state, Canvas& canvas, ReliefHooks hooks = {});

}  // namespace orvex
