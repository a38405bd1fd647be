// Correspondence files over arbitrary bytes: read, checked, and, when the
// corners are usable, applied so that they fall on the picture's corners.
#include <cmath>
#include <cstdint>

#include "images/background_geometry.h"
#include "images/correspondence_file.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("correspondance");
  orvex::Correspondance corners;
  orvex::fuzz::Require(orvex::LitCorrespondance(scratch.Hold(data, size), corners) == 0);
  if (!orvex::CorrespondanceUtilisable(corners, 1000, 800)) {
    return 0;
  }
  orvex::ProjectionState p;
  p.ImageWidth = 1000;
  p.ImageHeight = 800;
  p.BackgroundActive = true;
  orvex::AppliqueCorrespondance(p, corners);
  orvex::ComputeViewport(p);
  orvex::fuzz::Require(p.Zoom >= orvex::kMinZoom && p.Zoom <= orvex::kMaxZoom);
  // The north-west corner lands on the picture's corner within what the
  // rounding of the scales to whole pixels a degree can move it.
  const double slackX = (corners.LgSE - corners.LgNW) / 4 + 2;
  const double slackY = (corners.LtNW - corners.LtSE) / 4 + 2;
  orvex::fuzz::Require(std::abs(orvex::LonToX(p, corners.LgNW)) <= slackX);
  orvex::fuzz::Require(std::abs(orvex::LatToY(p, corners.LtNW)) <= slackY);
  return 0;
}
