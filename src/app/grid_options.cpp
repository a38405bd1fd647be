#include "app/grid_options.h"

#include <QCommandLineParser>

namespace orvex {
namespace {

constexpr const char* kUsage =
    "\nCommands:\n"
    "  import GRID OUTPUT   Imports GRID (.fil, .asc or .hgt) and writes it as the tile file OUTPUT.\n"
    "  info FILE            Describes the tile file FILE: counts, corner, steps, altitude range.\n";

}  // namespace

GridCommand ParseGridOptions(const QStringList& arguments, GridOptions& options, std::string& message) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Imports elevation grids as ORVEX32 tile files (dalles.dat) and describes them.");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument("COMMAND", "import or info.");
  parser.addPositionalArgument("ARGUMENTS", "The command's files.", "FILES...");
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
  if (command == "import" && positional.size() == 3) {
    options.input = positional[1].toStdString();
    options.output = positional[2].toStdString();
    return GridCommand::Import;
  }
  if (command == "info" && positional.size() == 2) {
    options.input = positional[1].toStdString();
    return GridCommand::Info;
  }
  message = "expected \"import GRID OUTPUT\" or \"info FILE\" (see --help)";
  return GridCommand::Refused;
}

}  // namespace orvex
