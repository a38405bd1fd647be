// A 1000-point track download from a Garmin device simulated on a
// pseudo-terminal at 9600 baud (960 bytes a second from the device): the wall
// time of the whole transfer and the part of it spent waiting for the 150 ms
// pacing timer between records.
#include <benchmark/benchmark.h>

#include "garmin/garmin_link.h"
#include "garmin/semicircles.h"
#include "garmin/simulated_garmin.h"
#include "support/pseudo_terminal.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

constexpr int kPoints = 1000;
constexpr int kBytesPerSecondAt9600Baud = 960;

void TrackDownload(benchmark::State& state) {
  testing::PseudoTerminal pty;
  testing::TempDir dir;
  testing::GarminScript script;
  script.bytesPerSecond = kBytesPerSecondAt9600Baud;
  for (int i = 0; i < kPoints; ++i) {
    script.trackRecords.push_back(testing::TrackPointData(DegreesToSemicircles(49.6 + i * 1e-4),
                                                          DegreesToSemicircles(6.1 + i * 2e-4), 536000000u + i));
  }
  TMSComm comm;
  comm.SetDevicePath(1, pty.SlavePath());
  OpenSerialPort(comm, 1, "9600,n,8,1");
  bool active = false;
  GarminLink link(comm, active, TransferReport{});
  WaypointTable waypoints;
  double pacing = 0;
  for (auto _ : state) {
    testing::SimulatedGarmin device(pty.MasterDescriptor(), script);
    link.Download(dir.path() / "track.gps", kTransferTrack, waypoints);
    pacing += static_cast<double>(link.PacingTime().count());
    if (!link.NormalEnd()) {
      state.SkipWithError("the download did not end normally");
    }
  }
  state.counters["pacing_ms"] = benchmark::Counter(pacing, benchmark::Counter::kAvgIterations);
  state.counters["points"] = kPoints;
}
BENCHMARK(TrackDownload)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace orvex
