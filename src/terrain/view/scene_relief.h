#pragma once
// Everything the terrain layer reads and writes during one redraw. The main
// window builds one around its state and binds DessineRelief to the redraw's
// relief hook; a test or a benchmark builds its own.
#include <chrono>
#include <functional>
#include <string>

#include "database/tables.h"
#include "geo/projection.h"
#include "mapview/canvas.h"
#include "mapview/display_options.h"
#include "terrain/dalles.h"
#include "terrain/view/matrice_ecran.h"

namespace orvex {

inline constexpr std::chrono::milliseconds kIntervalleRepeinte{50};

struct SceneRelief {
  SceneRelief(Canvas& canvas, const ProjectionState& projection, const TTableNiveaux& niveaux, const TDalle& dalle,
              const DisplayOptions& display, MatriceEcran& matrice)
      : canvas(canvas), projection(projection), niveaux(niveaux), dalle(dalle), display(display), matrice(matrice) {}

  Canvas& canvas;
  const ProjectionState& projection;
  const TTableNiveaux& niveaux;
  const TDalle& dalle;
  const DisplayOptions& display;
  MatriceEcran& matrice;           // kept between redraws; the 3D views read it too
  bool creationCourbe = false;     // "Créer une courbe de niveau" is checked
  bool editionCourbe = false;      // curve editing is checked: crosses on the points
  bool SurvolEnCours = false;      // the fly-over runs: no intermediate repaint
  // Shows the picture on screen now and lets pending events run, so that the
  // tiles appear progressively and the window stays responsive.
  std::function<void()> repeint;
  std::function<void(const std::string&)> info;  // the status line
  // At most one intermediate repaint per interval: one per row of cells
  // would cost more than the drawing itself.
  std::chrono::milliseconds intervalleRepeinte = kIntervalleRepeinte;
};

}  // namespace orvex
