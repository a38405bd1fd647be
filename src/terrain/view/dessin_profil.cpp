#include "terrain/view/dessin_profil.h"

#include <QPoint>

#include <array>
#include <string>

#include "terrain/view/table_couleurs.h"

namespace orvex {
namespace {

constexpr CouleurBgr kRouge = 0x0000FF;
constexpr CouleurBgr kBleu = 0xFF0000;
constexpr int kDemiCroix = 10;
constexpr int kAuDessusDuPoint = 15;
constexpr int kSousLaBase = 5;
constexpr int kTrait = 4;
constexpr int kDecalageMarque = 2;

void Marque(Canvas& canvas, const ProjectionState& p, const TPointProfil& point, const char* texte) {
  const ScreenPoint ecran = FixedToScreen(p, point.Lg, point.Lt, point.Altitude);
  canvas.TextOut(ecran.x + kDecalageMarque, ecran.y + kDecalageMarque, texte);
}

}  // namespace

void DessineSection(Canvas& canvas, const TPointsProfil& tries, const SectionProfil& section) {
  const std::vector<PointSection>& s = section.Points;
  const int base = section.LigneDeBase;
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kNoir);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kBlanc);
  canvas.SetFontColor(kNoir);
  canvas.SetTextTransparent(false);
  canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
  for (std::size_t k = 0; k + 1 < s.size(); ++k) {
    canvas.SetPenColor(kRouge);
    const std::array<QPoint, 4> tranche{QPoint(s[k].x, base), QPoint(s[k + 1].x, base), QPoint(s[k + 1].x, s[k + 1].y),
                                        QPoint(s[k].x, s[k].y)};
    canvas.Polygon(tranche);
    if (s[k + 1].Etiquete) {
      canvas.SetPenColor(kBleu);
      canvas.TextOut(s[k + 1].x, s[k + 1].y - kAuDessusDuPoint, std::to_string(tries[k + 1].Altitude));
      canvas.MoveTo(s[k + 1].x, s[k + 1].y);
      canvas.LineTo(s[k + 1].x + kTrait, s[k + 1].y - kTrait);
    }
  }
  if (s.empty()) {
    return;
  }
  canvas.TextOut(s.front().x, s.front().y - kAuDessusDuPoint, std::to_string(tries.front().Altitude));
  canvas.TextOut(s.front().x, base + kSousLaBase, "A");
  canvas.TextOut(s.back().x, base + kSousLaBase, "B");
}

void TraceCroixProfil(Canvas& canvas, const ProjectionState& p, const TPointsProfil& points) {
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kBlanc);
  for (const TPointProfil& point : points) {
    const ScreenPoint c = GeoToScreen(p, FromFixed(point.Lg), FromFixed(point.Lt), 0);
    canvas.MoveTo(c.x - kDemiCroix, c.y);
    canvas.LineTo(c.x + kDemiCroix, c.y);
    canvas.MoveTo(c.x, c.y - kDemiCroix);
    canvas.LineTo(c.x, c.y + kDemiCroix);
  }
}

void MarqueExtremites(Canvas& canvas, const ProjectionState& p, const TPointsProfil& tries) {
  if (tries.empty()) {
    return;
  }
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColor(kBlanc);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kVert);
  canvas.SetFontColor(kBlanc);
  canvas.SetTextTransparent(false);
  Marque(canvas, p, tries.front(), "A");
  Marque(canvas, p, tries.back(), "B");
}

int DessineHorizon(Canvas& canvas, const ProjectionState& p, const ChercheCroisements& cherche,
                   const std::function<bool()>& continuer) {
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kRouge);
  canvas.SetPenWidth(1);
  const ScreenPoint centre = GeoToScreen(p, p.CentreLongitude, p.CentreLatitude, 0);
  return ParcourtHorizon(p, cherche, [&](const DirectionHorizon& direction) {
    if (direction.Point) {
      const ScreenPoint fin = GeoToScreen(p, FromFixed(direction.Point->Lg), FromFixed(direction.Point->Lt), 0);
      canvas.SetPenColor(kBlanc);
      canvas.MoveTo(centre.x, centre.y);
      canvas.LineTo(fin.x, fin.y);
    }
    return !continuer || continuer();
  });
}

}  // namespace orvex
