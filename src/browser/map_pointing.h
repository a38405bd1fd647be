#pragma once
// Showing a found record on the map: "Pointer" in the record browser and
// "Chercher" in "Trouver un lieu". Window-free: the window hands in its
// redraw and its scroll box.
#include <functional>
#include <string>
#include <string_view>

#include "browser/record_model.h"
#include "database/tables.h"
#include "geo/projection.h"
#include "mapview/canvas.h"
#include "mapview/display_options.h"

namespace orvex {

struct PointingScene {
  ProjectionState& projection;
  DisplayOptions& display;
  std::function<void()> requestRedraw;
  // Scrolls the map's scroll box so that the picture pixel comes to the middle.
  std::function<void(int x, int y)> scrollToPoint;
};

inline constexpr std::int32_t kPlaceZoom = 2000;
inline constexpr std::int32_t kRepeaterPointerZoom = 600;
inline constexpr std::int32_t kRepeaterFoundZoom = 1010;

// "Pointer" on model row `row` of the browser's table. False (nothing done)
// for a kind that cannot be pointed or a row the table does not have.
bool PointRecord(const RecordTableModel& model, const PlaceTables& tables, int row, PointingScene& scene);

struct PlaceSearchScene {
  PointingScene pointing;
  Canvas& canvas;
  const PlaceTables& tables;
  double observerLongitude = 0;
  double observerLatitude = 0;
  std::function<void()> pictureChanged;  // lines or a frame were drawn on the picture
};

// "Chercher" with the text as typed (Windows-1252). Returns the message
// label's new text (Windows-1252): empty when something was found or drawn.
std::string SearchPlace(PlaceSearchScene& scene, std::string_view typed);

}  // namespace orvex
