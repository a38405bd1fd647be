#pragma once
// The start-up sequence without its windows: configuration, directories,
// region data, relays, channels and the initial state. The main window and
// the headless renderer run the same steps.
#include <filesystem>
#include <functional>
#include <string>

#include "app/program_state.h"
#include "database/directive.h"
#include "platform/dialogs.h"
#include "platform/progress.h"

namespace orvex {

struct StartupContext {
  Dialogs& dialogs;
  ProgressSink progress;
  std::function<void()> removeLastLine;      // takes the last progress line back
  std::function<void()> closeStartupWindow;  // before a fatal message
};

enum class StartupOutcome { Continue, Halt };

// Reads and decodes ORVEX.INI in `startDirectory` (steps 5 and 6).
StartupOutcome ReadConfiguration(ProgramState& state, const std::filesystem::path& startDirectory,
                                 StartupContext& context);

// Directories, region list, region data, relays and channels (steps 7 to 13).
StartupOutcome ReadRegionData(ProgramState& state, StartupContext& context);

// The interpretation of the region files into the state's tables and grid,
// reporting to `context`.
Interpretation MakeInterpretation(ProgramState& state, StartupContext& context);

// The start values of the global state (step 15).
void InitialiseGlobalState(ProgramState& state);

// Empty receive buffer, no landing point, NbCanaux empty traces (step 20).
void ResetReceiveState(ProgramState& state);

// The serial-port warning of start-up, word for word.
std::string SerialPortWarning(const ProgramState& state);

}  // namespace orvex
