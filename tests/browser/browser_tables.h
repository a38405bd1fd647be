#pragma once
// Small tables for the browser and search tests: two city files, two
// structures, radio amateurs, repeaters naming a channel, a trace and
// waypoints.
#include "browser/record_model.h"
#include "geo/fixed_degree.h"

namespace orvex::testing {

struct SampleTables {
  SampleTables() {
    places.TableContours.Fichiers = {{"BELGIQUE.DAT", {{ToFixed(4.35), ToFixed(50.85)}, {ToFixed(5.5), ToFixed(50.6)}}},
                                     {"LUX.DAT", {{ToFixed(6.13), ToFixed(49.61)}}}};
    places.TableVilles.Fichiers = {
        {"VILLES.DAT",
         {{ToFixed(3.0573), ToFixed(50.6292), "Lille", 3500, true, 100}, {ToFixed(2.35), ToFixed(48.85), "Paris", 300, false, 300}}},
        {"NORD.DAT",
         {{ToFixed(3.16), ToFixed(50.69), "Villeneuve-d'Ascq", 0, true, 50}, {ToFixed(6.9), ToFixed(48.28), "\xC9pinal", 1500, true, 80},
          {ToFixed(4.0), ToFixed(49.25), "Reims", 3000, true, 80}}}};
    places.TableStructures.Fichiers = {
        {"ROUTES.DAT", {{3, "A31", {{ToFixed(49.1), ToFixed(6.2)}, {ToFixed(49.6), ToFixed(6.1)}}}, {5, "Vide", {}}}},
        {"RAIL.DAT", {{1, "TGV", {{ToFixed(48.0), ToFixed(7.0)}}}}}};
    places.TableOM.Fichiers = {{"OM.DAT", {{ToFixed(6.1), ToFixed(49.6), 300, "LX1AB"}, {ToFixed(5.0), ToFixed(50.0), 100, "ON4XY"}}}};
    places.TableRelais = {{"LX0RL", "JN39BO", "Luxembourg", "145.6125", "R7", ""},
                          {"F5ZXX", "JN27VX", "Metz", "430.125", "", ""},
                          {"ON0LG", "JO20SO", "Liege", "R7", "145.7375", ""}};
    places.TableCanaux[0] = {"R7", "145.7750"};
    ResetTraces(traces, 2);
    traces.CurrentChannel = 1;
    for (int i = 0; i < 3; ++i) {
      AppendTracePoint(traces, 1, "12000" + std::to_string(i), 6.1 + i * 0.01, 49.6, 300 + i);
    }
    waypoints = {{"AB    ", 6.123456789, 49.5, "pont"}, {"CD", -3.25, -12.75, ""}};
  }
  BrowserTables Tables() { return {places, traces, waypoints}; }

  PlaceTables places;
  Traces traces;
  WaypointTable waypoints;
};

}  // namespace orvex::testing
