#include <QPoint>

#include <optional>
#include <vector>

#include "mapview/layers.h"

namespace orvex {
namespace {

constexpr std::int32_t kNameZoom = 1500;
constexpr int kNameShiftX = 10;
constexpr int kNameShiftY = -10;
constexpr int kLastPointLimit = 4999;  // a polygon ending further off is not drawn
// A structure whose code has no colour, drawn before any other, takes this.
constexpr CouleurBgr kUncodedColour = 0x808080;

std::optional<CouleurBgr> ColourOfCode(std::int32_t code) {
  switch (code) {
    case 0:
      return 0x000000;
    case 1:
      return 0xFF0000;
    case 2:
      return 0x008000;
    case 3:
      return 0x800000;
    case 4:
      return 0x0000FF;
    case 5:
      return 0x800080;
    case 6:
      return 0x000080;
    case 7:
    case 8:
      return 0x808080;
    case 14:
      return 0x00FFFF;
    case 15:
      return 0xFFFFFF;
    default:
      return std::nullopt;
  }
}

bool WithinLimit(const QPoint& point) {
  return point.x() >= -kLastPointLimit && point.x() <= kLastPointLimit && point.y() >= -kLastPointLimit &&
         point.y() <= kLastPointLimit;
}

}  // namespace

// A code without a colour keeps the colour of the structure drawn before it.
void DrawStructures(Canvas& canvas, const ProjectionState& p, const TTableStructures& structures) {
  canvas.SetPenMode(PenMode::Merge);
  canvas.SetBrushStyle(BrushStyle::Solid);
  CouleurBgr colour = kUncodedColour;
  std::vector<QPoint> polygon;
  for (const TFichierLieux<TStructure>& file : structures.Fichiers) {
    for (const TStructure& structure : file.Elements) {
      colour = ColourOfCode(structure.Couleur).value_or(colour);
      canvas.SetPenColor(colour);
      canvas.SetBrushColor(colour);
      if (structure.Points.empty()) {
        continue;
      }
      polygon.clear();
      for (const TPointLtLg& point : structure.Points) {
        const ScreenPoint s = FixedToScreen(p, point.Lg, point.Lt, 0);
        polygon.emplace_back(s.x, s.y);
      }
      const QPoint last = polygon.back();
      if (!WithinLimit(last)) {
        continue;
      }
      canvas.Polygon(polygon);
      if (p.Zoom > kNameZoom) {
        canvas.TextOut(last.x() + kNameShiftX, last.y() + kNameShiftY, structure.Nom);
      }
    }
  }
}

}  // namespace orvex
