#pragma once
// The bundled sample region loaded as start-up loads it, for benchmarks that
// time the receive path on real data.
#include <filesystem>
#include <string>

#include "app/startup.h"
#include "platform/dialogs.h"

namespace orvex {

// The source file's name is relative to the directory the compiler ran in,
// which is where the benchmark runs from; start-up changes directory.
inline std::filesystem::path BundledDataDir() {
  return std::filesystem::absolute(std::filesystem::path(__FILE__)).parent_path().parent_path().parent_path() / "data";
}

// False when the region did not load; the state is then ready to receive.
inline bool LoadBundledRegion(ProgramState& program) {
  StderrDialogs dialogs;
  StartupContext context{dialogs, [](const std::string&) {}, nullptr, nullptr};
  if (ReadConfiguration(program, BundledDataDir(), context) == StartupOutcome::Halt ||
      ReadRegionData(program, context) == StartupOutcome::Halt) {
    return false;
  }
  InitialiseGlobalState(program);
  ResetReceiveState(program);
  return true;
}

}  // namespace orvex
