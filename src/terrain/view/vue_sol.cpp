#include "terrain/view/vue_sol.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geo/angle_constants.h"
#include "geo/distance.h"
#include "terrain/view/table_couleurs.h"

namespace orvex {
namespace {

constexpr double kColonneL2 = 400;  // picture column of the plane's right edge
constexpr double kPixelsParDegre = 10000;
constexpr double kPixelsParMetre = 2;
constexpr double kLigneHorizon = 40;  // picture row of eye level
constexpr double kAllongementCone = 5;
constexpr CouleurBgr kJaune = 0x00FFFF;
constexpr int kDemiCroix = 5;
constexpr int kDecalageIndicatifX = 30;
constexpr int kDecalageIndicatifY = 20;
constexpr double kDernierIndexVueSol = 39;  // the low, blue to green part of the table
constexpr double kGrisHaut = 255;
constexpr double kEtendueGris = 245;
constexpr std::int32_t kEcartPhotographie = 5;  // metres between painted curves
constexpr double kPasObservateur = 100;         // a step is 1/100 degree
constexpr double kCorrectionMinimale = 0.01;

struct Plan {
  double x = 0;
  double y = 0;
};

Plan Moins(GeoPosition a, GeoPosition b) { return {a.Longitude - b.Longitude, a.Latitude - b.Latitude}; }
double Croise(Plan a, Plan b) { return a.x * b.y - a.y * b.x; }
double Scalaire(Plan a, Plan b) { return a.x * b.x + a.y * b.y; }

GeoPosition Ajoute(GeoPosition a, Plan d, double facteur) {
  return {a.Longitude + facteur * d.x, a.Latitude + facteur * d.y};
}

std::int32_t HauteurCorrigee(std::int32_t altitude, double correction) {
  return static_cast<std::int32_t>(std::lround(altitude / std::max(correction, kCorrectionMinimale)));
}

// The points of a curve that project, in order.
void ProjetteCourbe(std::vector<QPoint>& points, const VueSol& vue, const TCourbeNiveau& courbe, double correction) {
  points.clear();
  const std::int32_t hauteur = HauteurCorrigee(courbe.Altitude, correction);
  for (const TPointLtLg& point : courbe.Points) {
    if (const auto ecran = ProjetteVueSol(vue, FromFixed(point.Lg), FromFixed(point.Lt), hauteur)) {
      points.push_back(*ecran);
    }
  }
}

void RemplitNoir(Canvas& canvas) {
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kNoir);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
}

}  // namespace

VueSol PrepareVueSol(GeoPosition a, GeoPosition b, double hauteur) {
  const Plan d = Moins(b, a);
  const Plan lateral{-d.y, d.x};  // to the left of the sight
  return {a, b, hauteur, Ajoute(b, lateral, kDemiChampVueSol), Ajoute(b, lateral, -kDemiChampVueSol)};
}

// The wedge and the far side of the picture line are told by the signs of
// cross and dot products with the sight, which hold for a sight in any
// direction, north-south included, where a slope would be infinite.
std::optional<QPoint> ProjetteVueSol(const VueSol& vue, double longitude, double latitude, double altitude) {
  const Plan d = Moins(vue.visee, vue.observateur);
  const double longueur2 = Scalaire(d, d);
  const Plan q = Moins({longitude, latitude}, vue.observateur);
  const Plan r1 = Moins(vue.limite1, vue.observateur);
  const Plan r2 = Moins(vue.limite2, vue.observateur);
  const double avancee = Scalaire(q, d);
  if (longueur2 == 0 || !(Croise(r2, q) > 0) || !(Croise(q, r1) > 0) || !(avancee > longueur2)) {
    return std::nullopt;
  }
  const double t = longueur2 / avancee;  // where the sight line to Q crosses the plane, 0..1
  const GeoPosition croisement = Ajoute(vue.observateur, q, t);
  const double altitudeCroisement = vue.hauteur + t * (altitude - vue.hauteur);
  const Plan lateral{-d.y, d.x};
  const double u = Scalaire(Moins(croisement, vue.limite2), lateral) / std::sqrt(longueur2);
  const double v = vue.hauteur - altitudeCroisement;
  if (u == 0 || v == 0) {
    return std::nullopt;
  }
  return QPoint(NearestInt(kColonneL2 - std::nearbyint(u * kPixelsParDegre)),
                NearestInt(std::nearbyint(v * kPixelsParMetre) + kLigneHorizon));
}

