#include "terrain/view/couche_dalles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvex {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// 0x00BBGGRR to an opaque premultiplied 0xAARRGGBB pixel.
std::uint32_t Argb(CouleurBgr couleur) {
  const auto bgr = static_cast<std::uint32_t>(couleur);
  return kOpaque | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

struct Boite {
  int x1;
  int y1;
  int x2;
  int y2;
};

template <std::size_t N>
Boite BoiteDe(const std::array<QPoint, N>& coins) {
  Boite b{coins[0].x(), coins[0].y(), coins[0].x(), coins[0].y()};
  for (const QPoint& c : coins) {
    b.x1 = std::min(b.x1, c.x());
    b.y1 = std::min(b.y1, c.y());
    b.x2 = std::max(b.x2, c.x());
    b.y2 = std::max(b.y2, c.y());
  }
  return b;
}

// Liang-Barsky: shortens a..b to the part inside 0..xMax by 0..yMax; false when
// nothing is left.
bool Clippe(double& ax, double& ay, double& bx, double& by, double xMax, double yMax) {
  const double dx = bx - ax;
  const double dy = by - ay;
  double t0 = 0;
  double t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax, xMax - ax, ay, yMax - ay};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) {
        return false;
      }
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  if (t0 > t1) {
    return false;
  }
  bx = ax + t1 * dx;
  by = ay + t1 * dy;
  ax += t0 * dx;
  ay += t0 * dy;
  return true;
}

// At most four crossings per row: insertion is all it takes (and std::sort's
// unrolled insertion on a 4-element array trips a false bounds warning).
void TrieCroisements(double* valeurs, int n) {
  for (int k = 1; k < n; ++k) {
    const double v = valeurs[k];
    int m = k;
    for (; m > 0 && valeurs[m - 1] > v; --m) {
      valeurs[m] = valeurs[m - 1];
    }
    valeurs[m] = v;
  }
}

}  // namespace

CoucheDalles::CoucheDalles(int largeur, int hauteur)
    : image_(std::max(largeur, 1), std::max(hauteur, 1), QImage::Format_ARGB32_Premultiplied),
      largeur_(std::max(largeur, 0)),
      hauteur_(std::max(hauteur, 0)) {
  image_.fill(Qt::transparent);
  bits_ = image_.bits();
  pas_ = image_.bytesPerLine();
}

void CoucheDalles::Salit(int x1, int y1, int x2, int y2) {
  if (saleX1_ > saleX2_) {
    saleX1_ = x1;
    saleY1_ = y1;
    saleX2_ = x2;
    saleY2_ = y2;
    return;
  }
  saleX1_ = std::min(saleX1_, x1);
  saleY1_ = std::min(saleY1_, y1);
  saleX2_ = std::max(saleX2_, x2);
  saleY2_ = std::max(saleY2_, y2);
}

void CoucheDalles::RectanglePlein(int x1, int y1, int x2, int y2, std::uint32_t argb) {
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, largeur_ - 1);
  y2 = std::min(y2, hauteur_ - 1);
  if (x1 > x2 || y1 > y2) {
    return;
  }
  for (int y = y1; y <= y2; ++y) {
    std::fill(Rangee(y) + x1, Rangee(y) + x2 + 1, argb);
  }
  Salit(x1, y1, x2, y2);
}

void CoucheDalles::Segment(QPoint a, QPoint b, std::uint32_t argb) {
  if (a.y() == b.y() || a.x() == b.x()) {
    RectanglePlein(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y()),
                   argb);
    return;
  }
  double ax = a.x();
  double ay = a.y();
  double bx = b.x();
  double by = b.y();
  if (!Clippe(ax, ay, bx, by, largeur_ - 1, hauteur_ - 1)) {
    return;
  }
  int x = static_cast<int>(std::lround(ax));
  int y = static_cast<int>(std::lround(ay));
  const int xFin = static_cast<int>(std::lround(bx));
  const int yFin = static_cast<int>(std::lround(by));
  Salit(std::min(x, xFin), std::min(y, yFin), std::max(x, xFin), std::max(y, yFin));
  const int dx = std::abs(xFin - x);
  const int dy = -std::abs(yFin - y);
  const int sx = x < xFin ? 1 : -1;
  const int sy = y < yFin ? 1 : -1;
  int erreur = dx + dy;
  for (;;) {
    Rangee(y)[x] = argb;
    if (x == xFin && y == yFin) {
      return;
    }
    const int double_erreur = 2 * erreur;
    if (double_erreur >= dy) {
      erreur += dy;
      x += sx;
    }
    if (double_erreur <= dx) {
      erreur += dx;
      y += sy;
    }
  }
}

