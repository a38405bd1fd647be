#pragma once
// Tying a scanned map to geography: the projection a background picture
// fixes from its corners, and the corners two clicked tie points give.
#include <optional>

#include "geo/projection.h"
#include "images/correspondence_file.h"

namespace orvex {

// A pixel of the map picture and the position the user gave for it.
struct PointCalage {
  int x = 0;
  int y = 0;
  double Longitude = 0;
  double Latitude = 0;
};

// Sets the projection from the corners, for a picture of p.ImageWidth by
// p.ImageHeight: the corners fall on the picture's corners, with
// independent horizontal and vertical scales.
void AppliqueCorrespondance(ProjectionState& p, const Correspondance& corners);

// Whether the corners give usable scales on a picture of that size: sound
// corners (VerifieCoins) and both scales from 1 to the largest zoom.
bool CorrespondanceUtilisable(const Correspondance& corners, int width, int height);

// The picture's corners from two tie points on a width x height picture.
// Pixels count both ends of the span between the points. The west point
// places the west edge and the north point the north edge, whichever
// diagonal the points lie on. None when the points cannot tie the picture:
// same column or row, or east not to the right or north not above.
std::optional<Correspondance> CoinsDesPointsCalage(const PointCalage& first, const PointCalage& second, int width,
                                                   int height);

}  // namespace orvex
