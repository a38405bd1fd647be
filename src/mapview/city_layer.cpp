#include "mapview/layers.h"
#include "mapview/on_picture.h"

namespace orvex {
namespace {

constexpr CouleurBgr kCirclePen = 0x0000FF;
constexpr CouleurBgr kCircleFill = 0x000099;
constexpr CouleurBgr kLabelOverFilled = 0xFFFFFF;
constexpr CouleurBgr kLabelOverOutlines = 0x00AAFF;
constexpr int kLabelAboveRise = 10;

// Small circles get a name only when zoomed far enough in for it to be read.
bool NameShown(std::int32_t zoom, std::int64_t r) {
  return zoom >= 2001 || (zoom >= 501 && r >= 11) || (zoom >= 101 && r >= 6);
}

// The city's zoom field is the map zoom above which it shows; 0 shows it always.
bool CityEligible(const TVille& ville, std::int32_t zoom) { return ville.Zoom == 0 || ville.Zoom < zoom; }

}  // namespace

void DrawCities(Canvas& canvas, const ProjectionState& p, const TTableVilles& villes, const DisplayOptions& display) {
  const bool wasTransparent = canvas.TextTransparent();
  canvas.SetTextTransparent(true);
  canvas.SetPenColor(kCirclePen);
  canvas.SetPenMode(PenMode::Merge);
  canvas.SetFontColor(display.PolygonesPleins ? kLabelOverFilled : kLabelOverOutlines);
  canvas.SetBrushStyle(BrushStyle::Solid);
  for (const TFichierLieux<TVille>& file : villes.Fichiers) {
    for (const TVille& ville : file.Elements) {
      if (!CityEligible(ville, p.Zoom)) {
        continue;
      }
      const ScreenPoint s = FixedToScreen(p, ville.Lg, ville.Lt, 0);
      if (!OnPicture(p, s)) {
        continue;
      }
      const std::int64_t r64 = std::int64_t{p.Zoom} * ville.Diametre / 1000;
      const int r = static_cast<int>(ClampSymmetric<std::int64_t>(r64, kScreenLimit));
      canvas.SetBrushColor(kCircleFill);
      Circle(canvas, s.x, s.y, r);
      canvas.SetBrushColor(0x000000);
      if (NameShown(p.Zoom, r64)) {
        const int x = ville.NomDessous ? s.x + r : s.x - r;
        const int y = ville.NomDessous ? s.y + r : s.y - r - kLabelAboveRise;
        canvas.TextOut(x, y, ville.Nom);
      }
    }
  }
  canvas.SetTextTransparent(wasTransparent);
}

}  // namespace orvex
