#include "terrain/section_profil.h"

#include <algorithm>

#include "geo/distance.h"
#include "geo/projection.h"

namespace orvex {
namespace {

constexpr int kMargeLargeur = 30;
constexpr int kMargeBas = 20;
constexpr int kHautSection = 20;       // y of the highest crossing
constexpr int kBasSection = 35;        // the lowest stands this far above the bottom edge
constexpr int kXPremier = 10;
constexpr int kXOrigine = 15;
constexpr int kRetraitDroite = 5;
constexpr int kEcartEtiquettes = 15;

double DistanceEntre(const TPointProfil& a, const TPointProfil& b) {
  return Distance(FromFixed(a.Lg), FromFixed(a.Lt), FromFixed(b.Lg), FromFixed(b.Lt));
}

}  // namespace

SectionProfil CalculeSection(const TPointsProfil& points, int largeur, int hauteur) {
  SectionProfil section;
  section.LigneDeBase = hauteur - kMargeBas;
  if (points.empty()) {
    return section;
  }
  std::int32_t minimum = 99999;
  std::int32_t maximum = -999;
  for (const TPointProfil& point : points) {
    minimum = std::min(minimum, point.Altitude);
    maximum = std::max(maximum, point.Altitude);
  }
  const double longueur = DistanceEntre(points.front(), points.back());
  const int largeurUtile = largeur - kMargeLargeur;
  double ky = 0;
  double cy = (kHautSection + hauteur - kBasSection) / 2.0;
  if (maximum > minimum) {
    ky = static_cast<double>(kBasSection - section.LigneDeBase) / (maximum - minimum);
    cy = kHautSection - maximum * ky;
  }
  const double kx = longueur > 0 ? (largeurUtile - kRetraitDroite) / longueur : 0;

  double parcours = 0;
  std::int32_t derniereEtiquette = kXPremier;
  for (std::size_t k = 0; k < points.size(); ++k) {
    PointSection point;
    point.y = NearestInt(points[k].Altitude * ky + cy);
    if (k == 0) {
      point.x = kXPremier;
      point.Etiquete = true;
    } else {
      parcours += DistanceEntre(points[k - 1], points[k]);
      point.x = NearestInt(parcours * kx + kXOrigine);
      point.Etiquete = point.x > derniereEtiquette + kEcartEtiquettes;
      if (point.Etiquete) {
        derniereEtiquette = point.x;
      }
    }
    section.Points.push_back(point);
    section.DistancesKm.push_back(parcours);
  }
  section.LongueurKm = longueur;
  return section;
}

}  // namespace orvex
