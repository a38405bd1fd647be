#pragma once
// The terrain layer of the redraw: the level curves, or the elevation grid
// when tiles are chosen, in the configured colour mode. The main window binds
// it to MapScene::reliefLayer.
#include "terrain/view/dessine_dalles.h"
#include "terrain/view/scene_relief.h"

namespace orvex {

// With a background image, curves appear only while curves are being edited
// and tiles never (nor anything while editing over a background).
void DessineRelief(SceneRelief& scene);

}  // namespace orvex
