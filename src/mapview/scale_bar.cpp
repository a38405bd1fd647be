#include <QString>

#include "geo/distance.h"
#include "mapview/layers.h"
#include "mapview/locale_number.h"
#include "platform/cp1252.h"

namespace orvex {
namespace {

constexpr CouleurBgr kScaleColour = 0xFFFFFF;
constexpr int kLeft = 30;
constexpr int kRight = 130;  // 100 pixels from kLeft
constexpr int kRaise = 30;   // rows above the bottom edge
constexpr int kTickHalf = 5;
constexpr int kLabelX = 60;
constexpr int kLabelRaise = 29;
constexpr int kSignificantDigits = 5;

}  // namespace

std::string ScaleBarLabel(double kilometres) {
  const QString text = kilometres < 1 ? FixedNotation(kilometres * 1000, kSignificantDigits, 1) + " m"
                                      : FixedNotation(kilometres, kSignificantDigits, 2) + " km";
  return Utf8ToCp1252(text.toStdString());
}

// The length on the ground of the 100 pixels just above the picture's bottom
// left corner.
void DrawScaleBar(Canvas& canvas, const ProjectionState& p) {
  const int y = p.ImageHeight - kRaise;
  const double lat = YToLat(p, y);
  const double kilometres = Distance(XToLon(p, kLeft), lat, XToLon(p, kRight), lat);
  canvas.SetPenColor(kScaleColour);
  canvas.MoveTo(kLeft, y);
  canvas.LineTo(kRight, y);
  for (const int x : {kLeft, kRight}) {
    canvas.MoveTo(x, y + kTickHalf);
    canvas.LineTo(x, y - kTickHalf);
  }
  canvas.SetFontColor(kScaleColour);
  canvas.SetPenMode(PenMode::Copy);
  canvas.TextOut(kLabelX, p.ImageHeight - kLabelRaise, ScaleBarLabel(kilometres));
}

}  // namespace orvex
