// orvex-render: the start view of an ORVEX.INI directory as a PNG, without a
// window and without the serial port. Start-up lines and messages go to
// standard error exactly as the program writes them.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "app/map_scene.h"
#include "app/render_options.h"
#include "app/render_profile.h"
#include "app/startup.h"
#include "images/background_image.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "terrain/view/controle_3d.h"

namespace {

int Fail(const std::string& message) {
  orvex::EchoLine("orvex-render: " + message);
  return 1;
}

void ApplyOptions(const orvex::RenderOptions& options, orvex::ProgramState& state) {
  orvex::ProjectionState& p = state.projection;
  if (options.zoom) {
    p.Zoom = *options.zoom;
  }
  if (options.centreLongitude) {
    p.CentreLongitude = *options.centreLongitude;
    p.CentreLatitude = *options.centreLatitude;
  }
  if (options.globe) {
    orvex::ToggleProjection(p);
  }
  if (options.angles) {
    const auto& [alpha, beta, gamma] = *options.angles;
    orvex::RegleAngles(p, alpha, beta, gamma);
  }
  state.display.GridShown = options.grid;
}

// The scanned map as the program shows it once loaded; false after the
// program's message when the picture or its correspondence is unusable.
bool LayBackground(const std::string& file, orvex::ProgramState& state, orvex::Canvas& canvas) {
  std::string message;
  std::optional<QImage> picture = orvex::LitImageCarte(file, message);
  if (!picture) {
    orvex::EchoLine(message);
    return false;
  }
  orvex::PoseImageFond(state.fond, state.projection, std::move(*picture), file, state.PourcentApplique);
  switch (orvex::ChargeCorrespondance(state.fond, state.projection, message)) {
    case orvex::EtatCorrespondance::Appliquee:
      canvas.SetSize(state.fond.Shown.width(), state.fond.Shown.height());
      return true;
    case orvex::EtatCorrespondance::Absente:
      orvex::EchoLine("Le fichier de correspondance " + message + " de l'image n'existe pas.");
      return false;
    case orvex::EtatCorrespondance::Illisible:
    case orvex::EtatCorrespondance::Inutilisable:
      orvex::EchoLine(message);
      return false;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  QCoreApplication::setApplicationVersion(ORVEX_VERSION);
  orvex::RenderOptions options;
  std::string message;
  switch (orvex::ParseRenderOptions(QCoreApplication::arguments(), options, message)) {
    case orvex::RenderCommand::Help:
      std::fputs(message.c_str(), stdout);
      return 0;
    case orvex::RenderCommand::Version:
      std::printf("orvex-render %s\n", ORVEX_VERSION);
      return 0;
    case orvex::RenderCommand::Refused:
      orvex::EchoLine("orvex-render: " + message);
      return 2;
    case orvex::RenderCommand::Render:
      break;
  }
  std::error_code ec;
  const std::filesystem::path directory = std::filesystem::absolute(options.directory, ec);
  if (ec || !std::filesystem::is_directory(directory, ec)) {
    return Fail(orvex::PathText(options.directory) + ": no such directory");
  }

  orvex::StderrDialogs dialogs;
  orvex::StartupContext context{dialogs, orvex::EchoLine, nullptr, nullptr};
  orvex::ProgramState state;
  orvex::EchoLine("Liste de démarrage :");
  if (orvex::ReadConfiguration(state, directory, context) == orvex::StartupOutcome::Halt ||
      orvex::ReadRegionData(state, context) == orvex::StartupOutcome::Halt) {
    return Fail("start-up failed in " + orvex::PathText(directory));
  }
  orvex::InitialiseGlobalState(state);
  orvex::EchoLine("Variables globales initialisées");
  ApplyOptions(options, state);

  orvex::Canvas canvas(options.width, options.height);
  if (!options.background.empty() && !LayBackground(options.background, state, canvas)) {
    return 1;
  }
  orvex::MapScene scene = orvex::MakeMapScene(state, canvas);
  orvex::RequestRedraw(scene);
  if (options.horizon) {
    orvex::RenderHorizon(state, canvas);
  }
  std::optional<orvex::ProfileRender> profile;
  if (options.profile) {
    profile = orvex::RenderProfile(state, canvas, *options.profile);
  }
  if (const int status = orvex::WritePngAtomically(options.output, canvas.Image()); status != 0) {
    return Fail(orvex::PathText(options.output) + ": " + std::strerror(status));
  }
  return profile ? orvex::WriteProfile(*profile, options.profile->output) : 0;
}
