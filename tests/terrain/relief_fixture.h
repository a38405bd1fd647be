#pragma once
// A small map for the terrain layer tests: a square picture where, at zoom
// 16384 around (0, 0), one FixedDegree unit is one pixel, so that grid and
// curve positions read directly as pixels: x = lon + 120, y = 120 - lat.
#include <cstdint>
#include <vector>

#include "support/map_picture.h"
#include "terrain/view/dessine_relief.h"

namespace orvex::testing {

inline constexpr int kCote = 240;
inline constexpr std::int32_t kZoomPixel = 16384;

inline ProjectionState Projection(std::int32_t zoom, double lon, double lat) {
  return View(zoom, lon, lat, kCote, kCote);
}

// The three colour modes of curves and tiles.
enum class Teinte { Couleur, Gris, Unie };
inline void ChoisitTeinte(DisplayOptions& display, Teinte teinte) {
  display.CourbeCouleur = teinte == Teinte::Couleur;
  display.CourbeNB = teinte == Teinte::Gris;
  display.CourbeUnie = teinte == Teinte::Unie;
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

  // One curve through the given (lon, lat) in FixedDegree, in the first file.
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
  CouleurBgr Pixel(int x, int y) const { return PixelAt(canvas, x, y); }
};

}  // namespace orvex::testing
