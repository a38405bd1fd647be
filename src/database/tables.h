#pragma once
// The place tables of a region and the relay and channel tables, as read from
// the data files. Counts are derived from the vectors (NbFichiers(),
// NbElements(), NbPoints(), NbRelais()) so they can never disagree with them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "geo/fixed_degree.h"

namespace orvex {

// Contour point: longitude first.
struct TPointLgLt {
  FixedDegree Lg = 0;
  FixedDegree Lt = 0;
  bool operator==(const TPointLgLt&) const = default;
};

// Structure and level-curve point: latitude first.
struct TPointLtLg {
  FixedDegree Lt = 0;
  FixedDegree Lg = 0;
  bool operator==(const TPointLtLg&) const = default;
};

static_assert(sizeof(TPointLgLt) == 8 && sizeof(TPointLtLg) == 8, "a point must stay two 32-bit integers");

struct TVille {
  FixedDegree Lg = 0;
  FixedDegree Lt = 0;
  std::string Nom;          // Windows-1252 bytes
  std::int32_t Zoom = 0;    // drawn when the map zoom exceeds it, always when 0
  bool NomDessous = true;   // name below the circle (false: above)
  std::int32_t Diametre = 100;
  bool operator==(const TVille&) const = default;
};

struct TStructure {
  std::int32_t Couleur = 0;  // colour code 0..8, 14, 15
  std::string Nom;           // Windows-1252 bytes
  std::vector<TPointLtLg> Points;

  std::int32_t NbPoints() const { return static_cast<std::int32_t>(Points.size()); }
  bool operator==(const TStructure&) const = default;
};

struct TCourbeNiveau {
  std::int32_t Altitude = 0;  // metres
  std::vector<TPointLtLg> Points;
  bool operator==(const TCourbeNiveau&) const = default;

  std::int32_t NbPoints() const { return static_cast<std::int32_t>(Points.size()); }
};

struct TOM {
  FixedDegree Lg = 0;
  FixedDegree Lt = 0;
  std::int32_t Altitude = 0;  // metres
  std::string Indicatif;      // call sign, Windows-1252 bytes
  bool operator==(const TOM&) const = default;
};

// The records read from one data file.
template <typename T>
struct TFichierLieux {
  std::string NomFichier;  // upper-cased file name as matched, no path
  std::vector<T> Elements;
  bool operator==(const TFichierLieux&) const = default;

  std::int32_t NbElements() const { return static_cast<std::int32_t>(Elements.size()); }
};

// One entry per data file read, in reading order.
template <typename T>
struct TTableFichiers {
  std::vector<TFichierLieux<T>> Fichiers;

  std::int32_t NbFichiers() const { return static_cast<std::int32_t>(Fichiers.size()); }
};

using TTableContours = TTableFichiers<TPointLgLt>;
using TTableVilles = TTableFichiers<TVille>;
using TTableStructures = TTableFichiers<TStructure>;
using TTableNiveaux = TTableFichiers<TCourbeNiveau>;
using TTableOM = TTableFichiers<TOM>;

struct TRelais {
  std::string Indicatif;
  std::string QRA;
  std::string Nom;
  std::string Frequence1;
  std::string Frequence2;
  std::string Frequence3;
};

inline constexpr std::int32_t kMaxRelais = 3000;
inline constexpr std::size_t kNbCanaux = 500;
inline constexpr std::size_t kLongueurCanal = 10;

struct TCanal {
  std::string Nom;        // at most kLongueurCanal bytes, upper case
  std::string Frequence;  // at most kLongueurCanal bytes, upper case
};

using TTableCanaux = std::array<TCanal, kNbCanaux>;

// Everything the data files of a region, the relay directory and the channel
// file put in memory, with the flags the editors set.
struct PlaceTables {
  TTableContours TableContours;
  TTableVilles TableVilles;
  TTableStructures TableStructures;
  TTableNiveaux TableNiveaux;
  TTableOM TableOM;
  std::vector<TRelais> TableRelais;  // at most kMaxRelais entries over all relay files
  TTableCanaux TableCanaux;

  bool ModifNiveaux = false;
  bool ModifVilles = false;
  bool ModifStructures = false;
  bool ModifOM = false;

  std::int32_t NbRelais() const { return static_cast<std::int32_t>(TableRelais.size()); }
};

}  // namespace orvex
