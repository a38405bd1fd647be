#pragma once
// The redraw scene of the program's state: what the main window and the
// headless renderer hand to RequestRedraw.
#include "app/program_state.h"
#include "mapview/canvas.h"
#include "mapview/redraw.h"

namespace orvex {

// Binds the layers that live outside the map view (terrain, traces) to the
// state; window-only hooks (labels) are left for the caller to add.
MapScene MakeMapScene(ProgramState& state, Canvas& canvas);

}  // namespace orvex
