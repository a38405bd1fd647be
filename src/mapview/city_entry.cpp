#include "mapview/city_entry.h"

#include <algorithm>
#include <cmath>

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

constexpr CouleurBgr kCouleurCercle = 0xFFFF00;
constexpr std::int32_t kDiametreMaxZoom = 30;
constexpr std::int32_t kZoomPetiteVille = 4400;
constexpr std::int32_t kZoomParDiametre = 350;

bool NomPris(const TTableVilles& villes, const std::string& nom) {
  for (const auto& fichier : villes.Fichiers) {
    if (UpperText(fichier.NomFichier) == UpperText(nom)) {
      return true;
    }
  }
  return false;
}

}  // namespace

void DrawCityCircle(Canvas& canvas, const CityEntry& c) {
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kCouleurCercle);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.Ellipse(c.PressX - c.Radius, c.PressY - c.Radius, c.PressX + c.Radius, c.PressY + c.Radius);
  canvas.SetPenMode(PenMode::Copy);
}

void EraseCityCircle(Canvas& canvas, CityEntry& c) {
  if (c.CircleShown) {
    DrawCityCircle(canvas, c);
    c.CircleShown = false;
  }
}

void DragCityCircle(Canvas& canvas, CityEntry& c, int x, int y) {
  EraseCityCircle(canvas, c);
  c.Radius = static_cast<int>(std::lround(std::hypot(x - c.PressX, y - c.PressY)));
  DrawCityCircle(canvas, c);
  c.CircleShown = true;
}

TVille NouvelleVille(FixedDegree lg, FixedDegree lt, std::string nom, int radius, std::int32_t zoom) {
  TVille ville;
  ville.Lg = lg;
  ville.Lt = lt;
  ville.Nom = std::move(nom);
  ville.Diametre = static_cast<std::int32_t>(std::lround(radius * 1000.0 / std::max<std::int32_t>(zoom, 1)));
  ville.Zoom = ville.Diametre >= 0 && ville.Diametre <= kDiametreMaxZoom
                   ? kZoomPetiteVille - kZoomParDiametre * ville.Diametre
                   : 0;
  ville.NomDessous = false;
  return ville;
}

std::int32_t AjouteVille(TTableVilles& villes, std::int32_t fichier, TVille ville) {
  if (fichier < 0 || fichier >= villes.NbFichiers()) {
    std::string nom = kNouveauFichierVilles;
    for (int n = 1; NomPris(villes, nom); ++n) {
      nom = "villes" + std::to_string(n) + ".dat";
    }
    villes.Fichiers.push_back({nom, {}});
    fichier = villes.NbFichiers() - 1;
  }
  villes.Fichiers[fichier].Elements.push_back(std::move(ville));
  return fichier;
}

}  // namespace orvex
