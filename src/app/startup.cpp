#include "app/startup.h"

#include "database/channel_file.h"
#include "database/region_interpretation.h"
#include "geo/coordinate_text.h"
#include "platform/cp1252.h"
#include "platform/directory_listing.h"
#include "platform/paths.h"
#include "terrain/fil_file.h"

namespace orvex {
namespace {

constexpr const char* kConfigurationFile = "ORVEX.INI";

StartupOutcome FailureExit(StartupContext& context, int numeroLigne, const std::string& text, int ioStatus) {
  if (context.closeStartupWindow) {
    context.closeStartupWindow();
  }
  std::string message = "Erreur dans le fichier ORVEX.INI ligne " + std::to_string(numeroLigne) + " ; trouvé " + Cp1252ToUtf8(text);
  if (ioStatus == 2) {
    message += " (non trouvé)";
  }
  context.dialogs.Message(MessageKind::Error, message);
  return StartupOutcome::Halt;
}

// Real subdirectories of "lieux", and the index of the configured region.
void ListRegions(Directories& directories) {
  const auto lieux = ResolvePath(directories.RepertoireBase, "lieux");
  const std::string wanted = directories.RepertoireRegion.filename().string();
  directories.ListeRegions.clear();
  for (const DirectoryEntry& entry : ListeRepertoire(lieux)) {
    if (entry.attributes != FaDirectory || entry.name.starts_with(".")) {
      continue;
    }
    if (entry.diskName == wanted) {
      directories.IndexRegion = static_cast<int>(directories.ListeRegions.size());
    }
    directories.ListeRegions.push_back(entry.name);
  }
}

}  // namespace

StartupOutcome ReadConfiguration(ProgramState& state, const std::filesystem::path& startDirectory,
                                 StartupContext& context) {
  std::vector<std::string> lines;
  if (!LoadConfigurationLines(ResolvePath(startDirectory, kConfigurationFile), lines)) {
    if (context.closeStartupWindow) {
      context.closeStartupWindow();
    }
    context.dialogs.Message(MessageKind::Information, "Erreur sur le fichier ORVEX.INI");
    return StartupOutcome::Halt;
  }
  DecodeFailure failure;
  if (!DecodeConfiguration(lines, state.config, failure)) {
    return FailureExit(context, 0, failure.text, 1);
  }
  state.directories.RepertoireDemarrage = startDirectory;
  return StartupOutcome::Continue;
}

Interpretation MakeInterpretation(ProgramState& state, StartupContext& context) {
  return Interpretation{
      .tables = state.tables,
      .dialogs = context.dialogs,
      .currentDirectory = {},
      .IoStatus = kIoOk,
      .progress = context.progress,
      .removeLastLine = context.removeLastLine,
      .closeStartupWindow = context.closeStartupWindow,
      .lireDalles = [&state](const std::filesystem::path& file) { return LitDalles(file, state.dalle); },
      .importeFil =
          [&state, &context](const std::filesystem::path& file) {
            if (const std::string erreur = ImporteFIL(file, state.dalle); !erreur.empty()) {
              context.dialogs.Message(MessageKind::Error, "Fichier " + PathText(file) + " : " + erreur);
            }
            return 0;
          },
  };
}

StartupOutcome ReadRegionData(ProgramState& state, StartupContext& context) {
  Directories& directories = state.directories;
  directories.RepertoireBase = directories.RepertoireDemarrage;
  directories.RepertoireRegion = ResolvePath(directories.RepertoireBase, "lieux/" + state.config.RepertoireLieu);
  ListRegions(directories);

  Interpretation interpretation = MakeInterpretation(state, context);
  const ResultatInterpretation region = InterpreteBase(interpretation, directories.RepertoireRegion);
  if (region.regionAbsente) {
    return StartupOutcome::Halt;
  }
  state.FabricationDallesPossible = state.tables.TableNiveaux.NbFichiers() > 0;

  const std::int32_t relais = InterpreteRelais(interpretation, directories.RepertoireBase);
  if (relais != 0) {
    return FailureExit(context, 0, "{incdir relais}", relais);
  }
  const auto canaux = ResolvePath(directories.RepertoireBase, std::string(kNomFichierCanaux));
  if (LitCanaux(canaux, state.tables.TableCanaux) != 0) {
    if (context.closeStartupWindow) {
      context.closeStartupWindow();
    }
    context.dialogs.Message(MessageKind::Error, "fichier " + PathText(directories.RepertoireBase / "canaux.dat") +
                                                    " non trouvé");
    return StartupOutcome::Halt;
  }
  return StartupOutcome::Continue;
}

void InitialiseGlobalState(ProgramState& state) {
  ProjectionState& p = state.projection;
  p = ProjectionState{};
  p.Zoom = state.config.ZoomDemarre;
  p.CentreLongitude = state.config.LgDemarre;
  p.CentreLatitude = state.config.LtDemarre;
  p.GlobeRadius = static_cast<double>(p.Zoom) * 80;
  p.GroundView = true;
  RefreshRotation(p);
  state.redraw = RedrawState{};
  state.display = DisplayOptions{};
  state.tables.ModifNiveaux = state.tables.ModifVilles = state.tables.ModifStructures = state.tables.ModifOM = false;
  state.PourcentExpansion = 100;
  state.PourcentApplique = 100;
}

void ResetReceiveState(ProgramState& state) {
  const bool avertirTrame = state.receive.AvertirTrame;
  const bool centrerSurMobile = state.receive.CentrerSurMobile;
  state.receive = ReceiveState{};
  state.receive.AvertirTrame = avertirTrame;
  state.receive.CentrerSurMobile = centrerSurMobile;
  ResetTraces(state.traces, state.config.NbCanaux);
}

std::string SerialPortWarning(const ProgramState& state) {
  return "Le port COM" + std::to_string(state.config.PortGPS) + " n'est pas disponible ou est déjà utilisé." +
         "vous devriez modifier le fichier de configuration " +
         PathText(state.directories.RepertoireDemarrage / kConfigurationFile) + " à la ligne " + "\"protocoleGPS\"" +
         "." + "L'exécution du programme continue quand même mais " + "la ligne RS232 ne sera pas utilisable.";
}

}  // namespace orvex
