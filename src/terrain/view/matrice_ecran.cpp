#include "terrain/view/matrice_ecran.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvex {
namespace {

constexpr double kDiviseurPas = 150;

struct PalierPas {
  std::int32_t vMax;
  std::int32_t pas;
};

// v = round(Zoom·DLg / 150) up to vMax gives pas; v <= 0 or beyond the last
// palier samples every point.
constexpr std::array<PalierPas, 6> kPaliers = {{{5, 20}, {9, 10}, {14, 5}, {30, 4}, {79, 3}, {120, 2}}};

// The plane mapping without the ±180°/±90° clamps of FixedLonToX and
// FixedLatToY: a grid may reach past them.
std::int32_t LongitudeVersX(const ProjectionState& p, std::int64_t lon) {
  return SaturateInt(((lon * p.Zoom) >> 14) - p.OffsetX);
}

std::int32_t LatitudeVersY(const ProjectionState& p, std::int64_t lat) {
  return SaturateInt(std::int64_t{p.BottomY} - ((lat * p.ScaleY) >> 14));
}

void MarqueVisible(MatriceEcran& m, const ProjectionState& p, std::int32_t i, std::int32_t j, ScreenPoint s) {
  if (m.PremiereColonne < 0 && s.x >= 1) {
    m.PremiereColonne = i;
  }
  if (m.PremiereLigne < 0 && s.y >= 1) {
    m.PremiereLigne = j;
  }
  if (s.x < p.ImageWidth) {
    m.DerniereColonne = i;
  }
  if (s.y < p.ImageHeight) {
    m.DerniereLigne = j;
  }
}

}  // namespace

std::int32_t PasAffichage(std::int32_t zoom, std::int32_t dlg) {
  const double v = std::nearbyint(static_cast<double>(zoom) * dlg / kDiviseurPas);
  if (v < 1) {
    return 1;
  }
  for (const PalierPas& palier : kPaliers) {
    if (v <= palier.vMax) {
      return palier.pas;
    }
  }
  return 1;
}

std::string TexteDeltaAffichage(std::int32_t pas) { return "Delta affichage matrice : " + std::to_string(pas); }

void ConstruitMatriceEcran(MatriceEcran& m, const TDalle& dalle, const ProjectionState& p,
                           const std::function<void(const std::string&)>& info) {
  ++m.Generation;
  m.PasAffichage = PasAffichage(p.Zoom, dalle.DLg);
  if (info) {
    info(TexteDeltaAffichage(m.PasAffichage));
  }
  // Never more rows or columns than the grid really holds.
  const auto lignesTenues = static_cast<std::int32_t>(std::min<std::size_t>(dalle.Alt.size(), std::max(dalle.NbY, 0)));
  m.NbColonnes = std::max(dalle.NbX, 0) / m.PasAffichage;
  m.NbLignes = lignesTenues / m.PasAffichage;
  m.PremiereColonne = m.DerniereColonne = m.PremiereLigne = m.DerniereLigne = -1;
  m.Points.resize(static_cast<std::size_t>(m.NbColonnes) * static_cast<std::size_t>(m.NbLignes));
  const std::int64_t pas = m.PasAffichage;
  for (std::int32_t j = 0; j < m.NbLignes; ++j) {
    const std::vector<std::int32_t>& ligne = dalle.Alt[static_cast<std::size_t>(j * pas)];
    const std::int32_t y = LatitudeVersY(p, dalle.LtNO - j * pas * dalle.DLt);
    PointMatrice* sortie = &m.Points[static_cast<std::size_t>(j) * static_cast<std::size_t>(m.NbColonnes)];
    for (std::int32_t i = 0; i < m.NbColonnes; ++i) {
      const std::size_t colonne = static_cast<std::size_t>(i * pas);
      const std::int32_t z = colonne < ligne.size() ? ligne[colonne] : 0;
      ScreenPoint s{LongitudeVersX(p, dalle.LgNO + i * pas * dalle.DLg), y};
      if (!p.NoRotation) {
        s = RotatePoint(p, s, AltitudeToZ(p, z));
      }
      sortie[i] = PointMatrice{s.x, s.y, z};
      MarqueVisible(m, p, i, j, s);
    }
  }
}

ExtremesAltitude ExtremesVisibles(const MatriceEcran& m) {
  std::int32_t zmin = 99999;
  std::int32_t zmax = -99999;
  for (std::int32_t j = m.PremiereLigne; j < m.DerniereLigne; ++j) {
    for (std::int32_t i = m.PremiereColonne; i < m.DerniereColonne; ++i) {
      const std::int32_t z = std::max(m(i, j).z, 0);
      zmin = std::min(zmin, z);
      zmax = std::max(zmax, z);
    }
  }
  return {zmin, zmax};
}

}  // namespace orvex
