#include "terrain/curve_index.h"

#include <algorithm>
#include <array>

namespace orvex {
namespace {

constexpr std::uint32_t kFeuille = 8;
// Differences beyond this are far outside the radius; clamping them keeps
// every square and sum inside 64 bits whatever the coordinates.
constexpr std::int64_t kEcartMax = std::int64_t{1} << 30;

std::int64_t Ecart(std::int64_t a, std::int64_t b) { return std::min(a > b ? a - b : b - a, kEcartMax); }

std::int64_t Distance2(FixedDegree lg, FixedDegree lt, FixedDegree pointLg, FixedDegree pointLt) {
  const std::int64_t dx = Ecart(lg, pointLg);
  const std::int64_t dy = Ecart(lt, pointLt);
  return dx * dx + dy * dy;
}

// From a position to the nearest point of a box.
std::int64_t Ecart(std::int64_t v, std::int64_t min, std::int64_t max) {
  return v < min ? std::min(min - v, kEcartMax) : v > max ? std::min(v - max, kEcartMax) : 0;
}

}  // namespace

std::int32_t AltitudeCourbeLaPlusProche(const TTableNiveaux& niveaux, FixedDegree lg, FixedDegree lt) {
  std::int64_t meilleur = kRayonRecherche2;
  std::int32_t altitude = 0;
  for (const auto& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      for (const TPointLtLg& point : courbe.Points) {
        const std::int64_t d = Distance2(lg, lt, point.Lg, point.Lt);
        if (d < meilleur) {
          meilleur = d;
          altitude = courbe.Altitude;
        }
      }
    }
  }
  return altitude;
}

IndexCourbes::IndexCourbes(const TTableNiveaux& niveaux) {
  for (const auto& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      for (const TPointLtLg& point : courbe.Points) {
        points_.push_back({point.Lg, point.Lt, courbe.Altitude, static_cast<std::uint32_t>(points_.size())});
      }
    }
  }
  if (!points_.empty()) {
    noeuds_.reserve(2 * points_.size() / kFeuille + 2);
    Construit(0, static_cast<std::uint32_t>(points_.size()));
  }
}

std::uint32_t IndexCourbes::Construit(std::uint32_t debut, std::uint32_t fin) {
  const auto [lgMin, lgMax] = std::minmax_element(points_.begin() + debut, points_.begin() + fin,
                                                  [](const Point& a, const Point& b) { return a.lg < b.lg; });
  const auto [ltMin, ltMax] = std::minmax_element(points_.begin() + debut, points_.begin() + fin,
                                                  [](const Point& a, const Point& b) { return a.lt < b.lt; });
  const auto indice = static_cast<std::uint32_t>(noeuds_.size());
  noeuds_.push_back({lgMin->lg, lgMax->lg, ltMin->lt, ltMax->lt, debut, fin});
  if (fin - debut <= kFeuille) {
    return indice;
  }
  // Split the wider side at its median.
  const bool selonLg = std::int64_t{lgMax->lg} - lgMin->lg >= std::int64_t{ltMax->lt} - ltMin->lt;
  const std::uint32_t milieu = debut + (fin - debut) / 2;
  std::nth_element(points_.begin() + debut, points_.begin() + milieu, points_.begin() + fin,
                   [selonLg](const Point& a, const Point& b) { return selonLg ? a.lg < b.lg : a.lt < b.lt; });
  const std::uint32_t gauche = Construit(debut, milieu);
  const std::uint32_t droit = Construit(milieu, fin);
  noeuds_[indice].gauche = gauche;
  noeuds_[indice].droit = droit;
  return indice;
}

std::int32_t IndexCourbes::AltitudeCourbeLaPlusProche(FixedDegree lg, FixedDegree lt) const {
  if (noeuds_.empty()) {
    return 0;
  }
  // (distance, order) pairs compare as the plain scan decides: nearer wins,
  // then earlier. Order 0 here means that nothing at the radius itself counts.
  std::int64_t meilleur = kRayonRecherche2;
  std::uint32_t meilleurOrdre = 0;
  std::int32_t altitude = 0;
  const auto borne = [lg, lt](const Noeud& n) {
    const std::int64_t dx = Ecart(lg, n.lgMin, n.lgMax);
    const std::int64_t dy = Ecart(lt, n.ltMin, n.ltMax);
    return dx * dx + dy * dy;
  };
  std::array<std::uint32_t, 128> pile{};
  std::size_t hauteur = 0;
  pile[hauteur++] = 0;
  while (hauteur > 0) {
    const Noeud& n = noeuds_[pile[--hauteur]];
    if (borne(n) > meilleur) {
      continue;
    }
    if (n.gauche == 0) {
      for (std::uint32_t i = n.debut; i < n.fin; ++i) {
        const Point& p = points_[i];
        const std::int64_t d = Distance2(lg, lt, p.lg, p.lt);
        if (d < meilleur || (d == meilleur && p.ordre < meilleurOrdre)) {
          meilleur = d;
          meilleurOrdre = p.ordre;
          altitude = p.altitude;
        }
      }
      continue;
    }
    // The nearer child last on the stack, so that it is searched first.
    const bool gaucheProche = borne(noeuds_[n.gauche]) <= borne(noeuds_[n.droit]);
    pile[hauteur++] = gaucheProche ? n.droit : n.gauche;
    pile[hauteur++] = gaucheProche ? n.gauche : n.droit;
  }
  return altitude;
}

}  // namespace orvex
