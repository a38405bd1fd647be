#include "mapview/curve_editing.h"

#include <algorithm>
#include <cstdlib>

namespace orvex {
namespace {

constexpr FixedDegree kToleranceSelection = 5;  // FixedDegree units, about 1/3277 degree
constexpr int kDemiCarre = 5;
constexpr int kDemiCroix = 10;
constexpr CouleurBgr kCouleurEdition = 0x008000;
// Black, the colour over a background image, would vanish in xor: white shows.
constexpr CouleurBgr kCouleurEditionSurFond = 0xFFFFFF;
constexpr CouleurBgr kCouleurCroix = 0xFFFFFF;
constexpr CouleurBgr kCouleurTexte = 0x00FFFF;

bool DansTable(const TTableNiveaux& niveaux, std::int32_t file, std::int32_t curve) {
  return file >= 0 && file < niveaux.NbFichiers() && curve >= 0 && curve < niveaux.Fichiers[file].NbElements();
}

ScreenPoint Ecran(const ProjectionState& p, const TPointLtLg& point, std::int32_t altitude) {
  return FixedToScreen(p, point.Lg, point.Lt, altitude);
}

void Croix(Canvas& canvas, ScreenPoint s) {
  canvas.MoveTo(s.x - kDemiCroix, s.y);
  canvas.LineTo(s.x + kDemiCroix, s.y);
  canvas.MoveTo(s.x, s.y - kDemiCroix);
  canvas.LineTo(s.x, s.y + kDemiCroix);
}

void Carre(Canvas& canvas, ScreenPoint s) {
  canvas.Rectangle(s.x - kDemiCarre, s.y - kDemiCarre, s.x + kDemiCarre, s.y + kDemiCarre);
}

void TexteMarqueur(Canvas& canvas, int x, int y, const std::string& text) {
  canvas.SetFontColor(kCouleurTexte);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(0x000000);
  canvas.TextOut(x, y, text);
}

}  // namespace

bool FindCurvePoint(CurveEditing& e, const TTableNiveaux& niveaux, double lat, double lon) {
  const FixedDegree la = ToFixed(lat);
  const FixedDegree lo = ToFixed(lon);
  for (std::int32_t f = 0; f < niveaux.NbFichiers(); ++f) {
    const auto& courbes = niveaux.Fichiers[f].Elements;
    for (std::int32_t c = 0; c < static_cast<std::int32_t>(courbes.size()); ++c) {
      const auto& points = courbes[c].Points;
      for (std::int32_t k = 0; k < static_cast<std::int32_t>(points.size()); ++k) {
        if (std::abs(std::int64_t{points[k].Lt} - la) < kToleranceSelection &&
            std::abs(std::int64_t{points[k].Lg} - lo) < kToleranceSelection) {
          e.SelectedFile = f;
          e.SelectedCurve = c;
          e.SelectedPoint = k;
          e.SelectedAltitude = courbes[c].Altitude;
          e.SelectedCount = courbes[c].NbPoints();
          e.PointSelected = true;
          return true;
        }
      }
    }
  }
  e.SelectedFile = e.SelectedCurve = e.SelectedPoint = e.SelectedAltitude = 0;
  e.PointSelected = false;
  return false;
}

void DeleteCurve(TTableNiveaux& niveaux, std::int32_t file, std::int32_t curve) {
  if (DansTable(niveaux, file, curve)) {
    auto& courbes = niveaux.Fichiers[file].Elements;
    courbes.erase(courbes.begin() + curve);
  }
}

TCourbeNiveau* CourbeDe(TTableNiveaux& niveaux, std::int32_t file, std::int32_t curve) {
  return DansTable(niveaux, file, curve) ? &niveaux.Fichiers[file].Elements[curve] : nullptr;
}

TCourbeNiveau* CourbeSelectionnee(CurveEditing& e, TTableNiveaux& niveaux) {
  return e.PointSelected ? CourbeDe(niveaux, e.SelectedFile, e.SelectedCurve) : nullptr;
}

std::string FichierDesNouvellesCourbes(const TTableNiveaux& niveaux) {
  return niveaux.Fichiers.empty() ? kNouveauFichierCourbes : niveaux.Fichiers.front().NomFichier;
}

void AjoutePointCreation(CurveEditing& e, TTableNiveaux& niveaux, FixedDegree lt, FixedDegree lg) {
  if (e.CreationCount == 0 || CourbeDe(niveaux, e.CreationFile, e.CreationCurve) == nullptr) {
    e.CreationFile = 0;
    e.CreationCount = 0;
    e.CreationSegments.clear();
    if (niveaux.Fichiers.empty()) {
      niveaux.Fichiers.push_back({kNouveauFichierCourbes, {}});
    }
    auto& courbes = niveaux.Fichiers[0].Elements;
    courbes.emplace_back();
    e.CreationCurve = static_cast<std::int32_t>(courbes.size()) - 1;
  }
  TCourbeNiveau& courbe = *CourbeDe(niveaux, e.CreationFile, e.CreationCurve);
  courbe.Points.push_back({lt, lg});
  e.CreationCount = courbe.NbPoints();
}

void RetirePointCreation(CurveEditing& e, TTableNiveaux& niveaux) {
  TCourbeNiveau* courbe = CourbeDe(niveaux, e.CreationFile, e.CreationCurve);
  if (e.CreationCount < 1 || courbe == nullptr) {
    return;
  }
  courbe->Points.pop_back();
  e.CreationCount = courbe->NbPoints();
  if (e.CreationCount == 0) {
    DeleteCurve(niveaux, e.CreationFile, e.CreationCurve);
  }
}

bool NoteClic(CurveEditing& e) {
  e.PreviousClickedPoint = e.LastClickedPoint;
  e.LastClickedPoint = e.SelectedPoint;
  return e.PreviousClickedPoint >= 0 && std::abs(e.LastClickedPoint - e.PreviousClickedPoint) == 1;
}

std::int32_t InserePoint(CurveEditing& e, TTableNiveaux& niveaux) {
  TCourbeNiveau* courbe = CourbeSelectionnee(e, niveaux);
  const std::int32_t k = std::max(e.LastClickedPoint, e.PreviousClickedPoint);
  if (courbe == nullptr || e.PreviousClickedPoint < 0 || std::abs(e.LastClickedPoint - e.PreviousClickedPoint) != 1 ||
      k >= courbe->NbPoints()) {
    return -1;
  }
  const TPointLtLg& avant = courbe->Points[k - 1];
  const TPointLtLg& apres = courbe->Points[k];
  const TPointLtLg milieu{(avant.Lt + apres.Lt) / 2, (avant.Lg + apres.Lg) / 2};
  courbe->Points.insert(courbe->Points.begin() + k, milieu);
  e.LastClickedPoint = e.PreviousClickedPoint = -1;
  return k;
}

SuppressionPoint SupprimePoint(CurveEditing& e, TTableNiveaux& niveaux) {
  TCourbeNiveau* courbe = CourbeSelectionnee(e, niveaux);
  if (courbe == nullptr || e.LastClickedPoint < 0 || e.LastClickedPoint >= courbe->NbPoints()) {
    return SuppressionPoint::AucunPoint;
  }
  if (courbe->NbPoints() <= 2) {
    return SuppressionPoint::AvantDernier;
  }
  courbe->Points.erase(courbe->Points.begin() + e.LastClickedPoint);
  e.LastClickedPoint = e.PreviousClickedPoint = -1;
  return SuppressionPoint::Supprime;
}

bool ProlongeCourbe(CurveEditing& e, TTableNiveaux& niveaux) {
  TCourbeNiveau* courbe = CourbeSelectionnee(e, niveaux);
  if (courbe == nullptr || (e.SelectedPoint != 0 && e.SelectedPoint != courbe->NbPoints() - 1)) {
    return false;
  }
  if (e.SelectedPoint == 0) {
    std::reverse(courbe->Points.begin(), courbe->Points.end());
  }
  e.CreationFile = e.SelectedFile;
  e.CreationCurve = e.SelectedCurve;
  e.CreationCount = courbe->NbPoints();
  e.CreationSegments.clear();
  return true;
}

void DrawSelectionMarkers(Canvas& canvas, const ProjectionState& p, const TCourbeNiveau& courbe, CurveEditing& e,
                          bool background) {
  e.UnderMarkers = canvas.Image().copy();
  e.MarkersPending = true;
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(background ? 0x000000 : kCouleurEdition);
  canvas.SetBrushStyle(BrushStyle::Clear);
  for (const TPointLtLg& point : courbe.Points) {
    Carre(canvas, Ecran(p, point, courbe.Altitude));
  }
  if (e.SelectedPoint >= 0 && e.SelectedPoint < courbe.NbPoints()) {
    const ScreenPoint s = Ecran(p, courbe.Points[e.SelectedPoint], courbe.Altitude);
    canvas.SetPenColor(kCouleurCroix);
    Croix(canvas, s);
    TexteMarqueur(canvas, s.x + 10, s.y - 7, std::to_string(courbe.Altitude) + " m");
    TexteMarqueur(canvas, s.x + 10, s.y + 7,
                  "Courbe " + std::to_string(e.SelectedCurve) + ", Point " + std::to_string(e.SelectedPoint));
  }
  e.WithMarkers = canvas.Image().copy();
}

void EraseSelectionMarkers(Canvas& canvas, CurveEditing& e) {
  if (e.MarkersPending && canvas.Image() == e.WithMarkers) {
    canvas.DrawImage(0, 0, e.UnderMarkers);
  }
  e.MarkersPending = false;
  e.UnderMarkers = e.WithMarkers = QImage();
}

std::vector<RubberBand> DragSegments(const ProjectionState& p, const TCourbeNiveau& courbe, std::int32_t point,
                                     bool background) {
  std::vector<RubberBand> segments;
  if (point < 0 || point >= courbe.NbPoints()) {
    return segments;
  }
  const CouleurBgr colour = background ? kCouleurEditionSurFond : kCouleurEdition;
  const ScreenPoint s = Ecran(p, courbe.Points[point], courbe.Altitude);
  for (const std::int32_t voisin : {point - 1, point + 1}) {
    if (voisin >= 0 && voisin < courbe.NbPoints()) {
      const ScreenPoint v = Ecran(p, courbe.Points[voisin], courbe.Altitude);
      segments.push_back({RubberBand::Shape::Line, s.x, s.y, v.x, v.y, colour, 1});
    }
  }
  return segments;
}

void DrawPointMark(Canvas& canvas, const ProjectionState& p, FixedDegree lg, FixedDegree lt, std::int32_t altitude) {
  const ScreenPoint s = FixedToScreen(p, lg, lt, altitude);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kCouleurCroix);
  Croix(canvas, s);
  canvas.SetPenColor(kCouleurEdition);
  canvas.SetBrushStyle(BrushStyle::Clear);
  Carre(canvas, s);
}

void DrawPointText(Canvas& canvas, const ProjectionState& p, const TPointLtLg& point, std::int32_t altitude, int dx,
                   int dy, const std::string& text) {
  const ScreenPoint s = Ecran(p, point, altitude);
  TexteMarqueur(canvas, s.x + dx, s.y + dy, text);
}

}  // namespace orvex