std::array<GeoPosition, 4> ConeVueSol(const VueSol& vue) {
  const GeoPosition a = vue.observateur;
  return {Ajoute(a, Moins(vue.limite2, a), kAllongementCone), vue.limite2, vue.limite1,
          Ajoute(a, Moins(vue.limite1, a), kAllongementCone)};
}

void DessineCone(Canvas& canvas, const ProjectionState& p, const VueSol& vue) {
  std::array<QPoint, 4> points;
  const std::array<GeoPosition, 4> cone = ConeVueSol(vue);
  for (std::size_t i = 0; i < cone.size(); ++i) {
    const ScreenPoint s = GeoToScreen(p, cone[i].Longitude, cone[i].Latitude, vue.hauteur);
    points[i] = QPoint(s.x, s.y);
  }
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kJaune);
  canvas.SetPenMode(PenMode::Xor);
  canvas.Polyline(points);
  canvas.SetPenMode(PenMode::Copy);
}

void RemplaceCone(ConeSurCarte& cone, Canvas& canvas, const ProjectionState& p, const RedrawState& redraw,
                  const VueSol& nouvelle) {
  if (cone.vue && cone.effacements == redraw.ClearCount) {
    DessineCone(canvas, p, *cone.vue);
  }
  DessineCone(canvas, p, nouvelle);
  cone.vue = nouvelle;
  cone.effacements = redraw.ClearCount;
}

CouleurBgr EchelleVueSol::Couleur(std::int32_t altitude) const {
  const double valeur = std::nearbyint(altitude * k + c);
  switch (mode) {
    case Mode::Couleur:
      return TableCouleurs[static_cast<std::size_t>(std::clamp(valeur, 0.0, kDernierIndexVueSol))];
    case Mode::Gris:
      return CouleurGris(static_cast<std::int32_t>(std::clamp(valeur, 0.0, kGrisHaut)));
    case Mode::Vert:
      break;
  }
  return kVert;
}

PlageNiveaux PlageDesNiveaux(const TTableNiveaux& niveaux) {
  PlageNiveaux plage;
  for (const TFichierLieux<TCourbeNiveau>& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      plage.mini = std::min(plage.mini, courbe.Altitude);
      plage.maxi = std::max(plage.maxi, courbe.Altitude);
    }
  }
  return plage;
}

EchelleVueSol EchellePourVueSol(const DisplayOptions& display, PlageNiveaux plage) {
  EchelleVueSol echelle;
  const double etendue = static_cast<double>(plage.maxi) - plage.mini;
  if (display.CourbeCouleur) {
    echelle.mode = EchelleVueSol::Mode::Couleur;
    echelle.k = etendue > 0 ? kDernierIndexVueSol / etendue : 0;
    echelle.c = kDernierIndexVueSol - plage.maxi * echelle.k;
  } else if (display.CourbeNB) {
    echelle.mode = EchelleVueSol::Mode::Gris;
    echelle.k = etendue > 0 ? kEtendueGris / etendue : 0;
    echelle.c = std::nearbyint(kGrisHaut - plage.maxi * echelle.k);
  }
  return echelle;
}

