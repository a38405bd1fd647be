#include "terrain/profil.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvex {
namespace {

// Far below the size of a cell and far above the rounding of a few double
// operations on degrees: the slack that keeps the grid search a superset of
// the full scan.
constexpr double kMargeAbsolue = 1e-9;
constexpr double kMargeRelative = 1e-6;
constexpr int kMaxCellulesParCote = 2048;
constexpr std::uint64_t kMaxEntreesParSegment = 16;
constexpr std::uint64_t kEntreesToujoursPermises = 1 << 20;

struct Cadre {
  double ouest;
  double est;
  double sud;
  double nord;
  bool Contient(const TPointLtLg& point) const {
    const double lg = FromFixed(point.Lg);
    const double lt = FromFixed(point.Lt);
    return lt > sud && lt < nord && lg > ouest && lg < est;
  }
};

Cadre CadreDe(const GeoBounds& vue) { return {vue.West, vue.East, vue.South, vue.North}; }

Segment SegmentDe(const TPointLtLg& p, const TPointLtLg& q) {
  return {FromFixed(p.Lg), FromFixed(p.Lt), FromFixed(q.Lg), FromFixed(q.Lt)};
}

// Calls `visite` with each curve segment of the view, in table order.
template <typename Visite>
void ParcourtSegments(const TTableNiveaux& niveaux, const Cadre& cadre, Visite&& visite) {
  for (const TFichierLieux<TCourbeNiveau>& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      const std::vector<TPointLtLg>& points = courbe.Points;
      for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        if (cadre.Contient(points[i]) && cadre.Contient(points[i + 1])) {
          visite(SegmentDe(points[i], points[i + 1]), courbe.Altitude);
        }
      }
    }
  }
}

// The one crossing test both searches share, AB first.
void AjouteCroisement(const Segment& ab, const Segment& segment, std::int32_t altitude, TPointsProfil& points) {
  const std::optional<Crossing> croisement = IntersectSegments(ab, segment);
  if (!croisement || croisement->CrossX == 0 || croisement->CrossY == 0) {
    return;
  }
  points.push_back({ToFixed(croisement->CrossX), ToFixed(croisement->CrossY), altitude});
}

int Cellule(double valeur, double origine, double taille, int nombre) {
  const double rang = std::floor((valeur - origine) / taille);
  if (!(rang > 0)) {
    return 0;
  }
  return rang < nombre - 1 ? static_cast<int>(rang) : nombre - 1;
}

// Cells per side: about one cell per segment, square in degrees, so that a
// ray crosses about as many cells as it meets segments.
int CellulesSur(double cote, double surfaceParCellule) {
  if (!(cote > 0)) {
    return 1;
  }
  const double n = std::ceil(cote / std::sqrt(surfaceParCellule));
  return static_cast<int>(std::clamp(n, 1.0, double{kMaxCellulesParCote}));
}

}  // namespace

void CalculeProfil(const TTableNiveaux& niveaux, const GeoBounds& vue, double lgA, double ltA, double lgB, double ltB,
                   TPointsProfil& PointsProfil) {
  PointsProfil.clear();
  const Segment ab{lgA, ltA, lgB, ltB};
  ParcourtSegments(niveaux, CadreDe(vue),
                   [&](const Segment& segment, std::int32_t altitude) {
                     AjouteCroisement(ab, segment, altitude, PointsProfil);
                   });
}

IndexNiveaux::IndexNiveaux(const TTableNiveaux& niveaux, const GeoBounds& vue) : ouest_(vue.West), sud_(vue.South) {
  ParcourtSegments(niveaux, CadreDe(vue), [this](const Segment& segment, std::int32_t altitude) {
    segments_.push_back(segment);
    altitudes_.push_back(altitude);
  });
  const double largeur = vue.East - vue.West;
  const double hauteur = vue.North - vue.South;
  if (!segments_.empty()) {
    const double surfaceParCellule = largeur * hauteur / static_cast<double>(segments_.size());
    colonnes_ = CellulesSur(largeur, surfaceParCellule);
    lignes_ = CellulesSur(hauteur, surfaceParCellule);
  }
  // Each segment goes into every cell its bounding box touches, counted
  // first, then placed; a cell lists its segments in table order. Long
  // diagonal segments would fill a fine grid with copies: the grid is made
  // coarser until the copies stay within a few per segment.
  const auto cellules = [this](const Segment& s) {
    return std::array{Colonne(std::min(s.x1, s.x2)), Colonne(std::max(s.x1, s.x2)), Ligne(std::min(s.y1, s.y2)),
                      Ligne(std::max(s.y1, s.y2))};
  };
  const std::uint64_t maxEntrees = kMaxEntreesParSegment * segments_.size() + kEntreesToujoursPermises;
  for (;;) {
    largeurCellule_ = largeur > 0 ? largeur / colonnes_ : 1;
    hauteurCellule_ = hauteur > 0 ? hauteur / lignes_ : 1;
    std::uint64_t entrees = 0;
    for (const Segment& s : segments_) {
      const auto [c1, c2, l1, l2] = cellules(s);
      entrees += std::uint64_t(c2 - c1 + 1) * std::uint64_t(l2 - l1 + 1);
    }
    if (entrees <= maxEntrees || (colonnes_ == 1 && lignes_ == 1)) {
      break;
    }
    colonnes_ = std::max(1, colonnes_ / 2);
    lignes_ = std::max(1, lignes_ / 2);
  }
  const auto nbCellules = static_cast<std::size_t>(colonnes_) * static_cast<std::size_t>(lignes_);
  debutCellule_.assign(nbCellules + 1, 0);
  const auto parCellule = [this, &cellules](const Segment& s, auto&& action) {
    const auto [c1, c2, l1, l2] = cellules(s);
    for (int l = l1; l <= l2; ++l) {
      for (int c = c1; c <= c2; ++c) {
        action(static_cast<std::size_t>(l) * static_cast<std::size_t>(colonnes_) + static_cast<std::size_t>(c));
      }
    }
  };
  for (const Segment& s : segments_) {
    parCellule(s, [this](std::size_t cellule) { ++debutCellule_[cellule + 1]; });
  }
  for (std::size_t c = 0; c < nbCellules; ++c) {
    debutCellule_[c + 1] += debutCellule_[c];
  }
  numeros_.resize(debutCellule_[nbCellules]);
  std::vector<std::uint32_t> remplissage(debutCellule_.begin(), debutCellule_.end() - 1);
  for (std::uint32_t numero = 0; numero < segments_.size(); ++numero) {
    parCellule(segments_[numero], [&](std::size_t cellule) { numeros_[remplissage[cellule]++] = numero; });
  }
  passage_.assign(segments_.size(), 0);
}

int IndexNiveaux::Colonne(double lg) const { return Cellule(lg, ouest_, largeurCellule_, colonnes_); }

int IndexNiveaux::Ligne(double lt) const { return Cellule(lt, sud_, hauteurCellule_, lignes_); }

void IndexNiveaux::VisiteCellules(int colonne, int premiereLigne, int derniereLigne) const {
  for (int l = premiereLigne; l <= derniereLigne; ++l) {
    const std::size_t cellule = static_cast<std::size_t>(l) * static_cast<std::size_t>(colonnes_) +
                                static_cast<std::size_t>(colonne);
    for (std::uint32_t k = debutCellule_[cellule]; k < debutCellule_[cellule + 1]; ++k) {
      const std::uint32_t numero = numeros_[k];
      if (passage_[numero] != numeroPassage_) {
        passage_[numero] = numeroPassage_;
        candidats_.push_back(numero);
      }
    }
  }
}

// A crossing lies in the bounding boxes of both segments (IntersectSegments
// checks it) and, unless AB is vertical, at y = slope * x + intercept of AB's
// own line form, which rises or falls steadily with x even in floating point;
// on a horizontal curve segment it keeps that segment's y, off AB's line form
// by no more than the slope times a rounding of x. So column by column, the
// rows between that line's values at the column's edges (widened by the
// margins, kept within AB's box) hold every segment that can cross AB there;
// the others are never tested.
void IndexNiveaux::CalculeProfil(double lgA, double ltA, double lgB, double ltB, TPointsProfil& PointsProfil) const {
  PointsProfil.clear();
  if (segments_.empty()) {
    return;
  }
  if (++numeroPassage_ == 0) {
    std::fill(passage_.begin(), passage_.end(), 0);
    numeroPassage_ = 1;
  }
  candidats_.clear();
  const Segment ab{lgA, ltA, lgB, ltB};
  const double xMin = std::min(lgA, lgB);
  const double xMax = std::max(lgA, lgB);
  const double yMin = std::min(ltA, ltB);
  const double yMax = std::max(ltA, ltB);
  const int premiereColonne = Colonne(xMin);
  const int derniereColonne = Colonne(xMax);
  if (lgA == lgB) {
    VisiteCellules(premiereColonne, Ligne(yMin), Ligne(yMax));
  } else {
    const LineForm ligneAB = LineThroughPoints(lgA, ltA, lgB, ltB);
    const double margeX = kMargeAbsolue + kMargeRelative * largeurCellule_;
    const double margeY =
        kMargeAbsolue + kMargeRelative * hauteurCellule_ + std::fabs(ligneAB.LineSlope) * margeX;
    for (int c = premiereColonne; c <= derniereColonne; ++c) {
      const double gauche = c == premiereColonne ? xMin : std::max(xMin, ouest_ + c * largeurCellule_ - margeX);
      const double droite = c == derniereColonne ? xMax : std::min(xMax, ouest_ + (c + 1) * largeurCellule_ + margeX);
      const double y1 = ligneAB.LineSlope * gauche + ligneAB.LineIntercept;
      const double y2 = ligneAB.LineSlope * droite + ligneAB.LineIntercept;
      const double bas = std::max(yMin, std::min(y1, y2) - margeY);
      const double haut = std::min(yMax, std::max(y1, y2) + margeY);
      VisiteCellules(c, Ligne(std::min(bas, haut)), Ligne(std::max(bas, haut)));
    }
  }
  std::sort(candidats_.begin(), candidats_.end());
  for (const std::uint32_t numero : candidats_) {
    AjouteCroisement(ab, segments_[numero], altitudes_[numero], PointsProfil);
  }
}

void TriProfil(TPointsProfil& points, double lgA, double ltA, double lgB, double ltB) {
  // Along the vector drawn west to east (south to north when it is vertical),
  // latitude rises when the vector heads north.
  const bool versEst = lgB > lgA || (lgB == lgA && ltB >= ltA);
  const double montee = versEst ? ltB - ltA : ltA - ltB;
  const bool latitudeCroissante = montee >= 0;
  std::stable_sort(points.begin(), points.end(), [latitudeCroissante](const TPointProfil& a, const TPointProfil& b) {
    if (a.Lg != b.Lg) {
      return a.Lg < b.Lg;
    }
    return latitudeCroissante ? a.Lt < b.Lt : a.Lt > b.Lt;
  });
}

}  // namespace orvex
