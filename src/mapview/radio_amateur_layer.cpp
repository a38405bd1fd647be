#include "mapview/layers.h"
#include "mapview/marks.h"

namespace orvex {
namespace {

constexpr int kFontPoints = 8;
constexpr int kCrossHalf = 10;
constexpr int kCallSignShiftX = -30;
constexpr int kCallSignShiftY = -20;
constexpr CouleurBgr kMastColour = 0x0000FF;
constexpr CouleurBgr kMarkOverBackground = 0x000000;
constexpr CouleurBgr kMarkOverBlack = 0xFFFFFF;

}  // namespace

// The mast joins the station raised to its altitude to its foot on the
// ground: it only has a length when the map is tilted.
void DrawRadioAmateurs(Canvas& canvas, const ProjectionState& p, const TTableOM& om) {
  const bool background = p.BackgroundActive;
  const CouleurBgr mark = background ? kMarkOverBackground : kMarkOverBlack;
  canvas.SetFontSize(kFontPoints);
  canvas.SetFontBold(background);
  canvas.SetPenWidth(background ? 2 : 1);
  if (!background) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(0x000000);
  }
  canvas.SetFontColor(mark);
  canvas.SetPenMode(PenMode::Copy);
  for (const TFichierLieux<TOM>& file : om.Fichiers) {
    for (const TOM& station : file.Elements) {
      const ScreenPoint top = FixedToScreen(p, station.Lg, station.Lt, station.Altitude);
      canvas.SetPenColor(mark);
      UprightCross(canvas, top.x, top.y, kCrossHalf);
      canvas.TextOut(top.x + kCallSignShiftX, top.y + kCallSignShiftY, station.Indicatif);
      const ScreenPoint foot = FixedToScreen(p, station.Lg, station.Lt, 0);
      if (foot == top) {
        continue;  // no mast to show, and a line of no length must leave no dot
      }
      canvas.SetPenColor(kMastColour);
      canvas.MoveTo(top.x, top.y);
      canvas.LineTo(foot.x, foot.y);
    }
  }
}

}  // namespace orvex
