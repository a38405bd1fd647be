#include <algorithm>

#include "database/channel_file.h"
#include "geo/locator.h"
#include "mapview/layers.h"
#include "mapview/on_picture.h"

namespace orvex {
namespace {

constexpr CouleurBgr kOverBlack = 0xFFFFFF;
constexpr CouleurBgr kOverBackground = 0x000000;
constexpr std::int32_t kTextZoom = 300;  // names and frequencies only above it
constexpr int kFontPixels = 6;
constexpr int kTextIndent = 5;
constexpr int kNameRow = 2;
constexpr int kCallSignRow = 15;
constexpr int kFrequencyRows[] = {30, 45, 60};

// An unused second or third frequency is left empty or written as "0".
bool FrequencyGiven(const std::string& text) { return !text.empty() && text != "0"; }

void DrawTriangle(Canvas& canvas, int x, int y, int s, int h) {
  canvas.MoveTo(x - s / 2, y + h);
  canvas.LineTo(x, y - h);
  canvas.LineTo(x + s / 2, y + h);
  canvas.LineTo(x - s / 2, y + h);
}

void DrawTexts(Canvas& canvas, const TTableCanaux& canaux, const TRelais& relais, int x, int y) {
  canvas.TextOut(x, y + kNameRow, relais.Nom);
  canvas.TextOut(x, y + kCallSignRow, relais.Indicatif);
  canvas.TextOut(x, y + kFrequencyRows[0], FrequenceDuCanal(canaux, relais.Frequence1));
  const std::string* others[] = {&relais.Frequence2, &relais.Frequence3};
  for (int i = 0; i < 2; ++i) {
    if (FrequencyGiven(*others[i])) {
      canvas.TextOut(x, y + kFrequencyRows[i + 1], FrequenceDuCanal(canaux, *others[i]));
    }
  }
}

}  // namespace

// A triangle at the centre of the repeater's locator sub-square, growing with
// the zoom, and above zoom 300 its name, call sign and frequencies below it.
void DrawRepeaters(Canvas& canvas, const ProjectionState& p, const PlaceTables& tables) {
  const CouleurBgr ink = p.BackgroundActive ? kOverBackground : kOverBlack;
  canvas.SetPenColor(ink);
  canvas.SetFontColor(ink);
  canvas.SetPenMode(PenMode::Copy);
  const bool withTexts = p.Zoom > kTextZoom;
  if (withTexts) {
    canvas.SetFontHeight(kFontPixels);
  }
  const int s = std::max(p.Zoom / 60, 2);
  const int h = (3 * s) / 2;
  for (const TRelais& relais : tables.TableRelais) {
    double lon = 0;
    double lat = 0;
    LocatorToCoordinate(relais.QRA, lon, lat);
    const ScreenPoint point = GeoToScreen(p, lon, lat, 0);
    if (!OnPicture(p, point)) {
      continue;
    }
    DrawTriangle(canvas, point.x, point.y, s, h);
    if (withTexts) {
      DrawTexts(canvas, tables.TableCanaux, relais, point.x - s / 2 - kTextIndent, point.y + h);
    }
  }
}

}  // namespace orvex
