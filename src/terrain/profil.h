#pragma once
// Crossings of a segment with the level curves on screen: the level profile
// along a drawn vector and the rays of the visibility horizon. Only curve
// segments with both ends strictly inside the view take part, so a profile
// covers what the user sees.
#include <cstdint>
#include <vector>

#include "database/tables.h"
#include "geo/plane_geometry.h"
#include "geo/projection.h"

namespace orvex {

// One crossing: where the segment meets a curve, and that curve's altitude.
struct TPointProfil {
  FixedDegree Lg = 0;
  FixedDegree Lt = 0;
  std::int32_t Altitude = 0;  // metres
  friend bool operator==(const TPointProfil&, const TPointProfil&) = default;
};

using TPointsProfil = std::vector<TPointProfil>;

// Every segment of every curve of every file, in table order: `PointsProfil`
// is emptied, then gets one crossing per curve segment that meets AB (a
// segment touching AB at a shared vertex of two curve segments counts for
// both). A crossing at longitude or latitude exactly 0 does not count.
void CalculeProfil(const TTableNiveaux& niveaux, const GeoBounds& vue, double lgA, double ltA, double lgB, double ltB,
                   TPointsProfil& PointsProfil);

// The curve segments of a view sorted once into a uniform grid, so that a
// segment is tested only against those lying in the cells it crosses. Its
// CalculeProfil gives exactly what the full scan gives for the same view:
// the same crossings in the same order. Built per command: it copies the
// segments, so later edits of the table are not seen.
class IndexNiveaux {
 public:
  IndexNiveaux(const TTableNiveaux& niveaux, const GeoBounds& vue);

  void CalculeProfil(double lgA, double ltA, double lgB, double ltB, TPointsProfil& PointsProfil) const;

  std::size_t NbSegments() const { return segments_.size(); }
  int NbColonnes() const { return colonnes_; }
  int NbLignes() const { return lignes_; }

 private:
  int Colonne(double lg) const;
  int Ligne(double lt) const;
  void VisiteCellules(int colonne, int premiereLigne, int derniereLigne) const;

  std::vector<Segment> segments_;  // in table order: a segment's number is its rank
  std::vector<std::int32_t> altitudes_;
  double ouest_ = 0;
  double sud_ = 0;
  double largeurCellule_ = 1;
  double hauteurCellule_ = 1;
  int colonnes_ = 1;
  int lignes_ = 1;
  std::vector<std::uint32_t> debutCellule_;  // cell c holds numeros_[debutCellule_[c] .. debutCellule_[c + 1])
  std::vector<std::uint32_t> numeros_;
  // Scratch of one search: segments already met in this search, and those met.
  mutable std::vector<std::uint32_t> passage_;
  mutable std::uint32_t numeroPassage_ = 0;
  mutable std::vector<std::uint32_t> candidats_;
};

// The crossings from west to east, as the section shows them. Crossings on
// the same meridian (a north-south vector, or a steep one once rounded to
// fixed degrees) follow the vector AB, so the section never folds back; full
// ties keep their table order.
void TriProfil(TPointsProfil& points, double lgA, double ltA, double lgB, double ltB);

}  // namespace orvex
