#pragma once
// "Survol  X-Y": a survey of the projected grid in perspective, sampled
// pixel by pixel: the upper (far) lines cover more columns than the lower
// (near) ones, and 190 rows of the grid spread over the picture's height.
#include <cstdint>
#include <functional>

#include "mapview/canvas.h"
#include "mapview/display_options.h"
#include "terrain/view/matrice_ecran.h"

namespace orvex {

// The sample colours between 0 and the highest altitude M of the matrix:
// the blue-to-green start of the colour table (integer arithmetic in units of
// 1/16384), or greys. With M at 0 or below every sample takes the highest
// colour, as a single altitude does on the map's legend.
struct EchelleSurvol {
  enum class Mode { Couleur, Gris, Vert } mode = Mode::Vert;
  std::int64_t kEntier = 0;  // colour: index = (z·k >> 14) + c
  double k = 0;              // grey: round(z·k + c)
  double c = 0;
  CouleurBgr Couleur(std::int32_t altitude) const;
};
EchelleSurvol EchellePourSurvol(const DisplayOptions& display, std::int32_t altitudeMaxi);

// The first and last matrix column each screen line samples.
struct FenetreColonnes {
  double gauche = 0;
  double droite = 0;
};
// Line `ligne` counts from 0 (the top). The window starts 240 columns wide
// and narrows by one column on each side per line; on pictures taller than
// 100 lines it narrows more slowly so that it never turns inside out (the
// lowest line still covers 40 columns).
FenetreColonnes FenetreDeLigne(std::int32_t premiereColonne, int ligne, int nombreLignes);

// Black picture, then the survey over the matrix's visible part; nothing when
// no column or row is visible. `ligneFaite` gets each row drawn (may be empty).
void DessineSurvolXY(Canvas& canvas, const MatriceEcran& matrice, const DisplayOptions& display,
                     const std::function<void(int y)>& ligneFaite);

}  // namespace orvex
