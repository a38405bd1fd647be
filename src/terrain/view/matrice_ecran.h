#pragma once
// The elevation grid projected for drawing: every PasAffichage-th sample in
// both directions, with its screen position and altitude, and the ranges of
// display columns and rows that reach the picture. The tile drawing and the
// 3D views read it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "geo/projection.h"
#include "terrain/dalles.h"

namespace orvex {

struct PointMatrice {
  std::int32_t x = 0;  // screen pixels
  std::int32_t y = 0;
  std::int32_t z = 0;  // altitude, metres
};

struct MatriceEcran {
  std::int32_t PasAffichage = 1;
  std::int32_t NbColonnes = 0;  // NbX div PasAffichage
  std::int32_t NbLignes = 0;    // NbY div PasAffichage
  // Visible ranges of display columns and rows, -1 when none.
  std::int32_t PremiereColonne = -1;
  std::int32_t DerniereColonne = -1;
  std::int32_t PremiereLigne = -1;
  std::int32_t DerniereLigne = -1;
  std::vector<PointMatrice> Points;  // row by row: [j * NbColonnes + i]
  // Counts constructions, so that a drawing interrupted by a redraw of its own
  // (events run during the progressive repaint) sees its matrix was replaced.
  std::uint64_t Generation = 0;

  // Display column i (west to east), display row j (north to south).
  const PointMatrice& operator()(std::int32_t i, std::int32_t j) const {
    return Points[static_cast<std::size_t>(j) * static_cast<std::size_t>(NbColonnes) + static_cast<std::size_t>(i)];
  }
  // At least one whole cell lies between the first and last visible column and row.
  bool CellulesVisibles() const {
    return PremiereColonne >= 0 && PremiereLigne >= 0 && DerniereColonne > PremiereColonne &&
           DerniereLigne > PremiereLigne;
  }
};

// The sampling step for a zoom (pixels per degree) and a column step in
// FixedDegree: coarser when the cells are tiny on screen.
std::int32_t PasAffichage(std::int32_t zoom, std::int32_t dlg);

// "Delta affichage matrice : " and the step, for the status line.
std::string TexteDeltaAffichage(std::int32_t pas);

// Fills `matrice` from the grid and the projection (plane mapping, turned by
// the rotation angles with the altitude as depth). The matrix keeps its memory
// from one call to the next. `info`, when set, receives the status text.
void ConstruitMatriceEcran(MatriceEcran& matrice, const TDalle& dalle, const ProjectionState& p,
                           const std::function<void(const std::string&)>& info = {});

// Lowest and highest altitude of the visible cells' north-west corners,
// negative altitudes counting as 0. Only meaningful when CellulesVisibles().
struct ExtremesAltitude {
  std::int32_t zmin = 0;
  std::int32_t zmax = 0;
};
ExtremesAltitude ExtremesVisibles(const MatriceEcran& matrice);

}  // namespace orvex