void CoucheDalles::Remplit(const QPoint* coins, int nombre, std::uint32_t argb) {
  int yMin = coins[0].y();
  int yMax = coins[0].y();
  for (int k = 1; k < nombre; ++k) {
    yMin = std::min(yMin, coins[k].y());
    yMax = std::max(yMax, coins[k].y());
  }
  const int premiere = std::max(yMin, 0);
  const int derniere = std::min(yMax - 1, hauteur_ - 1);
  for (int py = premiere; py <= derniere; ++py) {
    const double centre = py + 0.5;
    double croisements[4];
    int n = 0;
    for (int k = 0; k < nombre; ++k) {
      const QPoint& a = coins[k];
      const QPoint& b = coins[(k + 1) % nombre];
      if ((a.y() < centre) != (b.y() < centre)) {
        // In doubles: corners far off the picture are a whole int range apart.
        const double dx = static_cast<double>(b.x()) - a.x();
        const double dy = static_cast<double>(b.y()) - a.y();
        croisements[n++] = a.x() + (centre - a.y()) * dx / dy;
      }
    }
    TrieCroisements(croisements, n);
    for (int k = 0; k + 1 < n; k += 2) {
      const double gauche = std::max(std::ceil(croisements[k] - 0.5), 0.0);
      const double droite = std::min(std::ceil(croisements[k + 1] - 0.5), static_cast<double>(largeur_));
      if (gauche < droite) {
        std::fill(Rangee(py) + static_cast<int>(gauche), Rangee(py) + static_cast<int>(droite), argb);
        Salit(static_cast<int>(gauche), py, static_cast<int>(droite) - 1, py);
      }
    }
  }
}

void CoucheDalles::Contour(const QPoint* coins, int nombre, std::uint32_t argb) {
  for (int k = 0; k < nombre; ++k) {
    Segment(coins[k], coins[(k + 1) % nombre], argb);
  }
}

void CoucheDalles::Quadrilatere(const std::array<QPoint, 4>& c, CouleurBgr remplissage, CouleurBgr contour) {
  const Boite b = BoiteDe(c);
  if (b.x2 < 0 || b.y2 < 0 || b.x1 >= largeur_ || b.y1 >= hauteur_) {
    return;
  }
  const bool droit = c[0].y() == c[1].y() && c[2].y() == c[3].y() && c[0].x() == c[3].x() && c[1].x() == c[2].x();
  if (droit && remplissage == contour) {
    RectanglePlein(b.x1, b.y1, b.x2, b.y2, Argb(remplissage));
    return;
  }
  if (droit) {
    // The outline covers the border pixels, the fill what lies inside them.
    RectanglePlein(b.x1, b.y1, b.x2, b.y2, Argb(contour));
    RectanglePlein(b.x1 + 1, b.y1 + 1, b.x2 - 1, b.y2 - 1, Argb(remplissage));
    return;
  }
  Remplit(c.data(), 4, Argb(remplissage));
  Contour(c.data(), 4, Argb(contour));
}

void CoucheDalles::Triangle(const std::array<QPoint, 3>& c, CouleurBgr remplissage, CouleurBgr contour) {
  const Boite b = BoiteDe(c);
  if (b.x2 < 0 || b.y2 < 0 || b.x1 >= largeur_ || b.y1 >= hauteur_) {
    return;
  }
  Remplit(c.data(), 3, Argb(remplissage));
  Contour(c.data(), 3, Argb(contour));
}

void CoucheDalles::Reporte(Canvas& canvas) {
  if (saleX1_ > saleX2_) {
    return;
  }
  const int largeur = saleX2_ - saleX1_ + 1;
  const int hauteur = saleY2_ - saleY1_ + 1;
  const uchar* debut = image_.constBits() + static_cast<qsizetype>(saleY1_) * pas_ + saleX1_ * 4;
  // A view on the changed part, without copying it.
  const QImage partie(debut, largeur, hauteur, pas_, image_.format());
  canvas.DrawImage(saleX1_, saleY1_, partie);
  saleX2_ = saleX1_ - 1;
}

}  // namespace orvex
