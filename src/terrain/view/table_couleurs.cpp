#include "terrain/view/table_couleurs.h"

#include <algorithm>
#include <cmath>

namespace orvex {
namespace {

constexpr double kEtenduePalette = kDernierIndexCouleur;
constexpr double kGrisHaut = 255;
constexpr double kEtendueGris = 245;

}  // namespace

EchelleAltitude EchelleTableau(std::int32_t altMin, std::int32_t altMax) {
  EchelleAltitude e;
  e.mode = ModeCouleur::Tableau;
  e.k = altMax == altMin ? 0.0 : kEtenduePalette / (static_cast<double>(altMax) - altMin);
  e.c = kEtenduePalette - altMax * e.k;
  return e;
}

EchelleAltitude EchelleGris(std::int32_t altMin, std::int32_t altMax) {
  EchelleAltitude e;
  e.mode = ModeCouleur::Gris;
  e.k = altMax == altMin ? 0.0 : kEtendueGris / (static_cast<double>(altMax) - altMin);
  e.c = std::nearbyint(kGrisHaut - altMax * e.k);
  return e;
}

EchelleAltitude EchelleUnie(CouleurBgr couleur) {
  EchelleAltitude e;
  e.unie = couleur;
  return e;
}

CouleurBgr CouleurAltitude(const EchelleAltitude& echelle, double altitude) {
  if (echelle.mode == ModeCouleur::Unie) {
    return echelle.unie;
  }
  const double valeur = std::nearbyint(altitude * echelle.k + echelle.c);
  if (echelle.mode == ModeCouleur::Tableau) {
    const double index = std::clamp(valeur, 0.0, kEtenduePalette);
    return TableCouleurs[static_cast<std::size_t>(index)];
  }
  return CouleurGris(static_cast<std::int32_t>(std::clamp(valeur, 0.0, kGrisHaut)));
}

}  // namespace orvex
