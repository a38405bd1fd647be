#include "terrain/view/dessine_dalles.h"

#include <QPoint>

#include <array>
#include <cmath>
#include <string>

#include "terrain/view/couche_dalles.h"

namespace orvex {
namespace {

constexpr std::int32_t kMargeLegende = 20;
constexpr int kLongueurTrait = 15;
constexpr std::int32_t kPremiereLigneOmbree = 2;

QPoint Coin(const MatriceEcran& m, std::int32_t i, std::int32_t j) {
  const PointMatrice& point = m(i, j);
  return {point.x, point.y};
}

CouleurBgr CouleurCellule(const MatriceEcran& m, const EchelleAltitude& echelle, bool ombre, std::int32_t i,
                          std::int32_t j) {
  const std::int32_t z = m(i, j).z;
  if (ombre && j >= kPremiereLigneOmbree && z < m(i, j - 1).z) {
    return kNoir;  // facing away from the light, which comes from the north
  }
  return CouleurAltitude(echelle, z);
}

void LigneRemplie(CoucheDalles& couche, const MatriceEcran& m, const EchelleAltitude& echelle, bool ombre,
                  StyleContour style, std::int32_t j) {
  for (std::int32_t i = m.PremiereColonne; i < m.DerniereColonne; ++i) {
    const CouleurBgr couleur = CouleurCellule(m, echelle, ombre, i, j);
    const CouleurBgr contour = style == StyleContour::Gris ? kGrisMoyen : couleur;
    couche.Quadrilatere({Coin(m, i, j), Coin(m, i + 1, j), Coin(m, i + 1, j + 1), Coin(m, i, j + 1)}, couleur,
                        contour);
  }
}

// The northern and western edges of each cell; the black fill hides the
// mesh of earlier cells where later ones overlap them.
void LigneMaillee(CoucheDalles& couche, const MatriceEcran& m, const EchelleAltitude& echelle, std::int32_t j) {
  for (std::int32_t i = m.PremiereColonne; i < m.DerniereColonne; ++i) {
    const CouleurBgr couleur = CouleurAltitude(echelle, std::max(m(i, j).z, 0));
    couche.Triangle({Coin(m, i + 1, j), Coin(m, i, j), Coin(m, i, j + 1)}, kNoir, couleur);
  }
}

// Lays the rows drawn so far on the picture and shows it, at most once per
// interval. False when the matrix was rebuilt meanwhile by a redraw that ran
// among the pending events: this pass is then stale and stops.
bool RepeintSiDu(SceneRelief& scene, CoucheDalles& couche, std::chrono::steady_clock::time_point& dernier) {
  if (scene.SurvolEnCours || !scene.repeint) {
    return true;
  }
  const auto maintenant = std::chrono::steady_clock::now();
  if (maintenant - dernier < scene.intervalleRepeinte) {
    return true;
  }
  const std::uint64_t generation = scene.matrice.Generation;
  couche.Reporte(scene.canvas);
  scene.repeint();
  dernier = std::chrono::steady_clock::now();
  return scene.matrice.Generation == generation;
}

}  // namespace

EchelleAltitude EchelleDalles(const DisplayOptions& display, bool modeTrait, std::int32_t zmin, std::int32_t zmax) {
  const bool gris = modeTrait ? display.CourbeNB && !display.CourbeCouleur : display.CourbeNB || display.ModeOmbre;
  if (gris) {
    return EchelleGris(zmin, zmax);
  }
  if (display.CourbeCouleur) {
    return EchelleTableau(zmin, zmax);
  }
  return EchelleUnie(modeTrait ? kGrisMoyen : kVert);
}

void DessineDalles(SceneRelief& scene, bool modeTrait, StyleContour style) {
  Canvas& canvas = scene.canvas;
  const ProjectionState& p = scene.projection;
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kVert);
  canvas.SetPenColor(kVert);
  canvas.SetPenWidth(1);
  canvas.SetPenMode(PenMode::Copy);
  if (!scene.display.AfficheNiveaux || p.Zoom < kZoomDalles || p.BackgroundActive) {
    return;
  }
  MatriceEcran& m = scene.matrice;
  ConstruitMatriceEcran(m, scene.dalle, p, scene.info);
  if (!m.CellulesVisibles()) {
    return;
  }
  canvas.SetPenColor(kGrisMoyen);
  canvas.SetBrushColor(kNoir);
  const ExtremesAltitude extremes = ExtremesVisibles(m);
  const EchelleAltitude echelle = EchelleDalles(scene.display, modeTrait, extremes.zmin, extremes.zmax);
  CoucheDalles couche(p.ImageWidth, p.ImageHeight);
  auto dernier = std::chrono::steady_clock::now();
  for (std::int32_t j = m.PremiereLigne; j < m.DerniereLigne; ++j) {
    if (modeTrait) {
      LigneMaillee(couche, m, echelle, j);
    } else {
      LigneRemplie(couche, m, echelle, scene.display.ModeOmbre, style, j);
    }
    if (!RepeintSiDu(scene, couche, dernier)) {
      return;
    }
  }
  couche.Reporte(canvas);
  DessineLegende(canvas, p.ImageHeight, echelle, extremes.zmin, extremes.zmax);
}

void DessineLegende(Canvas& canvas, std::int32_t hauteurImage, const EchelleAltitude& echelle, std::int32_t zmin,
                    std::int32_t zmax) {
  const std::int32_t hauteurEchelle = hauteurImage - 2 * kMargeLegende;
  if (hauteurEchelle <= 0) {
    return;
  }
  const double pas = (static_cast<double>(zmax) - zmin) / hauteurEchelle;
  const double base = zmin - kMargeLegende * pas;
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kNoir);
  canvas.SetFontColor(kBlanc);
  for (std::int32_t y = kMargeLegende; y <= hauteurImage - kMargeLegende; ++y) {
    const double altitude = std::nearbyint(y * pas + base);
    canvas.SetPenColor(CouleurAltitude(echelle, altitude));
    canvas.MoveTo(0, y - kMargeLegende);
    canvas.LineTo(kLongueurTrait, y - kMargeLegende);
    if (y % kMargeLegende == 0) {
      canvas.SetPenColor(kBlanc);
      canvas.TextOut(kMargeLegende, y - kMargeLegende, std::to_string(static_cast<std::int64_t>(altitude)));
    }
  }
}

}  // namespace orvex
