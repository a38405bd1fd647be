#include "terrain/view/dessine_relief.h"

#include "terrain/view/dessine_courbes.h"

namespace orvex {

void DessineRelief(SceneRelief& scene) {
  const bool edition = scene.creationCourbe || scene.editionCourbe;
  const bool fond = scene.projection.BackgroundActive;
  const DisplayOptions& d = scene.display;
  if (!d.AffDalles) {
    if (!fond || edition) {
      const PreparationCourbes preparation = PrepareCourbes(scene.canvas, scene.projection, scene.niveaux, d);
      DessineCourbes(scene.canvas, scene.projection, scene.niveaux, d, preparation, scene.editionCourbe);
    }
    return;
  }
  if (fond && edition) {
    return;
  }
  const StyleContour style = d.AvecGrillage ? StyleContour::Gris : StyleContour::Aucun;
  DessineDalles(scene, !d.PolygonesPleins, style);
}

}  // namespace orvex
