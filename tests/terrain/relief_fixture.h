#pragma once
// A small map for the terrain layer tests: a square picture where, at zoom
// 16384 around (0, 0), one FixedDegree unit is one pixel, so that grid and
// curve positions read directly as pixels: x = lon + 120, y = 120 - lat.
#include <QColor>
#include <QImage>

#include <cstdint>
#include <vector>

#include "terrain/view/dessine_relief.h"

namespace orvex::testing {

inline constexpr int kCote = 240;
inline constexpr std::int32_t kZoomPixel = 16384;

inline CouleurBgr PixelBgr(const Canvas& canvas, int x, int y) { return FromQColor(QColor(canvas.Image().pixel(x, y))); }

inline ProjectionState Projection(std::int32_t zoom, double lon, double lat, int cote = kCote) {
  ProjectionState p;
  p.Zoom = zoom;
  p.CentreLongitude = lon;
  p.CentreLatitude = lat;
  p.ImageWidth = cote;
  p.ImageHeight = cote;
  ComputeViewport(p);
  return p;
}

// nbX x nbY samples 20 units apart, the north-west one drawn at (x0, y0).
inline TDalle Grille(std::int32_t nbX, std::int32_t nbY, int x0, int y0,
                     std::int32_t (*altitude)(std::int32_t colonne, std::int32_t ligne)) {
  TDalle d;
  d.NbX = nbX;
  d.NbY = nbY;
  d.DLg = 20;
  d.DLt = 20;
  d.LgNO = x0 - kCote / 2;
  d.LtNO = kCote / 2 - y0;
  d.Alt.assign(static_cast<std::size_t>(nbY), std::vector<std::int32_t>(static_cast<std::size_t>(nbX)));
  for (std::int32_t r = 0; r < nbY; ++r) {
    for (std::int32_t c = 0; c < nbX; ++c) {
      d.Alt[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = altitude(c, r);
    }
  }
  return d;
}

// Everything a SceneRelief refers to, owned in one place.
struct Carte {
  Canvas canvas{kCote, kCote};
  ProjectionState projection = Projection(kZoomPixel, 0, 0);
  TTableNiveaux niveaux;
  TDalle dalle;
  DisplayOptions display;
  MatriceEcran matrice;

  SceneRelief Scene() { return SceneRelief(canvas, projection, niveaux, dalle, display, matrice); }

  // One curve file holding one curve through the given (lon, lat) in FixedDegree.
  void AjouteCourbe(std::int32_t altitude, const std::vector<std::pair<FixedDegree, FixedDegree>>& lonLat) {
    if (niveaux.Fichiers.empty()) {
      niveaux.Fichiers.emplace_back();
    }
    TCourbeNiveau courbe;
    courbe.Altitude = altitude;
    for (const auto& [lon, lat] : lonLat) {
      courbe.Points.push_back(TPointLtLg{lat, lon});
    }
    niveaux.Fichiers.front().Elements.push_back(courbe);
  }

  bool Vide() const { return canvas.Image() == Canvas(kCote, kCote).Image(); }
};

}  // namespace orvex::testing
