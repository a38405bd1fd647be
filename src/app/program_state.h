#pragma once
// The program-wide state, grouped in named records; one instance is owned by
// the main window (or by the headless renderer, or by a test).
#include <filesystem>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "database/tables.h"
#include "garmin/garmin_state.h"
#include "geo/projection.h"
#include "gps/aprs_station_table.h"
#include "gps/position_handler.h"
#include "gps/trace_table.h"
#include "images/background_image.h"
#include "mapview/display_options.h"
#include "mapview/redraw.h"
#include "terrain/dalles.h"
#include "terrain/view/matrice_ecran.h"

namespace orvex {

struct Directories {
  std::filesystem::path RepertoireDemarrage;  // where ORVEX.INI was read
  std::filesystem::path RepertoireBase;
  std::filesystem::path RepertoireRegion;
  std::vector<std::string> ListeRegions;
  int IndexRegion = 0;
};

struct ProgramState {
  Configuration config;
  Directories directories;
  PlaceTables tables;
  TDalle dalle;
  DisplayOptions display;
  ProjectionState projection;
  RedrawState redraw;
  ReceiveState receive;
  Traces traces;
  AprsStationTable stations;
  GarminState garmin;  // waypoints and the Garmin transfer file
  std::vector<LabelledPoint> stationPoints;  // what the station layer draws
  ImageFond fond;  // the scanned map under the vector layers, when one is shown
  MatriceEcran matrice;  // the grid as last projected, kept for the 3D views
  // Whether the tile-fabrication menu entries are shown (a level-curve file was read).
  bool FabricationDallesPossible = false;
  int PourcentExpansion = 100;
  int PourcentApplique = 100;
  // Set by the "Annule" button; long commands test it between steps and clear it when they end.
  bool AnnuleFonction = false;
  bool SurvolEnCours = false;       // the fly-over runs
  double CorrectionAltitude = 2.0;  // heights of the ground view are divided by it
};

}  // namespace orvex
