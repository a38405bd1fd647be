// The record browser: opening the "Points de pays" grid over a million
// contour points (dialog, model and the first screenful of cells, shown
// offscreen), and the city search over 20 000 cities.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "browser/place_search.h"
#include "browser/ui/form_visu.h"

namespace orvex {
namespace {

void OpenContourGrid(benchmark::State& state) {
  PlaceTables places;
  for (int f = 0; f < 4; ++f) {
    TFichierLieux<TPointLgLt> file;
    file.NomFichier = "PAYS" + std::to_string(f) + ".DAT";
    file.Elements.assign(250'000, TPointLgLt{ToFixed(6.1), ToFixed(49.6)});
    places.TableContours.Fichiers.push_back(std::move(file));
  }
  Traces traces;
  WaypointTable waypoints;
  ProjectionState projection;
  DisplayOptions display;
  for (auto _ : state) {
    TFormVisu form({places, traces, waypoints}, {projection, display, [] {}, [](int, int) {}},
                   BrowserKind::Contours);
    form.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(form.Model().rowCount());
  }
  state.counters["rows"] = 1'000'000;
}
BENCHMARK(OpenContourGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void SearchCities(benchmark::State& state) {
  TTableVilles villes;
  for (int f = 0; f < 20; ++f) {
    TFichierLieux<TVille> file;
    for (int r = 0; r < 1000; ++r) {
      file.Elements.push_back({0, 0, "Saint-Martin-de-la-Ville-" + std::to_string(f * 1000 + r)});
    }
    villes.Fichiers.push_back(std::move(file));
  }
  // The last city: every name is upper-cased and searched.
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindCity(villes, "VILLE-19999"));
  }
  state.counters["cities"] = 20'000;
}
BENCHMARK(SearchCities)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvex
