// The serial receive handler's cost per GPS fix on the bundled region at its
// start view: framing, decoding, the panel texts, the trace and its live
// file, the path segment, the nearest of the region's cities and the landing
// cross. With the map following the mobile, every fix also redraws the map.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "app/map_scene.h"
#include "app/startup.h"
#include "gps/nmea_sentence.h"
#include "gps/position_handler.h"
#include "gps/receive_buffer.h"
#include "support/bundled_region.h"

namespace orvex {
namespace {

std::string Sentence(int i) {
  // A balloon drifting east and descending over Luxembourg.
  const double minutes = 36.0 + i % 600 * 0.001;
  char body[128];
  std::snprintf(body, sizeof body, "GPGGA,%06d,49%06.3f,N,006%06.3f,E,1,08,0.9,%.1f,M,46.9,M,,", 120000 + i % 60,
                minutes, 7.0 + i % 600 * 0.002, 3000.0 - i % 600);
  unsigned char sum = 0;
  for (const char* c = body; *c != '\0'; ++c) {
    sum ^= static_cast<unsigned char>(*c);
  }
  char sentence[160];
  std::snprintf(sentence, sizeof sentence, "$%s*%02X\r\n", body, sum);
  return sentence;
}

void ReceiveFix(benchmark::State& state) {
  ProgramState program;
  if (!LoadBundledRegion(program)) {
    state.SkipWithError("the bundled region did not load");
    return;
  }
  program.receive.CentrerSurMobile = state.range(0) != 0;
  const auto traces = std::filesystem::temp_directory_path() / "orvex-bench-traces";
  std::filesystem::create_directories(traces);
  Canvas canvas(1920, 1080);
  MapScene scene = MakeMapScene(program, canvas);
  RequestRedraw(scene);
  PositionContext position{program.receive,     program.traces,     program.stations,
                           canvas,              program.projection, program.redraw,
                           program.tables,      program.config.LgCourant,
                           program.config.LtCourant, kTrameNmea, traces, [&] { RequestRedraw(scene); }};
  std::vector<std::string> sentences;
  for (int i = 0; i < 600; ++i) {
    sentences.push_back(Sentence(i));
  }
  std::size_t i = 0;
  for (auto _ : state) {
    for (const std::string& message : ReceiveMessages(program.receive.ReceiveBuffer, kTrameNmea, sentences[i])) {
      benchmark::DoNotOptimize(HandlePosition(position, DecodeSentence(message)));
    }
    i = (i + 1) % sentences.size();
    canvas.Image();  // the window shows the picture after every event
  }
  state.SetItemsProcessed(state.iterations());
  std::filesystem::remove_all(traces);
}
BENCHMARK(ReceiveFix)->Arg(0)->ArgName("recentre")->Unit(benchmark::kMicrosecond);
BENCHMARK(ReceiveFix)->Arg(1)->ArgName("recentre")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvex
