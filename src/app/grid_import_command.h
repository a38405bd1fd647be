#pragma once
// "Importation de données": shows the zone of an elevation grid file in red on
// the map and, once the user confirms, makes it the elevation grid.
#include <functional>
#include <string>

#include "app/program_state.h"
#include "mapview/canvas.h"
#include "platform/dialogs.h"
#include "terrain/grid_samples.h"

namespace orvex {

inline constexpr const char* kTexteImportation =
    "Permet l'importation de fichiers au format FIL contenant des informations sur le relief - fichier format DTED "
    "ARC INFO ASCII GRID";

struct ImportationHooks {
  std::function<void()> redraw;                  // the whole map, at once
  std::function<void()> show;                    // puts the picture on screen before a question
  std::function<void(const std::string&)> info;  // the status line
};

void Importationdonnes(ProgramState& state, Canvas& canvas, Dialogs& dialogs, const ImportationHooks& hooks);

// The zone drawn as a closed red line, two pixels wide, on the current view.
void DessineZoneImportee(const ProjectionState& projection, const EtendueGrille& zone, Canvas& canvas);

}  // namespace orvex
