#include "app/grid_options.h"

#include <QCommandLineParser>

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

constexpr const char* kUsage =
    "\nCommands:\n"
    "  import GRID OUTPUT   Imports GRID (.fil, .asc or .hgt) and writes it as the tile file OUTPUT.\n"
    "  info FILE            Describes the tile file FILE: counts, corner, steps, altitude range.\n"
    "  fabricate REGIONDIR [--step-x SECONDS] [--step-y SECONDS] OUTPUT\n"
    "                       Makes the tile file OUTPUT from the level curves of REGIONDIR (lieux/<region>),\n"
    "                       each node taking the altitude of the nearest curve point.\n";

constexpr double kMaxStepSeconds = 14400;  // 4 degrees, about the largest step a tile file stores

bool ParseStep(const QString& text, double& step) {
  double value = 0;
  if (!ParseDecimal(CommaToPoint(text.toStdString()), value) || value <= 0 || value > kMaxStepSeconds) {
    return false;
  }
  step = value;
  return true;
}

}  // namespace

GridCommand ParseGridOptions(const QStringList& arguments, GridOptions& options, std::string& message) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Imports elevation grids as ORVEX32 tile files (dalles.dat) and describes them.");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument("COMMAND", "import, info or fabricate.");
  parser.addPositionalArgument("ARGUMENTS", "The command's files.", "FILES...");
  const QCommandLineOption stepX("step-x", "fabricate: column step in seconds of arc (default 30).", "SECONDS");
  const QCommandLineOption stepY("step-y", "fabricate: row step in seconds of arc (default 30).", "SECONDS");
  parser.addOptions({stepX, stepY});
  if (!parser.parse(arguments)) {
    message = parser.errorText().toStdString();
    return GridCommand::Refused;
  }
  if (parser.isSet(help)) {
    message = parser.helpText().toStdString() + kUsage;
    return GridCommand::Help;
  }
  if (parser.isSet(version)) {
    return GridCommand::Version;
  }
  const QStringList positional = parser.positionalArguments();
  const QString command = positional.value(0);
  if ((parser.isSet(stepX) || parser.isSet(stepY)) && command != "fabricate") {
    message = "--step-x and --step-y go with fabricate only";
    return GridCommand::Refused;
  }
  if ((parser.isSet(stepX) && !ParseStep(parser.value(stepX), options.stepX)) ||
      (parser.isSet(stepY) && !ParseStep(parser.value(stepY), options.stepY))) {
    message = "--step-x and --step-y need seconds of arc above 0, at most " + std::to_string(int(kMaxStepSeconds));
    return GridCommand::Refused;
  }
  if (command == "fabricate" && positional.size() == 3) {
    options.input = positional[1].toStdString();
    options.output = positional[2].toStdString();
    return GridCommand::Fabricate;
  }
  if (command == "import" && positional.size() == 3) {
    options.input = positional[1].toStdString();
    options.output = positional[2].toStdString();
    return GridCommand::Import;
  }
  if (command == "info" && positional.size() == 2) {
    options.input = positional[1].toStdString();
    return GridCommand::Info;
  }
  message = "expected \"import GRID OUTPUT\", \"info FILE\" or \"fabricate REGIONDIR OUTPUT\" (see --help)";
  return GridCommand::Refused;
}

}  // namespace orvex
