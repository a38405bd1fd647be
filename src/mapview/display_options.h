#pragma once
// What the map shows: the configuration's display options and the menu
// toggles, read by the redraw and the layers.
#include <cstdint>

namespace orvex {

struct DisplayOptions {
  bool AffichePays = true;
  bool AfficheVilles = true;
  bool AfficheStructures = true;
  bool AfficheNiveaux = true;
  bool AfficheRelais = false;
  bool AfficheOM = false;
  bool IndexerPays = false;
  bool AffichageContinu = true;
  bool CourbeCouleur = true;
  bool CourbeUnie = false;
  bool CourbeNB = false;
  bool Courbe1erPlan = false;
  bool ModeOmbre = false;
  bool AvecGrillage = false;
  bool AffDalles = false;
  bool PolygonesPleins = true;
  bool GridShown = false;  // locator grid toggle
  // Level filter bounds in metres.
  std::int32_t FiltreMin = 0;
  std::int32_t FiltreMax = 10000;
};

}  // namespace orvex
