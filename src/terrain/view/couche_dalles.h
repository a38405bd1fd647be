#pragma once
// A transparent picture the size of the map on which the tile cells are
// rasterised directly: a million cells through QPainter would take seconds.
// Filled shapes cover the pixels whose centres lie inside (odd-even rule) and
// one-pixel outlines cover both ends of each edge, as the canvas draws them.
// What was drawn since the last report is laid over the canvas by Reporte,
// leaving the canvas untouched where no cell was drawn.
#include <QImage>
#include <QPoint>

#include <array>
#include <cstdint>

#include "mapview/canvas.h"

namespace orvex {

class CoucheDalles {
 public:
  CoucheDalles(int largeur, int hauteur);
  // Writes go straight to the picture's memory through bits_.
  CoucheDalles(const CoucheDalles&) = delete;
  CoucheDalles& operator=(const CoucheDalles&) = delete;

  // Filled with `remplissage`, outlined with `contour`, corners in order.
  void Quadrilatere(const std::array<QPoint, 4>& coins, CouleurBgr remplissage, CouleurBgr contour);
  void Triangle(const std::array<QPoint, 3>& coins, CouleurBgr remplissage, CouleurBgr contour);

  // Lays what was drawn since the previous call over `canvas`.
  void Reporte(Canvas& canvas);

 private:
  void Remplit(const QPoint* coins, int nombre, std::uint32_t argb);
  void Contour(const QPoint* coins, int nombre, std::uint32_t argb);
  void RectanglePlein(int x1, int y1, int x2, int y2, std::uint32_t argb);
  // Both ends included; clipped to the picture first.
  void Segment(QPoint a, QPoint b, std::uint32_t argb);
  std::uint32_t* Rangee(int y) { return reinterpret_cast<std::uint32_t*>(bits_ + static_cast<qsizetype>(y) * pas_); }
  void Salit(int x1, int y1, int x2, int y2);

  QImage image_;
  uchar* bits_ = nullptr;
  qsizetype pas_ = 0;
  int largeur_ = 0;
  int hauteur_ = 0;
  // Inclusive bounds of what changed since the last report; empty when x1 > x2.
  int saleX1_ = 0;
  int saleY1_ = 0;
  int saleX2_ = -1;
  int saleY2_ = -1;
};

}  // namespace orvex
