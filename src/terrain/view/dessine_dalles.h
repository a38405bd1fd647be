#pragma once
// The elevation grid on the map: filled cells (coloured, grey or shaded) or a
// mesh of outlined triangles, and the altitude legend at the left edge.
#include <cstdint>

#include "terrain/view/scene_relief.h"
#include "terrain/view/table_couleurs.h"

namespace orvex {

inline constexpr std::int32_t kZoomDalles = 6;  // tiles from this zoom up

enum class StyleContour {
  Gris = 2,   // grey outline around each filled cell
  Aucun = 3,  // outlined in the cell's own colour
};

// The colour scale of the cells between the visible extremes: grey for black
// and white or shaded display (grey wins when both are chosen), the colour
// table for colour display, else one colour (green cells, grey mesh).
EchelleAltitude EchelleDalles(const DisplayOptions& display, bool modeTrait, std::int32_t zmin, std::int32_t zmax);

// modeTrait false: filled cells; true: mesh of triangles. The legend is drawn
// only when cells were drawn in this pass: it describes what is on screen.
void DessineDalles(SceneRelief& scene, bool modeTrait, StyleContour style);

// The scale from zmin (top) to zmax (bottom) along the left edge, with the
// altitude written every 20 pixels. Nothing on a picture of 40 pixels or less.
void DessineLegende(Canvas& canvas, std::int32_t hauteurImage, const EchelleAltitude& echelle, std::int32_t zmin,
                    std::int32_t zmax);

}  // namespace orvex
