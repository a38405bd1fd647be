#pragma once
// The elevation grid ("dalles"): one regular grid of altitudes over a
// longitude/latitude rectangle, its binary file dalles.dat and the altitude
// lookup under a position.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "database/tables.h"
#include "geo/fixed_degree.h"

namespace orvex {

// Row r lies at latitude LtNO - r*DLt (row 0 is the northern edge), column c
// at longitude LgNO + c*DLg (column 0 is the western edge). Each sample stands
// for the cell one step east and one step south of it.
struct TDalle {
  std::int32_t NbX = 0;  // columns; 0 means there is no grid
  std::int32_t NbY = 0;  // rows
  std::int32_t AltMin = 0;
  std::int32_t AltMax = 0;
  FixedDegree LgNO = 0;  // north-west sample
  FixedDegree LtNO = 0;
  std::int32_t DLg = 0;  // column step, > 0 in a usable grid
  std::int32_t DLt = 0;  // row step, > 0 in a usable grid
  std::vector<std::vector<std::int32_t>> Alt;  // Alt[r][c], NbY rows of NbX
};

// The reader refuses larger column or row counts (the grid is then emptied).
inline constexpr std::int32_t kDallesMaxCotes = 10000;

// Reads a tile file into `dalle`, replacing the whole grid. Returns 0, or the
// file result when the file cannot be opened (2 = not found), in which case
// `dalle` is unchanged. A header announcing more than kDallesMaxCotes columns
// or rows gives an empty grid and 0.
int LitDalles(const std::filesystem::path& file, TDalle& dalle);

// Writes `dalle` to `file`, creating its directory when missing, and replaces
// an existing file atomically: a failed write leaves the old file whole.
// Returns 0 or a non-zero file result.
int EcritDalles(const std::filesystem::path& file, const TDalle& dalle);

// A tile file written row by row, north to south, so that a grid can go to
// disk without being held whole in memory; the altitude range, known only at
// the end, is written last. The old file is replaced only by Termine.
class EcritureDalles {
 public:
  // `forme` gives the counts, corner and steps (its rows are not read).
  // status() is the system's error number when the file cannot be created.
  EcritureDalles(const std::filesystem::path& file, const TDalle& forme);
  ~EcritureDalles();
  EcritureDalles(const EcritureDalles&) = delete;
  EcritureDalles& operator=(const EcritureDalles&) = delete;

  // The next row, NbX altitudes; false once a write has failed.
  bool Ligne(std::span<const std::int32_t> altitudes);
  // Writes the range into the header and replaces the old file: 0, or the
  // first error met (the old file then stays).
  int Termine(std::int32_t altMin, std::int32_t altMax);
  int status() const;

 private:
  struct Etat;
  std::unique_ptr<Etat> etat_;
};

// The visible map area in degrees; a point is in it only strictly inside.
struct FenetreVisible {
  double Ouest = 0;
  double Est = 0;
  double Sud = 0;
  double Nord = 0;
};

// Altitude in metres of the sample at or north-west of (lg, lt) in degrees;
// 0 outside the grid or when the grid has no usable step.
std::int32_t AltitudeDuPoint(const TDalle& dalle, double lg, double lt);

// Altitude of the curve owning the level-curve point nearest to (lg, lt), in
// plain degrees without cosine correction; the first point visited wins ties.
// With a window, only points strictly inside it count. 0 when none counts.
std::int32_t AltitudeDuPoint(const TTableNiveaux& niveaux, const std::optional<FenetreVisible>& fenetre,
                             double lg, double lt);

// The altitude under the pointer: from the grid when tiles are shown
// (`affDalles`), else from the level curves.
std::int32_t AltitudeDuPoint(bool affDalles, const TDalle& dalle, const TTableNiveaux& niveaux,
                             const std::optional<FenetreVisible>& fenetre, double lg, double lt);

}  // namespace orvex