void DessineVueSol(Canvas& canvas, const VueSol& vue, const TTableNiveaux& niveaux, const TTableOM& om,
                   const DisplayOptions& display, double correction) {
  RemplitNoir(canvas);
  const EchelleVueSol echelle = EchellePourVueSol(display, PlageDesNiveaux(niveaux));
  canvas.SetPenWidth(1);
  std::vector<QPoint> points;
  for (const TFichierLieux<TCourbeNiveau>& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      ProjetteCourbe(points, vue, courbe, correction);
      if (points.size() > 3) {
        canvas.SetPenColor(echelle.Couleur(courbe.Altitude));
        canvas.Polyline(points);
      }
    }
  }
  canvas.SetPenColor(kBlanc);
  canvas.SetFontColor(kBlanc);
  canvas.SetTextTransparent(true);
  for (const TFichierLieux<TOM>& fichier : om.Fichiers) {
    for (const TOM& station : fichier.Elements) {
      const auto ecran = ProjetteVueSol(vue, FromFixed(station.Lg), FromFixed(station.Lt),
                                        HauteurCorrigee(station.Altitude, correction));
      if (!ecran) {
        continue;
      }
      canvas.MoveTo(ecran->x() - kDemiCroix, ecran->y());
      canvas.LineTo(ecran->x() + kDemiCroix, ecran->y());
      canvas.MoveTo(ecran->x(), ecran->y() - kDemiCroix);
      canvas.LineTo(ecran->x(), ecran->y() + kDemiCroix);
      canvas.TextOut(ecran->x() - kDecalageIndicatifX, ecran->y() - kDecalageIndicatifY, station.Indicatif);
    }
  }
  canvas.SetTextTransparent(false);
}

void PhotographieVueSol(Canvas& canvas, const VueSol& vue, const TTableNiveaux& niveaux, const DisplayOptions& display,
                        double correction) {
  RemplitNoir(canvas);
  const PlageNiveaux plage = PlageDesNiveaux(niveaux);
  const EchelleVueSol echelle = EchellePourVueSol(display, plage);
  // The curves m, m + 5, m + 10 ... up to M, each altitude in table order:
  // a stable sort by altitude gives that order in one pass.
  std::vector<const TCourbeNiveau*> peintes;
  for (const TFichierLieux<TCourbeNiveau>& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      const std::int64_t ecart = std::int64_t{courbe.Altitude} - plage.mini;
      if (ecart >= 0 && ecart % kEcartPhotographie == 0 && courbe.Altitude <= plage.maxi) {
        peintes.push_back(&courbe);
      }
    }
  }
  std::stable_sort(peintes.begin(), peintes.end(),
                   [](const TCourbeNiveau* a, const TCourbeNiveau* b) { return a->Altitude < b->Altitude; });
  canvas.SetPenWidth(1);
  std::vector<QPoint> points;
  for (const TCourbeNiveau* courbe : peintes) {
    ProjetteCourbe(points, vue, *courbe, correction);
    if (points.size() > 3) {
      const CouleurBgr couleur = echelle.Couleur(courbe->Altitude);
      canvas.SetPenColor(couleur);
      canvas.SetBrushColor(couleur);
      canvas.Polygon(points);
    }
  }
}

void DeplaceObservateur(GeoPosition& a, GeoPosition& b, PasObservateur pas) {
  const double cap = ScreenBearing(a.Longitude, a.Latitude, b.Longitude, b.Latitude) * kDegreesToRadians;
  const double avant = std::cos(cap) / kPasObservateur;    // latitude of a step forward
  const double travers = std::sin(cap) / kPasObservateur;  // its longitude
  double dLat = 0;
  double dLon = 0;
  switch (pas) {
    case PasObservateur::Avant:
      dLat = avant;
      dLon = travers;
      break;
    case PasObservateur::Arriere:
      dLat = -avant;
      dLon = -travers;
      break;
    case PasObservateur::Gauche:
      dLat = travers;
      dLon = -avant;
      break;
    case PasObservateur::Droite:
      dLat = -travers;
      dLon = avant;
      break;
  }
  for (GeoPosition* position : {&a, &b}) {
    position->Latitude += dLat;
    position->Longitude += dLon;
  }
}

GeoPosition ViseeVersCap(GeoPosition a, double distanceVisee, int degres) {
  const double phi = (360 - degres) * kDegreesToRadians + kPi / 2;
  return {a.Longitude + distanceVisee * std::cos(phi), a.Latitude + distanceVisee * std::sin(phi)};
}

}  // namespace orvex
