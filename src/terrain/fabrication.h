#pragma once
// Tile fabrication from the level curves: every node of a regular grid over
// the curves' bounding box takes the altitude of the nearest curve point
// (see curve_index.h), rows from the north, nodes from the west.
#include <cstdint>
#include <functional>
#include <string>

#include "database/tables.h"
#include "terrain/dalles.h"

namespace orvex {

struct BoiteCourbes {
  FixedDegree lonMin = 0;
  FixedDegree lonMax = 0;
  FixedDegree latMin = 0;
  FixedDegree latMax = 0;
};

struct PlanFabrication {
  BoiteCourbes boite;
  std::int32_t pasLg = 0;
  std::int32_t pasLt = 0;
  std::int32_t colonnes = 0;  // of a whole row
  std::int32_t lignes = 0;
  std::int64_t progressionMax = 0;  // the progress bar's end, as the dialog has always counted it
};

// The box of every curve point and the grid the steps give over it. Refuses,
// before any work, an empty table, steps below one unit or above what the
// tile file stores, and counts above what its reader accepts.
std::string PlanifieFabrication(const TTableNiveaux& niveaux, std::int32_t pasLg, std::int32_t pasLt,
                                PlanFabrication& plan);

struct SuiviFabrication {
  std::function<bool()> arret;                          // tested after every node and every row
  std::function<void()> patiente;                       // lets the window breathe, every few milliseconds
  std::function<void(std::int64_t noeuds)> ligneFaite;  // after each row, nodes made so far
};

// The grid of `plan`. Stopped midway it holds the rows made, the last one
// possibly short, which then sets the column count. AltMin is the lowest
// altitude other than 0 (99999 when there is none), AltMax the highest.
TDalle FabriqueDalles(const TTableNiveaux& niveaux, const PlanFabrication& plan, const SuiviFabrication& suivi);

}  // namespace orvex
