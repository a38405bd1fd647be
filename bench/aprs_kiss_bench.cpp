// APRS from a KISS TNC: deframing and AX.25 decoding per packet, APRS
// decoding per packet of each position form, and the receive handler on a
// burst of 1000 packets from 200 stations moving over the bundled region,
// in one read (framing, decoding, station tracks, drawing, the nearest city,
// the log, and the one redraw the moving stations ask for).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <filesystem>

#include "../tests/support/aprs_frames.h"
#include "app/map_scene.h"
#include "app/startup.h"
#include "gps/aprs_packet.h"
#include "gps/ax25_frame.h"
#include "gps/position_handler.h"
#include "gps/receive_buffer.h"
#include "support/bundled_region.h"

namespace orvex {
namespace {

constexpr int kStations = 200;
constexpr int kBurst = 1000;

// Station s on its n-th report, a little further east each time, in turn
// uncompressed, compressed and Mic-E.
std::string Packet(int s, int n) {
  char line[160];
  const double minutes = 5.0 + s % 50 * 0.5;
  const double east = 6.0 + s / 50 * 0.1 + n * 0.002;
  switch (s % 3) {
    case 0:
      std::snprintf(line, sizeof line, "F%dABC-9>APRS,WIDE1-1,WIDE2-1:!49%05.2fN/%03d%05.2fE>mobile %d", s % 10,
                    minutes, static_cast<int>(east), (east - static_cast<int>(east)) * 60, s);
      break;
    case 1: {
      const auto base91 = [](double value) {
        auto v = static_cast<long>(value);
        std::string digits(4, '!');
        for (int i = 3; i >= 0; --i) {
          digits[static_cast<std::size_t>(i)] = static_cast<char>('!' + v % 91);
          v /= 91;
        }
        return digits;
      };
      const std::string position = base91(380926 * (90 - (49 + minutes / 60))) + base91(190463 * (180 + east));
      std::snprintf(line, sizeof line, "F%dCMP-%d>APRS,WIDE2-1:!/%s>  Acompressed", s % 10, s % 15 + 1,
                    position.c_str());
      break;
    }
    default:
      std::snprintf(line, sizeof line, "F%dMCE>TQ4W2V,WIDE2-1:`%c51!f?>/]mic-e", s % 10, 'c' + n % 20);
      break;
  }
  // Distinct sources: the station number in the callsign's last letters.
  std::string text(line);
  text[3] = static_cast<char>('A' + s / 26 % 26);
  text[4] = static_cast<char>('A' + s % 26);
  return text;
}

std::vector<std::string> Frames(int count) {
  std::vector<std::string> frames;
  for (int i = 0; i < count; ++i) {
    frames.push_back(testing::KissFrame(testing::Ax25UiFrame(Packet(i % kStations, i / kStations))));
  }
  return frames;
}

void KissDeframing(benchmark::State& state) {
  const auto frames = Frames(kStations);
  KissDeframer kiss;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kiss.Push(frames[i]));
    i = (i + 1) % frames.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(KissDeframing)->Unit(benchmark::kNanosecond);

void Ax25Decoding(benchmark::State& state) {
  std::vector<std::string> frames;
  for (int i = 0; i < kStations; ++i) {
    frames.push_back(testing::Ax25UiFrame(Packet(i, 0)));
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Ax25UiFrameToText(frames[i]));
    i = (i + 1) % frames.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Ax25Decoding)->Unit(benchmark::kNanosecond);

// Arg: 0 uncompressed, 1 compressed, 2 Mic-E.
void AprsDecoding(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = static_cast<int>(state.range(0)); i < kStations; i += 3) {
    lines.push_back(Packet(i, 0));
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeAprsLine(lines[i]));
    i = (i + 1) % lines.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(AprsDecoding)->DenseRange(0, 2)->ArgName("form")->Unit(benchmark::kNanosecond);

void ReceiveBurst(benchmark::State& state) {
  ProgramState program;
  if (!LoadBundledRegion(program)) {
    state.SkipWithError("the bundled region did not load");
    return;
  }
  const auto application = std::filesystem::temp_directory_path() / "orvex-bench-aprs";
  Canvas canvas(1920, 1080);
  MapScene scene = MakeMapScene(program, canvas);
  RequestRedraw(scene);
  std::string burst;
  for (const std::string& frame : Frames(kBurst)) {
    burst += frame;
  }
  for (auto _ : state) {
    state.PauseTiming();
    program.stations = AprsStationTable{};
    std::filesystem::remove_all(application);
    state.ResumeTiming();
    PositionContext position{program.receive,        program.traces,     program.stations,
                             canvas,                 program.projection, program.redraw,
                             program.tables,         program.config.LgCourant,
                             program.config.LtCourant, kTrameAprsKiss,   application,
                             {},                     std::time(nullptr)};
    bool redrawMap = false;
    for (const std::string& line : ReceiveKissPackets(program.receive.Kiss, burst)) {
      redrawMap = HandlePosition(position, DecodeAprsLine(line)).redrawMap || redrawMap;
    }
    if (redrawMap) {  // as the window does, once per read
      RequestRedraw(scene);
    }
    canvas.Image();
  }
  if (AprsStationCount(program.stations) != kStations) {
    state.SkipWithError("not every station was heard");
  }
  state.SetItemsProcessed(state.iterations() * kBurst);
  program.receive.AprsLog = AprsDailyLog{};
  std::filesystem::remove_all(application);
}
BENCHMARK(ReceiveBurst)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvex
