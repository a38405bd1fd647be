#include "terrain/view/dessine_courbes.h"

#include <QPoint>

#include <algorithm>
#include <vector>

namespace orvex {
namespace {

constexpr std::int32_t kEquidistance = 10;
constexpr FixedDegree kMarge = 1000;
constexpr int kDemiCroix = 5;

struct Cadre {
  FixedDegree ouest;
  FixedDegree est;
  FixedDegree sud;
  FixedDegree nord;

  bool Contient(const TPointLtLg& point) const {
    return point.Lt > sud && point.Lt < nord && point.Lg > ouest && point.Lg < est;
  }
};

Cadre CadreAvecMarge(const GeoBounds& b) {
  return {b.FixedWest - kMarge, b.FixedEast + kMarge, b.FixedSouth - kMarge, b.FixedNorth + kMarge};
}

void Croix(Canvas& canvas, QPoint point) {
  canvas.MoveTo(point.x() - kDemiCroix, point.y());
  canvas.LineTo(point.x() + kDemiCroix, point.y());
  canvas.MoveTo(point.x(), point.y() - kDemiCroix);
  canvas.LineTo(point.x(), point.y() + kDemiCroix);
}

void Projette(std::vector<QPoint>& sortie, const ProjectionState& p, const TPointLtLg& point, std::int32_t altitude) {
  const ScreenPoint s = FixedToScreen(p, point.Lg, point.Lt, altitude);
  sortie.emplace_back(s.x, s.y);
}

// Each stretch of the curve inside the frame becomes its own polyline,
// extended by the outside point on either side so that a segment crossing the
// margin is drawn whole; a curve leaving the view and coming back elsewhere
// must not be joined by a chord across the map.
void DessineTroncons(Canvas& canvas, const ProjectionState& p, const TCourbeNiveau& courbe, const Cadre& cadre,
                     bool marquePoints, std::vector<QPoint>& troncon) {
  const std::vector<TPointLtLg>& points = courbe.Points;
  std::size_t k = 0;
  while (k < points.size()) {
    if (!cadre.Contient(points[k])) {
      ++k;
      continue;
    }
    troncon.clear();
    if (k > 0) {
      Projette(troncon, p, points[k - 1], courbe.Altitude);
    }
    for (; k < points.size() && cadre.Contient(points[k]); ++k) {
      Projette(troncon, p, points[k], courbe.Altitude);
      if (marquePoints) {
        Croix(canvas, troncon.back());
      }
    }
    if (k < points.size()) {
      Projette(troncon, p, points[k], courbe.Altitude);
    }
    canvas.Polyline(troncon);
  }
}

}  // namespace

PreparationCourbes PrepareCourbes(Canvas& canvas, const ProjectionState& p, const TTableNiveaux& niveaux,
                                  const DisplayOptions& display) {
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kVert);
  canvas.SetPenColor(kVert);
  canvas.SetPenWidth(1);
  canvas.SetPenMode(PenMode::Copy);
  PreparationCourbes preparation;
  preparation.toutesCourbes = p.Zoom > kZoomToutesCourbes;
  if (!display.CourbeCouleur && !display.CourbeNB) {
    return preparation;
  }
  std::int32_t plusBasse = 99999;
  std::int32_t plusHaute = 0;
  for (const TFichierLieux<TCourbeNiveau>& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      plusBasse = std::min(plusBasse, courbe.Altitude);
      plusHaute = std::max(plusHaute, courbe.Altitude);
    }
  }
  preparation.echelle = display.CourbeNB ? EchelleGris(plusBasse, plusHaute) : EchelleTableau(plusBasse, plusHaute);
  return preparation;
}

bool CourbeRetenue(std::int32_t altitude, const DisplayOptions& display, bool toutesCourbes) {
  if (altitude >= display.FiltreMax || altitude <= display.FiltreMin) {
    return false;
  }
  return toutesCourbes || altitude % kEquidistance == 0;
}

void DessineCourbes(Canvas& canvas, const ProjectionState& p, const TTableNiveaux& niveaux,
                    const DisplayOptions& display, const PreparationCourbes& preparation, bool marquePoints) {
  if (!display.AfficheNiveaux || p.Zoom <= kZoomCourbes) {
    return;
  }
  const Cadre cadre = CadreAvecMarge(p.ViewBounds);
  const CouleurBgr couleurUnie = p.BackgroundActive ? kNoir : kVert;
  canvas.SetBrushColor(kNoir);
  std::vector<QPoint> troncon;
  for (const TFichierLieux<TCourbeNiveau>& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      if (!CourbeRetenue(courbe.Altitude, display, preparation.toutesCourbes)) {
        continue;
      }
      const bool unie = preparation.echelle.mode == ModeCouleur::Unie;
      canvas.SetPenColor(unie ? couleurUnie : CouleurAltitude(preparation.echelle, courbe.Altitude));
      DessineTroncons(canvas, p, courbe, cadre, marquePoints, troncon);
    }
  }
  canvas.SetPenWidth(1);
}

}  // namespace orvex
