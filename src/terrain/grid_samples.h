#pragma once
// What the grid readers (FIL, ESRI ASCII, SRTM) share: where the tile grid's
// nodes lie and which source sample each takes, the sample text scanner, and
// the row-by-row filling of a new grid. A failure is a French message for the
// user; an empty message means success.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "terrain/dalles.h"

namespace orvex {

// A void (SRTM) or NODATA sample as the scanners hand it over.
inline constexpr std::int32_t kValeurVide = INT32_MIN;

// The largest step a tile file stores (its header words are 16 bits).
inline constexpr std::int32_t kPasMaxDalles = 65535;

// Where a source grid's samples lie: the true position of its north-west
// sample and its steps, in degrees.
struct GeometrieSource {
  std::int32_t colonnes = 0;
  std::int32_t lignes = 0;
  double lgPremier = 0;
  double ltPremier = 0;
  double pasLg = 0;
  double pasLt = 0;
};

// The grid to build and, for each node column and row, the source column and
// row it shows. An empty map means node i shows source sample i.
struct PlanDalle {
  std::int32_t colonnesSource = 0;
  std::int32_t lignesSource = 0;
  std::int32_t NbX = 0;
  std::int32_t NbY = 0;
  FixedDegree LgNO = 0;
  FixedDegree LtNO = 0;
  std::int32_t DLg = 0;
  std::int32_t DLt = 0;
  std::vector<std::int32_t> colonneSource;
  std::vector<std::int32_t> ligneSource;
};

// The nodes of a grid whose positions are counted in whole 1/16384 degree:
// the corner is the north-west sample's position rounded to a unit. A step
// that is a whole number of units keeps every sample in place; any other is
// rounded, the nodes cover the source extent (the last one lies at most half
// a source cell past the last sample) and each node takes the source sample
// nearest to it. Refuses grids the tile format cannot hold.
std::string PlanifieDalle(const GeometrieSource& source, PlanDalle& plan);

// An empty grid of the plan's counts, corner and steps.
TDalle FormeDuPlan(const PlanDalle& plan);

// Counts and steps the tile format holds; the FIL reader checks its own
// arithmetic with it.
std::string VerifieFormat(const PlanDalle& plan);

// The zone a grid covers on the map: each node stands for the cell one step
// east and south of it.
struct EtendueGrille {
  double ouest = 0;
  double nord = 0;
  double est = 0;
  double sud = 0;
};
EtendueGrille EtendueDuPlan(const PlanDalle& plan);

// Fills one source row (west to east) with raw values, kValeurVide for a void;
// false with a message when the row cannot be read.
using LecteurLigne = std::function<bool(std::span<std::int32_t> valeurs, std::string& erreur)>;

// A grid file opened for import: the grid to build and its rows, read in
// order. The reader may point into the file's bytes, which must outlive it.
struct SourceGrille {
  PlanDalle plan;
  LecteurLigne lecteur;
};

// Where the nodes go, row by row from the north: the program's grid, or a
// tile file written as the rows come. A message stops the import.
class DestinationNoeuds {
 public:
  virtual ~DestinationNoeuds() = default;
  // Before any row, with the grid about to be made.
  virtual std::string Commence(const PlanDalle& plan) = 0;
  // The NbX values of node row `r`, to be filled.
  virtual std::span<std::int32_t> Ligne(std::int32_t r) = 0;
  virtual std::string LigneFaite(std::int32_t r) = 0;
  // Every row is filled; the range of the altitudes kept.
  virtual std::string Termine(std::int32_t altMin, std::int32_t altMax) = 0;
};

// Reads every source row in order and fills each node row once: voids become
// 0 and leave the range alone, negative altitudes become 0.
std::string RemplitNoeuds(const SourceGrille& source, DestinationNoeuds& destination);

// The program's grid: built aside and moved into `dalle` only once every row
// was read.
class DalleEnMemoire : public DestinationNoeuds {
 public:
  explicit DalleEnMemoire(TDalle& dalle) : dalle_(dalle) {}
  std::string Commence(const PlanDalle& plan) override;
  std::span<std::int32_t> Ligne(std::int32_t r) override;
  std::string LigneFaite(std::int32_t r) override;
  std::string Termine(std::int32_t altMin, std::int32_t altMax) override;

 private:
  TDalle& dalle_;
  TDalle nouvelle_;
};

// RemplitNoeuds into `dalle`.
std::string RemplitDalle(const SourceGrille& source, TDalle& dalle);

// The separators of sample text: spaces, tabs, CR and LF. Looked up rather
// than compared four times: the test runs twice per value of files of tens
// of millions.
inline constexpr std::array<bool, 256> kSeparateurs = [] {
  std::array<bool, 256> table{};
  for (const unsigned char c : {' ', '\n', '\r', '\t'}) {
    table[c] = true;
  }
  return table;
}();

inline bool Separateur(char c) { return kSeparateurs[static_cast<unsigned char>(c)]; }

// "fichier incomplet : ..." for a text holding `lues` of `total` values.
std::string FichierIncomplet(std::int64_t lues, std::int64_t total);

// Text samples: values separated by any run of spaces, tabs, CR and LF.
class LecteurTexte {
 public:
  struct Options {
    std::optional<double> nodata;
    bool decimales = false;  // "12.5" is read and rounded instead of refused
  };
  // `texte` holds the `total` values of a grid of `colonnes` columns, or
  // the part of them that follows the first `dejaLues` (messages count from
  // the start of the grid).
  LecteurTexte(std::string_view texte, std::int32_t colonnes, std::int64_t total, Options options,
               std::int64_t dejaLues = 0);
  // Fills the whole row, or says why not.
  bool LitLigne(std::span<std::int32_t> valeurs, std::string& erreur);
  // Fills what it can and returns the count: less than asked at the end of
  // the text (no message) or at a value that does not read (`erreur` set).
  std::size_t Lit(std::span<std::int32_t> valeurs, std::string& erreur);
  // Where reading stopped: the unreadable value after a failure.
  const char* Courant() const { return courant_; }

 private:
  bool ValeurRare(const char* debut, std::int32_t& valeur, const char*& fin) const;
  bool Decimale(const char* debut, std::int32_t& valeur, const char*& fin) const;
  std::string Position() const;
  void Illisible(std::string& erreur) const;

  const char* courant_;
  const char* fin_;
  std::int32_t colonnes_;
  std::int64_t total_;
  std::int64_t lues_ = 0;
  Options options_;
  std::optional<std::int32_t> nodataEntier_;
};

// The message for a file that cannot be opened or read (system error number).
std::string ErreurFichier(int status);

// Whether `bytes` can hold `total` values of at least one digit each with a
// separator between them, checked before anything is allocated for them.
std::string VerifieTaille(std::size_t bytes, std::int64_t total);

}  // namespace orvex
